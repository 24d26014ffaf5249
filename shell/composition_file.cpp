#include "composition_file.h"

#include <cstdio>
#include <filesystem>

#include "engine.h"

namespace tolvern {

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
