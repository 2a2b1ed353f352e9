#include "ProgramScreen.h"

namespace tzolkara {

// One line per screen: the main window asks the registry for a screen the
// first time it is shown.
void registerProgramScreens()
{
}

} // namespace tzolkara
