#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "gui_helpers.h"
#include "rows_model.h"
#include "rows_picture.h"
#include "rows_view.h"
#include "rows_window.h"

namespace tolvern::app {
namespace {

std::shared_ptr<RowsModel> Collect(const std::string& text, int64_t rowCap = RowsModel::DefaultRowCap) {
  return CollectRows(SplitLines(text), 16, nullptr, rowCap);
}

// The plain course of Plain Bob Minor, marked or not.
std::string PlainCourse(bool marked) {
  return std::string("6 BELLS\nT = 5 L\nL = ") + (marked ? "\"[PB]\", " : "") + "&x16x16x16,+12\n";
}

const char* Minimus = "4 BELLS\nT = 3 L\nL = &x14x14,+12\n";  // 24 rows, 3 leads

TEST(RowsModel, PlainCourseFallsIntoFiveLeadsByMarkersOrByTheTreble) {
  for (bool marked : {true, false}) {
    SCOPED_TRACE(marked ? "markers" : "treble");
    const auto model = Collect(PlainCourse(marked));
    EXPECT_EQ(model->Verdict(), "Touch is True");
    ASSERT_EQ(model->RowCount(), 61u);
    ASSERT_EQ(model->LeadCount(), 5u);
    const char* heads[] = {"123456", "135264", "156342", "164523", "142635"};
    for (size_t lead = 0; lead < 5; ++lead) {
      const LeadSpan span = model->Lead(lead);
      EXPECT_EQ(span.first, 12 * lead);
      EXPECT_EQ(span.last, 12 * lead + 12);  // the next lead head, below the rule
      EXPECT_TRUE(span.ruled);
      EXPECT_EQ(model->RowText(span.first), heads[lead]);
      EXPECT_EQ(span.method >= 0 ? model->MethodName(span.method) : "", marked ? "PB" : "");
    }
    EXPECT_EQ(model->RowText(60), "123456");
    EXPECT_EQ(model->LeadOf(30), 2u);
  }
}

TEST(RowsLayout, LeadsGoAcrossInBandsOfTheColumnsAsked) {
  const auto model = Collect(PlainCourse(true));
  const RowsLayout layout(*model, 3);
  ASSERT_EQ(layout.BandCount(), 2u);  // leads 0-2, then 3-4
  EXPECT_EQ(layout.EndLead(0), 3u);
  EXPECT_EQ(layout.EndLead(1), 5u);
  EXPECT_EQ(layout.BandOfLead(4), 1u);
  EXPECT_EQ(layout.ColumnOfLead(4), 1);
  // Each band: a heading line, 13 rows, a blank line.
  EXPECT_EQ(layout.BandTop(1), 15);
  EXPECT_EQ(layout.TotalLines(), 30);
  EXPECT_EQ(layout.BandAtLine(14), 0u);
  EXPECT_EQ(layout.BandAtLine(15), 1u);
  EXPECT_EQ(RowsLayout(*model, 10).BandCount(), 1u);
}

TEST(RowsModel, LeadsWithoutATrebleLeadEndGoOnInColumnsOfFourTimesTheStage) {
  // The treble leads at every other row, never at two running: no lead end.
  const auto model = Collect("5 BELLS\nT = 50 H\nH = +3.5\nCONFLICT =\n");
  ASSERT_EQ(model->RowCount(), 101u);
  EXPECT_EQ(model->LeadCount(), 5u);  // 20 rows a column
  EXPECT_FALSE(model->Lead(0).ruled);
  EXPECT_TRUE(model->Lead(1).continues);
  EXPECT_EQ(model->Lead(4).last, 100u);
}

TEST(RowsModel, FalseRowsMusicAndEveryOccurrence) {
  // The plain course twice over: every row of the second is false, and so
  // is its first occurrence.
  const auto twice = Collect("6 BELLS\nT = 2 C\nC = 5 L\nL = &x16x16x16,+12\nCONFLICT =\nMUSIC = \"----56\"\n");
  EXPECT_EQ(twice->Verdict(), "Touch is False in 60 rows");
  ASSERT_EQ(twice->RowCount(), 121u);
  for (size_t row = 0; row < twice->RowCount(); ++row) {
    EXPECT_EQ(twice->IsFalse(row), row > 0) << row;  // rounds before the first change is not rung
    const bool ends56 = twice->RowText(row).substr(4) == "56";
    EXPECT_EQ(twice->Music(row), row > 0 && ends56 ? "----56" : "") << row;
  }
  EXPECT_EQ(twice->Occurrences(7), (std::vector<size_t>{7, 67}));
  EXPECT_EQ(OccurrencesText(*twice, twice->Occurrences(0)), "Row 123456 rung 2 times: at changes 60 and 120");
}

TEST(RowsModel, AnEndlessTouchStopsAtTheRowCap) {
  RunControl control;
  const auto model = CollectRows(SplitLines("6 BELLS\nT = 2147483647 A\nA = 2147483647 L\nL = &x16x16x16,+12\n"
                                            "CONFLICT =\n"),
                                 12, &control, 100000);
  EXPECT_TRUE(model->CutShort());
  EXPECT_EQ(model->RowCount(), 100001u);
  EXPECT_EQ(model->Result().outcome, ProofOutcome::Stopped);
  EXPECT_EQ(model->Verdict(), "Proof stopped: the rows view holds at most 100000 rows");
  EXPECT_LT(model->BytesHeld(), model->RowCount() * 16);
}

TEST(RowsModel, ARefusedTextHasNoRowsAndSaysItsFirstError) {
  const auto model = Collect("4 BELLS\nT = L Q\nL = &x14x14,+12\n");
  EXPECT_EQ(model->RowCount(), 0u);
  EXPECT_EQ(model->LeadCount(), 0u);
  EXPECT_EQ(model->Verdict().rfind("Errors found: One or more undefined names", 0), 0u) << model->Verdict();
}

class RowsViewTest : public ::testing::Test {
 protected:
  void Show(const std::string& text) {
    view.resize(700, 500);
    view.SetModel(Collect(text));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  void ClickRow(size_t row, int position, Qt::KeyboardModifiers modifiers = {}) {
    view.ScrollToRow(row);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.ViewportPointOf(row, position));
  }
  RowsView view;
};

TEST_F(RowsViewTest, ClickingABellTogglesItsLine) {
  Show(PlainCourse(true));
  EXPECT_GT(view.Columns(), 1);
  EXPECT_TRUE(view.Style().lines.Has(0));
  EXPECT_TRUE(view.Style().lines.Has(1));
  // Bell 5, wherever it rings at change 30, and again at change 50.
  const int position = static_cast<int>(view.Model()->RowText(30).find('5'));
  const auto hit = view.HitAt(view.ViewportPointOf(30, position));
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->row, 30u);
  EXPECT_EQ(hit->bell, 4);
  ClickRow(30, position);
  EXPECT_TRUE(view.Style().lines.Has(4));
  EXPECT_EQ(view.Style().lines.Lines().back().bell, 4);
  ClickRow(50, static_cast<int>(view.Model()->RowText(50).find('5')));
  EXPECT_FALSE(view.Style().lines.Has(4));
  EXPECT_TRUE(view.Style().lines.Has(1));
}

TEST_F(RowsViewTest, ClickingAFalseRowMarksEveryOccurrence) {
  Show("6 BELLS\nT = 2 C\nC = 5 L\nL = &x16x16x16,+12\nCONFLICT =\n");
  QSignalSpy messages(&view, &RowsView::messageChanged);
  ClickRow(67, 2);
  ASSERT_EQ(messages.count(), 1);
  EXPECT_EQ(messages.at(0).at(0).toString(), "Row " + QString::fromStdString(view.Model()->RowText(7)) +
                                                  " rung 2 times: at changes 7 and 67");
  EXPECT_EQ(view.Style().highlighted, view.Model()->Row(7));
  EXPECT_EQ(view.Style().lines.Lines().size(), 2u);  // no line toggled
  ClickRow(67, 2, Qt::ShiftModifier);                // Shift toggles even here
  EXPECT_EQ(view.Style().lines.Lines().size(), 3u);
}

// Counts the elements of an SVG file: paths by stroke colour, and texts that
// are rows (bell symbols and the blanks where lines run).
struct SvgCount {
  std::map<QString, int> pathsByStroke;
  int rows = 0;
  bool wellFormed = false;
};

SvgCount CountSvg(const QString& path, int stage) {
  QFile file(path);
  SvgCount count;
  if (!file.open(QIODevice::ReadOnly)) return count;
  QXmlStreamReader xml(&file);
  QString stroke;
  const QRegularExpression row(QStringLiteral("^[0-9ETabcd ]{%1}$").arg(stage));
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("g")) stroke = xml.attributes().value("stroke").toString();
    if (xml.name() == QLatin1String("path")) ++count.pathsByStroke[stroke];
    if (xml.name() == QLatin1String("text") && row.match(xml.readElementText()).hasMatch()) ++count.rows;
  }
  count.wellFormed = !xml.hasError();
  return count;
}

