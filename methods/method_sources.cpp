#include "method_sources.h"

#include <cstdio>
#include <filesystem>

#include "builtin_methods.h"
#include "siril_library.h"

namespace tolvern::methods {

namespace {

// Whether the file's first byte other than blanks (and a UTF-8 byte order
// mark) is '<'.
bool LooksLikeXml(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  int c;
  int at = 0;
  while ((c = std::fgetc(file)) != EOF) {
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
  std::error_code error;
  if (!std::filesystem::is_directory(path, error) && LooksLikeXml(path)) return ReadLibraryXmlFile(path, library);
  if (!std::filesystem::exists(path, error)) {
    LibraryReadResult missing;
    missing.error = path + ": no such file or folder";
    return missing;
  }
  return ReadSirilLibraryPath(path, library);
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
