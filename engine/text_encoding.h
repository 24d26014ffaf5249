// Composition files are UTF-8 or Latin-1, and their bytes are kept as they
// are; only a front end that shows or exports text turns them into Unicode.
// A text is read as UTF-8 when all of it is valid UTF-8, else as Latin-1, and
// each line of its pages the same way: a page line that is not valid UTF-8
// (a string cut inside a character) is read as Latin-1, never replaced.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tolvern {

// A composition's text is UTF-8 when its bytes are valid UTF-8, else Latin-1,
// one character a byte.
enum class TextEncoding { Utf8, Latin1 };

bool IsAscii(std::string_view bytes);
// Well-formed UTF-8: no overlong forms, surrogates, or code points beyond
// U+10FFFF, and no sequence cut short at the end.
bool IsValidUtf8(std::string_view bytes);
// The encoding of a text split into lines (line ends are ASCII).
TextEncoding EncodingOfLines(std::span<const std::string> lines);

// Each byte as the Latin-1 character of its value, in UTF-8.
void AppendLatin1AsUtf8(std::string& out, std::string_view bytes);

// Appends one line of a text (or of its pages) as UTF-8, read as the text is
// read: as it is in a UTF-8 text when the line is valid UTF-8, else as Latin-1.
void AppendLineAsUtf8(std::string& out, std::string_view line, TextEncoding encoding);

}  // namespace tolvern
