#include "text_encoding.h"

#include <cstdint>
#include <cstring>

namespace tolvern {

bool IsAscii(std::string_view bytes) {
  // Eight bytes at a time: the pages are lines of ASCII, millions of them.
  const char* p = bytes.data();
  size_t left = bytes.size();
  uint64_t seen = 0;
  for (; left >= 8; p += 8, left -= 8) {
    uint64_t eight;
    std::memcpy(&eight, p, 8);
    seen |= eight;
  }
  for (; left > 0; ++p, --left) seen |= static_cast<unsigned char>(*p);
  return (seen & 0x8080808080808080ULL) == 0;
}

bool IsValidUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p < end) {
    const unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;        // overlong
      else if (c == 0xED) high = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;        // overlong
      else if (c == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
      return false;
    }
    if (static_cast<size_t>(end - p) < length || p[1] < low || p[1] > high) return false;
    for (size_t i = 2; i < length; ++i)
      if ((p[i] & 0xC0) != 0x80) return false;
    p += length;
  }
  return true;
}

TextEncoding EncodingOfLines(std::span<const std::string> lines) {
  for (const std::string& line : lines)
    if (!IsAscii(line) && !IsValidUtf8(line)) return TextEncoding::Latin1;
  return TextEncoding::Utf8;
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

void AppendLineAsUtf8(std::string& out, std::string_view line, TextEncoding encoding) {
  if (IsAscii(line) || (encoding == TextEncoding::Utf8 && IsValidUtf8(line))) out.append(line);
  else AppendLatin1AsUtf8(out, line);
}

}  // namespace tolvern
