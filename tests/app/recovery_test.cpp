#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>

#include <spawn.h>
#include <sys/wait.h>

#include "editor_page.h"
#include "gui_helpers.h"
#include "recovery.h"

extern char** environ;

namespace tolvern::app {
namespace testing {

// A window that types `text` at the start of `file` ("-": a new document) and
// runs until it is killed.
int RunRecoveryChild(const QString& file, const QString& text) {
  ScriptedDialogs dialogs;
  MainWindow window(dialogs);
  if (file != QStringLiteral("-")) window.OpenAtStart(file);
  window.show();
  if (!WaitFor([&] { return window.SettingsRead(); })) return 2;
  if (file == QStringLiteral("-")) window.New1Click();
  window.input()->setCursorPosition(0, 0);
  TypeKeys(window.input(), text);
  return QCoreApplication::exec();
}

}  // namespace testing

namespace {

using Answer = Dialogs::Answer;
using testing::ScriptedDialogs;
using testing::WaitFor;

using testing::ReadBytes;
using testing::WriteBytes;

// Started as the cross-check starts its prover: QProcess would spoil what
// ThreadSanitizer knows of this thread (see cross_check.cpp).
pid_t StartChild(const QStringList& arguments) {
  std::vector<QByteArray> bytes;
  for (const QString& argument : arguments) bytes.push_back(QFile::encodeName(argument));
  std::vector<char*> argv;
  for (QByteArray& argument : bytes) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  return ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

QStringList CopyFiles() { return QDir(RecoveryFolder()).entryList({QStringLiteral("*.rec")}, QDir::Files); }

// The bytes each copy on disk would save.
QList<QByteArray> CopiesOnDisk() {
  QList<QByteArray> copies;
  for (const QString& name : CopyFiles())
    if (std::optional<RecoveryCopy> copy = DecodeRecovery(ReadBytes(QDir(RecoveryFolder()).filePath(name))))
      copies << EncodeDocument(copy->text);
  return copies;
}

// The questions asked (a start folder without TOLVERN.INI also has its error box).
QStringList Questions(const ScriptedDialogs& dialogs) {
  QStringList questions;
  for (const testing::ShownBox& box : dialogs.boxes)
    if (box.kind == QStringLiteral("Confirm")) questions << box.title + QStringLiteral(": ") + box.text;
  return questions;
}

QByteArray Saved(MainWindow& window) { return EncodeDocument(window.document().Snapshot()); }

struct Window {
  explicit Window(std::initializer_list<Answer> answers = {}) {
    for (Answer answer : answers) dialogs.answers.push_back(answer);
  }
  void Show() {
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.SettingsRead(); }));
  }
  void Type(const QString& text) {
    window.input()->setCursorPosition(0, 0);
    testing::TypeKeys(window.input(), text);
  }
  // The copy of the last change, on disk now.
  void CopyNow() {
    window.document().Recovery().WriteNow();
    window.document().Recovery().Wait();
  }
  ScriptedDialogs dialogs;
  MainWindow window{dialogs};
};

class Recovery : public testing::WindowFixture {
 protected:
  void TearDown() override {
    QDir(RecoveryFolder()).removeRecursively();
    WindowFixture::TearDown();
  }
  QString Path(const QString& name) const { return folder.filePath(name); }
};

const QByteArray Latin1CrTouch = "4 BELLS\rT = \"caf\xE9\", L\rL = &x14x14,+12\r";

