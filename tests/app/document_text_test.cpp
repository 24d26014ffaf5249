#include "document_text.h"
#include "stage_filters.h"
#include "user_input.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>

namespace tolvern::app {
namespace {

QByteArray Bytes(const char* text) { return QByteArray(text); }
QByteArray Bytes(const char* text, qsizetype size) { return QByteArray(text, size); }

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll();
}

using testing::WriteBytes;

struct RoundTrip {
  QByteArray bytes;
  TextEncoding encoding;
  LineEnd lineEnd;
  bool finalLineEnd;
  bool byteOrderMark;
  QString text;
};

TEST(Documents, FilesComeBackByteForByte) {
  const QString cafe = QString::fromUtf8("caf\xC3\xA9");
  const RoundTrip cases[] = {
      {Bytes("8 BELLS\r\nT = \"caf\xE9\"\r\n"), TextEncoding::Latin1, LineEnd::CrLf, true, false,
       "8 BELLS\nT = \"" + cafe + "\""},
      {Bytes("8 BELLS\nT = \"caf\xE9\""), TextEncoding::Latin1, LineEnd::Lf, false, false, "8 BELLS\nT = \"" + cafe + "\""},
      {Bytes("caf\xE9\r\r"), TextEncoding::Latin1, LineEnd::Cr, true, false, cafe + "\n"},
      {Bytes("caf\xC3\xA9\r\nx\r\n"), TextEncoding::Utf8, LineEnd::CrLf, true, false, cafe + "\nx"},
      {Bytes("caf\xC3\xA9\n\n"), TextEncoding::Utf8, LineEnd::Lf, true, false, cafe + "\n"},
      {Bytes("caf\xC3\xA9\rx"), TextEncoding::Utf8, LineEnd::Cr, false, false, cafe + "\nx"},
      {Bytes("\xEF\xBB\xBF" "caf\xC3\xA9\r\n"), TextEncoding::Utf8, LineEnd::CrLf, true, true, cafe},
      {Bytes("\xEF\xBB\xBF\xEF\xBB\xBFx"), TextEncoding::Utf8, LineEnd::CrLf, false, true, QString(QChar(0xFEFF)) + "x"},
      // A mark before bytes that are not UTF-8 is shown as what it is.
      {Bytes("\xEF\xBB\xBF" "caf\xE9\n"), TextEncoding::Latin1, LineEnd::Lf, true, false,
       QString::fromLatin1("\xEF\xBB\xBF" "caf\xE9")},
      // A sequence cut short, an overlong one and a NUL are kept as bytes.
      {Bytes("ab\xC3"), TextEncoding::Latin1, LineEnd::CrLf, false, false, QString::fromLatin1("ab\xC3")},
      {Bytes("\xC0\xAF\n"), TextEncoding::Latin1, LineEnd::Lf, true, false, QString::fromLatin1("\xC0\xAF")},
      {Bytes("a\0b\xFF\n", 5), TextEncoding::Latin1, LineEnd::Lf, true, false, QString::fromLatin1("a\0b\xFF", 4)},
      {Bytes("plain"), TextEncoding::Utf8, LineEnd::CrLf, false, false, "plain"},
      {Bytes(""), TextEncoding::Utf8, LineEnd::CrLf, false, false, ""},
      {Bytes("\r\n"), TextEncoding::Utf8, LineEnd::CrLf, true, false, ""},
  };
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.bytes.toHex(' ').toStdString());
    const DocumentText document = DecodeDocument(c.bytes);
    EXPECT_EQ(document.encoding, c.encoding);
    EXPECT_EQ(document.lineEnd, c.lineEnd);
    EXPECT_EQ(document.finalLineEnd, c.finalLineEnd);
    EXPECT_EQ(document.byteOrderMark, c.byteOrderMark);
    EXPECT_EQ(document.text, c.text);
    EXPECT_EQ(EncodeDocument(document), c.bytes);
  }

  // Mixed line ends: all are lines; the first kind is kept for saving.
  const DocumentText mixed = DecodeDocument("a\nb\r\nc\rd");
  EXPECT_EQ(mixed.text, "a\nb\nc\nd");
  EXPECT_EQ(EncodeDocument(mixed), "a\nb\nc\nd");
}

TEST(Documents, ANewDocumentIsUtf8WithCrLfAfterEveryLine) {
  DocumentText document = NewDocument();
  EXPECT_EQ(document.encoding, TextEncoding::Utf8);
  EXPECT_FALSE(document.byteOrderMark);
  document.text = QString::fromUtf8("8 BELLS\nT = \"\xE2\x82\xAC\"");
  EXPECT_EQ(EncodeDocument(document), "8 BELLS\r\nT = \"\xE2\x82\xAC\"\r\n");
}

