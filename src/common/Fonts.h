#pragma once

#include <QFont>

namespace tzolkara {

// Verdana where it is installed, otherwise a close sans-serif, so no screen
// ever depends on a font the machine lacks.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

} // namespace tzolkara