TEST(RecoveryCopy, KeepsTheBytesSaveWouldWrite) {
  const DocumentText texts[] = {
      {QString::fromUtf8("4 BELLS\nT = \"café\""), TextEncoding::Latin1, LineEnd::Cr, true, false},
      // Latin-1 whose bytes happen to be valid UTF-8: only the copy's header tells.
      {QString::fromUtf8("Ã©"), TextEncoding::Latin1, LineEnd::CrLf, true, false},
      {QString::fromUtf8("4 BELLS\nT = \"Ω\"\n"), TextEncoding::Utf8, LineEnd::CrLf, true, true},
      {QStringLiteral("a\n\nb"), TextEncoding::Utf8, LineEnd::Lf, false, false},
      {QString(), TextEncoding::Utf8, LineEnd::CrLf, true, false},
  };
  for (const DocumentText& text : texts) {
    const RecoveryCopy copy{QString::fromUtf8("/songs/100% true\n%0A é.maj"), QDateTime::currentDateTimeUtc(), text};
    const QByteArray bytes = EncodeRecovery(copy);
    const std::optional<RecoveryCopy> back = DecodeRecovery(bytes);
    ASSERT_TRUE(back) << text.text.toStdString();
    EXPECT_EQ(back->fileName, copy.fileName);
    EXPECT_EQ(back->changed, copy.changed);
    EXPECT_EQ(back->text.text, text.text);
    EXPECT_EQ(EncodeDocument(back->text), EncodeDocument(text));
    EXPECT_FALSE(DecodeRecovery(bytes.chopped(1))) << "a cut copy is not one";
  }
}

TEST_F(Recovery, TypingLeavesACopyThatEveryCleanEndRemoves) {
  const QString path = Path("touch.min");
  ASSERT_TRUE(WriteBytes(path, Latin1CrTouch));
  Window first({Answer::No, Answer::No, Answer::No});
  first.window.OpenAtStart(path);
  first.Show();
  EXPECT_TRUE(CopyFiles().isEmpty());

  // Written by itself once typing pauses, in the data folder only.
  first.Type("/ ");
  ASSERT_TRUE(WaitFor([] { return !CopyFiles().isEmpty(); }, 20000));
  first.window.document().Recovery().Wait();
  EXPECT_EQ(CopiesOnDisk(), QList<QByteArray>{"/ " + Latin1CrTouch});
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"touch.min"});

  const auto endsTheCopy = [&](const char* how, const std::function<void()>& end) {
    first.Type("x");
    first.CopyNow();
    ASSERT_EQ(CopyFiles().size(), 1) << how;
    end();
    first.window.document().Recovery().Wait();
    EXPECT_TRUE(CopyFiles().isEmpty()) << how;
  };
  endsTheCopy("Save", [&] { ASSERT_TRUE(first.window.Save1Click()); });
  endsTheCopy("New, not saving", [&] { first.window.New1Click(); });
  first.dialogs.fileChoices.push_back(FileChoice{path, 2});
  endsTheCopy("Open, not saving", [&] { first.window.OpenCompositionFile(2); });
  endsTheCopy("close, not saving", [&] { EXPECT_TRUE(first.window.close()); });

  // Cancelling the question keeps both the window and the copy; Yes saves, and the copy goes.
  Window second({Answer::Cancel, Answer::Yes});
  second.window.OpenAtStart(path);
  second.Show();
  second.Type("y");
  second.CopyNow();
  EXPECT_FALSE(second.window.close());
  EXPECT_EQ(CopyFiles().size(), 1);
  EXPECT_TRUE(second.window.close());
  second.window.document().Recovery().Wait();
  EXPECT_TRUE(CopyFiles().isEmpty());
  EXPECT_EQ(ReadBytes(path), "yx/ " + Latin1CrTouch);  // as the first window saved it, and "y"
}

TEST_F(Recovery, TwoWindowsKeepACopyEachAndOfferNeither) {
  Window a, b;
  for (Window* window : {&a, &b}) {
    window->Show();
    window->window.New1Click();
  }
  a.Type("A");
  b.Type("B");
  a.CopyNow();
  b.CopyNow();
  QList<QByteArray> copies = CopiesOnDisk();
  std::sort(copies.begin(), copies.end());
  EXPECT_EQ(copies, (QList<QByteArray>{"A\r\n", "B\r\n"}));
  EXPECT_NE(a.window.document().Recovery().Path(), b.window.document().Recovery().Path());
  EXPECT_TRUE(FindLeftRecoveries().empty()) << "both owners are alive";
}

