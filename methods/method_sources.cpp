#include "method_sources.h"

#include <cstdio>
#include <filesystem>

#include "builtin_methods.h"
#include "siril_library.h"
#include "stages.h"

namespace tolvern::methods {

namespace {

// Whether the file's first byte other than blanks (and a UTF-8 byte order
// mark) is '<', within its first 4 KiB.
bool LooksLikeXml(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  int c = EOF;
  int at = 0;
  while (at < 4096 && (c = std::fgetc(file)) != EOF) {
    const bool bom = at < 3 && (c == 0xEF || c == 0xBB || c == 0xBF);
    ++at;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || bom) continue;
    break;
  }
  std::fclose(file);
  return c == '<';
}

}  // namespace

LibraryReadResult ReadLibrary(const std::string& path, MethodLibrary& library) {
  namespace fs = std::filesystem;
  std::error_code error;
  LibraryReadResult refused;
  if (!fs::exists(path, error)) {
    refused.error = path + ": no such file or folder";
    return refused;
  }
  if (fs::is_directory(path, error)) return ReadSirilLibraryPath(path, library);
  std::string extension = fs::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (extension.size() > 1 && IsCompositionExtension(extension.substr(1))) return ReadSirilLibraryPath(path, library);
  if (extension == ".xml" || LooksLikeXml(path)) return ReadLibraryXmlFile(path, library);
  refused.error = path + ": neither a methods library XML nor a SIRIL library file (.dou to .six, .sir)";
  return refused;
}

void LoadMethods(const MethodSources& sources, MethodLibrary& library, LoadReport& report) {
  for (auto path = sources.libraries.rbegin(); path != sources.libraries.rend(); ++path) {
    const LibraryReadResult result = ReadLibrary(*path, library);
    if (!result.error.empty()) {
      report.errors.push_back(result.error);
      continue;
    }
    if (result.skipped)
      report.warnings.push_back(*path + ": " + std::to_string(result.skipped) + " method" +
                                (result.skipped == 1 ? "" : "s") + " passed over (the first: " +
                                result.firstSkipped + ")");
  }
  if (sources.builtIn) AddBuiltinMethods(library);
}

}  // namespace tolvern::methods
