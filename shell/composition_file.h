// Composition files as bytes and lines, in plain C++: what the command line,
// tolvern-draw and the window's documents all read the same way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvern {

// The exit statuses of the programs that prove composition files.
enum ExitStatus { ExitTrue = 0, ExitNotTrue = 1, ExitErrors = 2, ExitUsage = 3 };

// A composition's text is UTF-8 when its bytes are valid UTF-8, else Latin-1,
// one character a byte.
enum class TextEncoding { Utf8, Latin1 };

// Well-formed UTF-8: no overlong forms, surrogates, or code points beyond
// U+10FFFF, and no sequence cut short at the end.
bool IsValidUtf8(std::string_view bytes);
TextEncoding EncodingOf(std::string_view bytes);

// All of a file's bytes ("-" for standard input); false when it cannot be
// read or is a folder.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// A composition file as lines (see SplitLines); false when it cannot be read.
bool ReadCompositionFile(const std::string& path, std::vector<std::string>& lines);

}  // namespace tolvern