TEST_F(Recovery, ALeftCopyIsOfferedUntilTakenOrRemoved) {
  ASSERT_TRUE(QDir().mkpath(RecoveryFolder()));
  const QString path = Path("peal.maj");
  const RecoveryCopy copy{path, QDateTime::currentDateTimeUtc(),
                          DocumentText{QStringLiteral("8 BELLS"), TextEncoding::Utf8, LineEnd::Lf, true, false}};
  ASSERT_TRUE(WriteBytes(QDir(RecoveryFolder()).filePath("1-1.rec"), EncodeRecovery(copy)));
  const QString question =
      "Recover the unsaved composition " + path + ", last changed " + RecoveryTime(copy.changed) + "?";

  Window cancelled({Answer::Cancel});
  cancelled.Show();
  EXPECT_EQ(Questions(cancelled.dialogs), QStringList{"Confirm: " + question});
  EXPECT_TRUE(cancelled.window.pages()->isHidden());
  EXPECT_EQ(CopyFiles(), QStringList{"1-1.rec"});

  Window declined({Answer::No});
  declined.Show();
  EXPECT_EQ(Questions(declined.dialogs).size(), 1);
  EXPECT_TRUE(CopyFiles().isEmpty());

  Window later;
  later.Show();
  EXPECT_TRUE(Questions(later.dialogs).isEmpty());
}

// A window killed after typing: the next start offers its text back, byte
// for byte, as an unsaved document that keeps its file name.
TEST_F(Recovery, AKilledWindowsTextComesBackByteForByte) {
  struct Case {
    const char* name;
    QByteArray file;  // empty: a new document
    QString typed;
    QByteArray expected;
  };
  const Case cases[] = {
      {"Latin-1 with CR", Latin1CrTouch, QString::fromUtf8("/ é "), "/ \xE9 " + Latin1CrTouch},
      {"new document", {}, QString::fromUtf8("4 BELLS / Ω"), "4 BELLS / \xCE\xA9\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = c.file.isEmpty() ? QString() : Path("killed.min");
    if (!path.isEmpty()) {
      ASSERT_TRUE(WriteBytes(path, c.file));
    }
    const pid_t child = StartChild({QCoreApplication::applicationFilePath(), QStringLiteral("--recovery-child"),
                                    path.isEmpty() ? QStringLiteral("-") : path, c.typed});
    ASSERT_GT(child, 0);
    const bool copied = WaitFor([&] { return CopiesOnDisk() == QList<QByteArray>{c.expected}; }, 60000);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(copied);
    ASSERT_TRUE(WIFSIGNALED(status));

    Window next({Answer::Yes, Answer::Yes});
    next.Show();
    const QStringList questions = Questions(next.dialogs);
    ASSERT_EQ(questions.size(), 1);
    const QString name = path.isEmpty() ? QStringLiteral("NEW FILE") : path;
    EXPECT_TRUE(questions[0].startsWith("Confirm: Recover the unsaved composition " + name + ", last changed "));
    EXPECT_EQ(Saved(next.window), c.expected);
    EXPECT_TRUE(next.window.Modified());
    EXPECT_EQ(next.window.FileName(), path);
    EXPECT_EQ(next.window.windowTitle(),
              (path.isEmpty() ? QStringLiteral("TOLVERN") : "TOLVERN - " + path) + " (recovered, not saved)");
    ASSERT_EQ(next.window.MemoLines().size(), 1);
    EXPECT_TRUE(next.window.MemoLines()[0].startsWith("Recovered unsaved composition: " + name + ", last changed "));
    // Its own copy replaces the one it came from.
    EXPECT_EQ(CopyFiles(), QStringList{QFileInfo(next.window.document().Recovery().Path()).fileName()});

    if (path.isEmpty()) {
      continue;
    }
    // Save asks before it writes over the file, which may have changed since.
    ASSERT_TRUE(next.window.Save1Click());
    EXPECT_EQ(next.dialogs.boxes.back().text, "Replace the file " + path + " with the recovered composition?");
    EXPECT_EQ(ReadBytes(path), c.expected);
    EXPECT_EQ(next.window.windowTitle(), "TOLVERN - " + path);
    next.window.document().Recovery().Wait();
    EXPECT_TRUE(CopyFiles().isEmpty());
  }
}

}  // namespace
}  // namespace tolvern::app
