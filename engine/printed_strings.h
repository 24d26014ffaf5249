// Printed strings: the marker for underlining on the proof page.
#pragma once

#include <string_view>

namespace tolvern {

inline constexpr std::string_view UnderlineMarker = "\"_";

}  // namespace tolvern