TEST(Documents, ALatin1DocumentGainingAnEuroIsSavedAsUtf8) {
  DocumentText document = DecodeDocument("T = \"caf\xE9\"\r\n");
  ASSERT_EQ(document.encoding, TextEncoding::Latin1);
  EXPECT_EQ(SavedEncoding(document.text, document.encoding), TextEncoding::Latin1);
  document.text += QString::fromUtf8(" \xE2\x82\xAC");
  EXPECT_EQ(SavedEncoding(document.text, document.encoding), TextEncoding::Utf8);

  const QByteArray saved = EncodeDocument(document);
  EXPECT_EQ(saved, "T = \"caf\xC3\xA9\" \xE2\x82\xAC\r\n");
  const DocumentText reopened = DecodeDocument(saved);
  EXPECT_EQ(reopened.encoding, TextEncoding::Utf8);
  EXPECT_EQ(reopened.text, document.text);
}

TEST(Documents, WritesAndReadsFiles) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("touch.maj");
  const QByteArray bytes("8 BELLS\rT = \"caf\xE9\"\r");
  ASSERT_TRUE(WriteBytes(path, bytes));

  std::optional<DocumentText> document = ReadDocument(path);
  ASSERT_TRUE(document);
  EXPECT_EQ(document->encoding, TextEncoding::Latin1);
  ASSERT_TRUE(WriteDocument(path, *document));
  EXPECT_EQ(FileBytes(path), bytes);

  document->text += "\nmore";
  ASSERT_TRUE(WriteDocument(path, *document));
  EXPECT_EQ(FileBytes(path), "8 BELLS\rT = \"caf\xE9\"\rmore\r");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"touch.maj"});  // no temporary file left

  EXPECT_FALSE(ReadDocument(folder.filePath("missing.maj")));
  EXPECT_FALSE(ReadDocument(folder.path()));
}

// Runs as root too, where permissions do not stop a write.
TEST(Documents, AFailedSaveLeavesTheOldFileIntact) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("old.maj");
  const QByteArray old("8 BELLS\r\nold text\r\n");
  ASSERT_TRUE(WriteBytes(path, old));
  DocumentText document = NewDocument();
  document.text = QString(20000, QLatin1Char('x'));

  EXPECT_FALSE(WriteDocument(folder.path(), document));        // a folder
  EXPECT_FALSE(WriteDocument(path + "/inside.maj", document));  // inside a file
  EXPECT_FALSE(WriteDocument(folder.filePath("none/new.maj"), document));

  // A disk that fills up mid-write: the process may write no more than 4 KiB
  // to any file.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteDocument(path, document);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);

  EXPECT_EQ(FileBytes(path), old);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.maj"});
}

TEST(Documents, EngineLinesAreBytesInTheSavedEncoding) {
  const QString text = QString::fromUtf8("T = \"caf\xC3\xA9\"\n\nend");
  EXPECT_EQ(EngineLines(text, TextEncoding::Latin1), (std::vector<std::string>{"T = \"caf\xE9\"", "", "end"}));
  EXPECT_EQ(EngineLines(text, TextEncoding::Utf8), (std::vector<std::string>{"T = \"caf\xC3\xA9\"", "", "end"}));
  // Once a character has no Latin-1 byte, every line goes as UTF-8.
  EXPECT_EQ(EngineLines(text + QString::fromUtf8("\xE2\x82\xAC\n"), TextEncoding::Latin1),
            (std::vector<std::string>{"T = \"caf\xC3\xA9\"", "", "end\xE2\x82\xAC", ""}));
  EXPECT_EQ(EngineLines("a\r\nb\rc", TextEncoding::Utf8), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(EngineLines("", TextEncoding::Utf8).empty());
  EXPECT_EQ(EngineLines(QString::fromLatin1("a\0b", 3), TextEncoding::Latin1), std::vector<std::string>{std::string("a\0b", 3)});

  const QString e = QString(QChar(0xE9));
  EXPECT_EQ(DecodeLine("caf\xE9", TextEncoding::Latin1), "caf" + e);
  EXPECT_EQ(DecodeLine("caf\xC3\xA9", TextEncoding::Utf8), "caf" + e);
  EXPECT_EQ(DecodeLine("caf\xE9", TextEncoding::Utf8), "caf" + e);  // not UTF-8: shown byte by byte
  EXPECT_EQ(DecodeLine(std::string_view("\xC3\xA9\0", 3), TextEncoding::Utf8), e + QChar(0));
}

}  // namespace
}  // namespace tolvern::app

namespace tolvern::app {
namespace {

// The desktop's file type and the Open filters list the same extensions.
TEST(Documents, TheDesktopFileTypeHasEveryFilterExtension) {
  QFile xml(QStringLiteral(TOLVERN_SOURCE "/app/desktop/tolvern-siril.xml"));
  ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(xml.readAll());
  QStringList globs;
  const QRegularExpression glob(QStringLiteral("<glob pattern=\"\\*\\.([a-z]+)\"/>"));
  for (auto match = glob.globalMatch(text); match.hasNext();) globs << match.next().captured(1);
  QStringList filters;
  for (int filter = 1; filter < AllFilter; ++filter) filters << FilterExtension(filter);
  EXPECT_EQ(globs, filters);
  EXPECT_EQ(StageFilterOf(QStringLiteral("/a/B.MAJ")), 4);
  EXPECT_EQ(StageFilterOf(QStringLiteral("b.txt")), AllFilter);
}

}  // namespace
}  // namespace tolvern::app
