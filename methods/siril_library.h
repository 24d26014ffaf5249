// SIRIL method libraries: composition files whose definitions are methods,
// `Name = notation / comment`, in the folder of MethodLib or given by path.
// The stage comes from the file's `n BELLS` line, else from its extension.
#pragma once

#include <string>
#include <string_view>

#include "library_xml.h"
#include "method_library.h"

namespace tolvern::methods {

// The stage a composition file's extension names (".maj" is 8, any letter
// case), or 0 (".sir" and anything else).
int StageOfExtension(std::string_view extension);

// The stage of a composition's `n BELLS` line, its first statement (blank
// lines and comment lines before it are passed over), or 0.
int StageOfSirilText(std::string_view bytes);

// Every definition of `bytes` made only of place notation becomes a method
// titled by its name, split into words ("CambridgeSurpriseMajor" is
// "Cambridge Surprise Major"). Other definitions are passed over.
LibraryReadResult ReadSirilLibrary(std::string_view bytes, int stage, const std::string& source, MethodLibrary& library);

// A file, or every composition file of a folder in the order of their names.
LibraryReadResult ReadSirilLibraryPath(const std::string& path, MethodLibrary& library);

}  // namespace tolvern::methods
