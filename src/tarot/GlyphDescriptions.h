#pragma once

#include <array>

namespace tzolkara {

// The interpretation of each of the 20 tarot glyphs, one paragraph of plain
// ASCII each, indexed by glyph (0 is Imix, the Red Dragon; 19 is Ahau, the
// Yellow Sun).
extern const std::array<const char *, 20> kGlyphDescriptions;

} // namespace tzolkara
