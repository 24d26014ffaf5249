// The document and the proof controller, each without the window.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "document.h"
#include "editor_page.h"
#include "gui_helpers.h"
#include "proof_controller.h"

namespace tolvern::app {
namespace {

using testing::WaitFor;

ProofRequest RequestFor(const std::string& text, bool rows) {
  ProofRequest request;
  request.lines = SplitLines(text);
  request.collectRows = rows;
  return request;
}

TEST(ProofController, OneProofBringsPagesAndRowsAndKnowsWhenTheTextMovedOn) {
  bool asYouType = false;
  ProofController proofs({}, [] { return ProofRequest(); }, [&] { return asYouType; }, [] { return true; });
  std::shared_ptr<const ProofResult> shown;
  bool current = false;
  QObject::connect(&proofs, &ProofController::Finished,
                   [&](ProofController::Kind, std::shared_ptr<const ProofResult> result, bool isCurrent) {
                     shown = std::move(result);
                     current = isCurrent;
                   });
  proofs.Start(ProofController::Kind::Command, RequestFor("6 BELLS\nT = 5 L\nL = &x16x16x16,+12\n", true));
  EXPECT_TRUE(proofs.CommandRunning());
  proofs.TextChanged();  // typed while it ran
  ASSERT_TRUE(WaitFor([&] { return shown != nullptr; }));
  EXPECT_FALSE(current);
  EXPECT_FALSE(proofs.OutputCurrent());
  EXPECT_FALSE(proofs.CommandRunning());
  ASSERT_NE(shown->rows, nullptr);
  EXPECT_EQ(shown->rows->RowCount(), 61u);  // rounds and every change, from the same proof
  EXPECT_EQ(shown->rows->Verdict(), "Touch is True");
  EXPECT_FALSE(shown->proof.utf8.isEmpty());
}

TEST(ProofController, ANewerProofDropsTheOlderAndAsYouTypeWaitsForThePause) {
  bool asYouType = true;
  int requests = 0;
  ProofController proofs({}, [&] { ++requests; return RequestFor("4 BELLS\nT = 3 L\nL = &x14x14,+12\n", false); },
                         [&] { return asYouType; }, [] { return true; });
  QSignalSpy finished(&proofs, &ProofController::Finished);
  proofs.Start(ProofController::Kind::Command,
               RequestFor("6 BELLS\nT = 2147483647 L\nL = &x16x16x16,+12\nCONFLICT =\n", false));
  proofs.Start(ProofController::Kind::Command, RequestFor("4 BELLS\nT = 3 L\nL = &x14x14,+12\n", false));
  ASSERT_TRUE(WaitFor([&] { return finished.count() == 1; }));
  QTest::qWait(100);
  EXPECT_EQ(finished.count(), 1);  // the endless one was stopped and never shown
  EXPECT_EQ(requests, 0);
  proofs.TextChanged();
  proofs.TextChanged();
  ASSERT_TRUE(WaitFor([&] { return finished.count() == 2; }));
  EXPECT_EQ(requests, 1);  // one proof for the pause after the last change
  EXPECT_TRUE(proofs.OutputCurrent());
}

TEST(Document, SaveAsWritesTheTextAndTheDocumentFollows) {
  QTemporaryDir folder;
  testing::ScriptedDialogs dialogs;
  EditorPage input(QStringLiteral("Input"));
  Document document(dialogs, nullptr, &input);
  QSignalSpy said(&document, &Document::Said);
  document.New();
  input.SetPlainText(QStringLiteral("4 BELLS\nT = \"\u00e9\""));
  document.SetModified(true);
  EXPECT_TRUE(document.Modified());
  const QString path = folder.filePath("touch.sir");
  dialogs.fileChoices.push_back(FileChoice{path, 13});
  EXPECT_FALSE(document.AskToSave());  // answered Cancel: nothing written
  EXPECT_FALSE(QFile::exists(path));
  dialogs.answers.push_back(Dialogs::Answer::Yes);
  ASSERT_TRUE(document.AskToSave());  // a new document: Save As
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(document.FileName(), path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("4 BELLS\r\nT = \"\xC3\xA9\"\r\n"));
  ASSERT_EQ(said.count(), 1);
  EXPECT_EQ(said.at(0).at(0).toString(), QStringLiteral("Saved file: ") + path);
  EXPECT_EQ(dialogs.fileDialogs.back().defaultSuffix, QStringLiteral("sir"));
}

}  // namespace
}  // namespace tolvern::app
