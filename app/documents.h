// Composition files as the editor sees them: text with '\n' between lines,
// and what is needed to write the file back as it came (its encoding, line
// end, final line end and byte order mark).
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "composition_file.h"

class QByteArray;

namespace tolvern::app {

enum class LineEnd { CrLf, Lf, Cr };

struct DocumentText {
  QString text;  // lines joined by '\n'
  TextEncoding encoding = TextEncoding::Utf8;
  LineEnd lineEnd = LineEnd::CrLf;
  bool finalLineEnd = true;  // the last line has a line end
  bool byteOrderMark = false;
};

// A new document: UTF-8, CRLF, each line followed by CRLF.
DocumentText NewDocument();

// Valid UTF-8 is read as UTF-8 (a byte order mark is remembered and left out
// of the text); anything else as Latin-1, one character per byte. The line
// end is the first one found, CRLF when there is none.
DocumentText DecodeDocument(const QByteArray& bytes);

// The encoding `text` will be saved in: a Latin-1 document that has gained a
// character beyond U+00FF becomes UTF-8, so nothing is lost.
TextEncoding SavedEncoding(const QString& text, TextEncoding encoding);

// The file's bytes. A document decoded from a file with one kind of line end
// and saved unchanged gives the same bytes back.
QByteArray EncodeDocument(const DocumentText& document);

// Nothing when the file cannot be read or is a folder.
std::optional<DocumentText> ReadDocument(const QString& path);

// Writes through a temporary file in the same folder that then replaces the
// file, so a failed write leaves the old file as it was. False on any failure.
bool WriteDocument(const QString& path, const DocumentText& document);

// The lines given to the prover, as bytes in the encoding the document will
// be saved in. An empty text has no lines.
std::vector<std::string> EngineLines(const QString& text, TextEncoding encoding);

// A line of the prover's output for showing: Latin-1 byte by byte, or UTF-8,
// where a line that is not valid UTF-8 is shown as Latin-1 rather than with
// bytes replaced.
QString DecodeLine(std::string_view bytes, TextEncoding encoding);

}  // namespace tolvern::app
