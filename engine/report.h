// The closing summary of a proof, and the number format its tables share.
#pragma once

#include <string>

namespace tolvern {

// Pads `text` on the left to `width` characters; a longer text stays whole.
std::string RightJustify(const std::string& text, size_t width = 4);

}  // namespace tolvern
