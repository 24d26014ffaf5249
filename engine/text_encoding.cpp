#include "text_encoding.h"

#include <cstdint>

namespace tolvern {

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t extra;
    uint32_t code;
    if ((c & 0xE0) == 0xC0) extra = 1, code = c & 0x1F;
    else if ((c & 0xF0) == 0xE0) extra = 2, code = c & 0x0F;
    else if ((c & 0xF8) == 0xF0) extra = 3, code = c & 0x07;
    else return false;
    if (i + extra >= n) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const auto d = static_cast<unsigned char>(bytes[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      code = (code << 6) | (d & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    static constexpr uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

bool IsUtf8Text(std::span<const std::string> lines) {
  for (const std::string& line : lines)
    if (!IsAscii(line) && !IsValidUtf8(line)) return false;
  return true;
}

void AppendLatin1AsUtf8(std::string& out, std::string_view bytes) {
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
}

void AppendLineAsUtf8(std::string& out, std::string_view line, bool utf8Text) {
  if (IsAscii(line) || (utf8Text && IsValidUtf8(line))) out.append(line);
  else AppendLatin1AsUtf8(out, line);
}

}  // namespace tolvern
