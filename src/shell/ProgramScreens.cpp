#include "ProgramScreen.h"

// Screens of the readings
// (end of the readings' includes)

namespace tzolkara {

// One line per screen: the main window asks the registry for a screen the
// first time it is shown.
void registerProgramScreens()
{
    // (readings screens)
    // (report screens)
    // (tarot screens)
}

} // namespace tzolkara
