#include "composition_file.h"

#include <cstdio>
#include <filesystem>

#include "engine.h"

namespace tolvern {

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

TextEncoding EncodingOf(std::string_view bytes) {
  return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

namespace {

// All of a stream's bytes, read in large pieces.
bool ReadAll(std::FILE* file, std::string& bytes) {
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  return !std::ferror(file);
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  if (path == "-") return ReadAll(stdin, bytes);
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  const auto size = std::filesystem::file_size(path, error);
  if (!error) bytes.reserve(static_cast<size_t>(size));
  const bool read = ReadAll(file, bytes);
  std::fclose(file);
  return read;
}

bool ReadCompositionFile(const std::string& path, std::vector<std::string>& lines) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return false;
  lines = SplitLines(bytes);
  return true;
}

}  // namespace tolvern