TEST(RowsSvg, OnePathABellAndEveryRowOfEveryLead) {
  const auto model = Collect(Minimus);
  ASSERT_EQ(model->LeadCount(), 3u);
  QTemporaryDir folder;
  PictureStyle style;
  style.font = RowsFont();
  style.title = PictureTitle(*model);
  const QString path = folder.filePath("rows.svg");
  ASSERT_TRUE(WriteSvg(path, *model, 2, style));
  SvgCount count = CountSvg(path, 4);
  EXPECT_TRUE(count.wellFormed);
  // 25 rows with rounds, and the two lead heads shown again below the lead ends.
  EXPECT_EQ(count.rows, 27);
  EXPECT_EQ(count.pathsByStroke, (std::map<QString, int>{{"#dc1e1e", 1}, {"#1e46dc", 1}}));

  style.lines.Toggle(3);
  style.lines.Toggle(0);
  ASSERT_TRUE(WriteSvg(path, *model, 3, style));
  count = CountSvg(path, 4);
  EXPECT_EQ(count.rows, 27);
  EXPECT_EQ(count.pathsByStroke.size(), 2u);
  EXPECT_EQ(count.pathsByStroke.count("#1e46dc"), 1u);
  EXPECT_FALSE(WriteSvg(folder.filePath("no/such/folder/rows.svg"), *model, 3, style));
}

