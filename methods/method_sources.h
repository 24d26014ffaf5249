// Where methods come from, merged into one library: the libraries given,
// later ones first, then the built-in set.
#pragma once

#include <string>
#include <vector>

#include "library_xml.h"
#include "method_library.h"

namespace tolvern::methods {

struct MethodSources {
  // Methods library XML files, SIRIL library files and folders of them.
  std::vector<std::string> libraries;
  bool builtIn = true;
};

struct LoadReport {
  std::vector<std::string> errors;    // a library that could not be read
  std::vector<std::string> warnings;  // methods passed over, one line a library
};

// Reads one library into `library`: a folder, or a file with a stage
// extension or .sir, as SIRIL library files; a .xml file, or another that
// starts with '<', as a methods library XML. Anything else is refused.
LibraryReadResult ReadLibrary(const std::string& path, MethodLibrary& library);

// Every source: the libraries from last to first, so that a later one's
// method wins over an earlier one's of the same title, then the built-in set.
void LoadMethods(const MethodSources& sources, MethodLibrary& library, LoadReport& report);

}  // namespace tolvern::methods
