#pragma once

namespace tzolkara {

// Registers the program's real screens with the screen registry.
void registerProgramScreens();

} // namespace tzolkara