TEST(RowsWindowTest, SavesAndPrintsWhatItShows) {
  testing::ScriptedDialogs dialogs;
  RowsWindow window(dialogs);
  EXPECT_EQ(window.windowTitle(), "TOLVERN - Rows");
  window.ShowRows(Collect(Minimus));
  EXPECT_EQ(window.HeaderText(), "24 rows. Touch is True");

  QTemporaryDir folder;
  dialogs.fileChoices.push_back(FileChoice{folder.filePath("a.svg"), 1});
  dialogs.fileChoices.push_back(FileChoice{folder.filePath("a.png"), 1});
  dialogs.fileChoices.push_back(FileChoice{folder.filePath("missing/b.png"), 1});
  window.SaveSvg();
  window.SavePng();
  window.SavePng();
  EXPECT_EQ(CountSvg(folder.filePath("a.svg"), 4).rows, 27);
  EXPECT_FALSE(QImage(folder.filePath("a.png")).isNull());
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "Cannot create file " + folder.filePath("missing/b.png") + ".");
  EXPECT_EQ(dialogs.fileDialogs[0].defaultSuffix, "svg");

  dialogs.printAnswers = {true};
  dialogs.printToFile = folder.filePath("rows.pdf");
  window.Print();
  QFile pdf(dialogs.printToFile);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

}  // namespace
}  // namespace tolvern::app
