// The Central Council's methods library file (CCCBR_methods.xml), read with
// Expat as a stream: collection > methodSet (its properties: stage,
// classification, lengthOfLead, ...) > method (title, name, notation,
// leadHead, ...), in the namespace below.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "method_library.h"

namespace tolvern::methods {

inline constexpr std::string_view LibraryNamespace = "http://www.cccbr.org.uk/methods/schemas/2007/05/methods";

struct LibraryReadResult {
  size_t added = 0;       // methods added to the library
  size_t duplicates = 0;  // methods the library had already, from an earlier source
  size_t skipped = 0;     // methods TOLVERN cannot ring, or whose notation disagrees with their lead
  std::string firstSkipped;  // the first of them, and why
  std::string error;         // why the file was not read; then nothing was added
};

// Reads the file at `path` into `library`. A file that is not a methods
// library, is not well-formed, or declares entities adds nothing.
LibraryReadResult ReadLibraryXmlFile(const std::string& path, MethodLibrary& library);

// The same for bytes in memory; `source` names them in the methods and messages.
LibraryReadResult ReadLibraryXml(std::string_view bytes, const std::string& source, MethodLibrary& library);

}  // namespace tolvern::methods
