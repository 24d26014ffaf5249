#include "documents.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace tolvern::app {

namespace {

const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

// The text of valid UTF-8 (as the command line and JSON judge it), or
// nothing. A byte order mark inside is kept as a character.
std::optional<QString> StrictUtf8(QByteArrayView bytes) {
  if (!IsValidUtf8(std::string_view(bytes.data(), static_cast<size_t>(bytes.size())))) return std::nullopt;
  QStringDecoder decoder(QStringConverter::Utf8,
                         QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

QString Latin1(QByteArrayView bytes) { return QString::fromLatin1(bytes); }

LineEnd FirstLineEnd(QByteArrayView bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') return LineEnd::Lf;
    if (bytes[i] == '\r') return (i + 1 < bytes.size() && bytes[i + 1] == '\n') ? LineEnd::CrLf : LineEnd::Cr;
  }
  return LineEnd::CrLf;
}

QByteArray LineEndBytes(LineEnd lineEnd) {
  switch (lineEnd) {
    case LineEnd::Lf: return "\n";
    case LineEnd::Cr: return "\r";
    case LineEnd::CrLf: break;
  }
  return "\r\n";
}

// Every line end of the text, of whatever kind, as '\n'.
QString WithNewlines(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QStringList SplitIntoLines(const QString& text) { return WithNewlines(text).split(QLatin1Char('\n')); }

QByteArray Encoded(const QString& line, TextEncoding encoding) {
  return encoding == TextEncoding::Latin1 ? line.toLatin1() : line.toUtf8();
}

}  // namespace

DocumentText NewDocument() { return DocumentText{}; }

DocumentText DecodeDocument(const QByteArray& bytes) {
  DocumentText document;
  QByteArrayView content(bytes);
  document.byteOrderMark = content.startsWith(Utf8ByteOrderMark);
  if (document.byteOrderMark) content = content.sliced(Utf8ByteOrderMark.size());

  const std::optional<QString> utf8 = StrictUtf8(content);
  // The mark says UTF-8; if the rest is not, every byte is shown, the mark too.
  if (!utf8 && document.byteOrderMark) {
    content = QByteArrayView(bytes);
    document.byteOrderMark = false;
  }
  document.encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::Latin1;
  document.lineEnd = FirstLineEnd(content);
  document.finalLineEnd = content.endsWith('\n') || content.endsWith('\r');

  document.text = WithNewlines(utf8 ? *utf8 : Latin1(content));
  if (document.finalLineEnd) document.text.chop(1);
  return document;
}

TextEncoding SavedEncoding(const QString& text, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8) return TextEncoding::Utf8;
  const bool beyondLatin1 = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0xFF; });
  return beyondLatin1 ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

QByteArray EncodeDocument(const DocumentText& document) {
  const TextEncoding encoding = SavedEncoding(document.text, document.encoding);
  const QByteArray lineEnd = LineEndBytes(document.lineEnd);
  QByteArray bytes;
  if (encoding == TextEncoding::Utf8 && document.byteOrderMark) bytes += Utf8ByteOrderMark;
  const QStringList lines = SplitIntoLines(document.text);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    bytes += Encoded(lines[i], encoding);
    if (i + 1 < lines.size() || document.finalLineEnd) bytes += lineEnd;
  }
  return bytes;
}

std::optional<DocumentText> ReadDocument(const QString& path) {
  if (QFileInfo(path).isDir()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return DecodeDocument(bytes);
}

bool WriteDocument(const QString& path, const DocumentText& document) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = EncodeDocument(document);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  // Only a complete file replaces the old one; a failure removes the
  // temporary file and leaves the old one as it was.
  return file.commit();
}

std::vector<std::string> EngineLines(const QString& text, TextEncoding encoding) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  const TextEncoding saved = SavedEncoding(text, encoding);
  for (const QString& line : SplitIntoLines(text)) {
    const QByteArray bytes = Encoded(line, saved);
    lines.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
  }
  return lines;
}

QString DecodeLine(std::string_view bytes, TextEncoding encoding) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  if (encoding == TextEncoding::Utf8)
    if (std::optional<QString> text = StrictUtf8(view)) return *text;
  return Latin1(view);
}

}  // namespace tolvern::app
