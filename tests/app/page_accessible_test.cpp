// The window as a screen reader reads it, through the interfaces Qt hands
// out: pages read when accessibility comes on after the window is built,
// offsets on text beyond ASCII, the events a page sends, and names.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <vector>

#include "document_text.h"
#include "editor_page.h"
#include "gui_helpers.h"
#include "page_text.h"
#include "rows_view.h"
#include "rows_window.h"

namespace tolvern::app {
namespace {

struct TextEvent {
  QObject* object;
  QAccessible::Event type;
  int position;  // of the change, the caret, or the selection's start
  int end;       // of the selection
  QString removed;
  QString inserted;
};

std::vector<TextEvent> recorded;

void Record(QAccessibleEvent* event) {
  TextEvent seen{event->object(), event->type(), -1, -1, {}, {}};
  switch (event->type()) {
    case QAccessible::TextInserted: {
      const auto* insert = static_cast<QAccessibleTextInsertEvent*>(event);
      seen.position = insert->changePosition();
      seen.inserted = insert->textInserted();
      break;
    }
    case QAccessible::TextRemoved: {
      const auto* remove = static_cast<QAccessibleTextRemoveEvent*>(event);
      seen.position = remove->changePosition();
      seen.removed = remove->textRemoved();
      break;
    }
    case QAccessible::TextUpdated: {
      const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
      seen.position = update->changePosition();
      seen.removed = update->textRemoved();
      seen.inserted = update->textInserted();
      break;
    }
    case QAccessible::TextCaretMoved:
      seen.position = static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
      break;
    case QAccessible::TextSelectionChanged: {
      const auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
      seen.position = selection->selectionStart();
      seen.end = selection->selectionEnd();
      break;
    }
    default: return;
  }
  recorded.push_back(seen);
}

// Accessibility turned on as a screen reader's arrival turns it on: by the
// platform's switch (QAccessible::setActive only tells observers). The text
// events Qt would hand the platform are recorded instead.
class ScreenReader {
 public:
  ScreenReader() {
    Platform()->setActive(true);
    previous_ = QAccessible::installUpdateHandler(&Record);
  }
  ~ScreenReader() {
    QAccessible::installUpdateHandler(previous_);
    Platform()->setActive(false);
    recorded.clear();
  }
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // The events for `object` since the last call.
  static std::vector<TextEvent> Events(QObject* object) {
    std::vector<TextEvent> events;
    for (const TextEvent& event : recorded)
      if (event.object == object) events.push_back(event);
    recorded.clear();
    return events;
  }

 private:
  static QPlatformAccessibility* Platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }
  QAccessible::UpdateHandler previous_ = nullptr;
};

QAccessibleTextInterface* TextOf(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible ? accessible->textInterface() : nullptr;
}

QString Whole(QAccessibleTextInterface* text) { return text->text(0, text->characterCount()); }

// The UTF-16 offset of a byte position of the page.
int OffsetOf(const EditorPage& page, long position) {
  return static_cast<int>(QString::fromUtf8(page.Utf8().left(position)).size());
}

using PageAccessibleTest = testing::WindowFixture;

TEST_F(PageAccessibleTest, AScreenReaderStartedAfterTheWindowReadsEveryPageItsCaretAndSelection) {
  Show();
  testing::TypeText(window, QStringLiteral("4 BELLS\nTOUCH = 3 LEAD\nLEAD = &x14x14,+12\n"));
  ASSERT_TRUE(testing::ProveAndWait(window));
  const auto pages = {MainWindow::InputPage, MainWindow::ProofPage, MainWindow::SirilPage, MainWindow::TolvernPage};
  // The pages' interfaces were made while nobody listened, as the window was shown.
  for (auto which : pages) ASSERT_NE(QAccessible::queryAccessibleInterface(window.page(which)), nullptr);

  ScreenReader reader;
  for (auto which : pages) {
    EditorPage* page = window.page(which);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(page);
    QAccessibleTextInterface* text = accessible->textInterface();
    ASSERT_NE(text, nullptr) << page->accessibleName().toStdString();
    EXPECT_EQ(Whole(text), QString::fromUtf8(page->Utf8()));
    EXPECT_EQ(accessible->text(QAccessible::Name), page->accessibleName());
    EXPECT_EQ(accessible->role(), QAccessible::EditableText);
    EXPECT_EQ(accessible->state().readOnly, page->isReadOnly());
  }

  EditorPage* proof = window.page(MainWindow::ProofPage);
  QAccessibleTextInterface* text = TextOf(proof);
  proof->setSelection(1, 0, 1, 5);
  int start = -1, end = -1;
  ASSERT_EQ(text->selectionCount(), 1);
  text->selection(0, &start, &end);
  EXPECT_EQ(text->text(start, end), "Touch");
  EXPECT_EQ(text->cursorPosition(), end);
  EXPECT_EQ(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end), "Touch is True");
  text->setCursorPosition(3);
  EXPECT_EQ(proof->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS), 3);
}

TEST(PageOffsetsTest, RoundTripOnLatin1AndUtf8TextAndPairsAboveU10000) {
  struct Case {
    const char* document;
    std::function<void(EditorPage&)> fill;
  };
  const std::vector<Case> cases = {
      {"a Latin-1 file in the Input page",
       [](EditorPage& page) {
         page.setText(DecodeDocument(QByteArray("6 BELLS\r\n/ Caf\xE9 \xA3\xBD\r\nEND\r\n")).text);
       }},
      {"Latin-1 proof lines",
       [](EditorPage& page) {
         page.SetDisplayText(MakeDisplayText("Caf\xE9 rows\n\xA3 is true\n", TextEncoding::Latin1, false));
       }},
      {"UTF-8 with bells above U+FFFF",
       [](EditorPage& page) {
         page.SetUtf8("ring \xF0\x9F\x94\x94 twice\n\xC3\xA9\xF0\x9F\x94\x94\xF0\x9F\x94\x94\n\nend \xE2\x80\x94 x");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document);
    EditorPage page(QStringLiteral("Proof"));
    c.fill(page);
    const QString expected = QString::fromUtf8(page.Utf8());
    ASSERT_LT(expected.size(), page.Utf8().size());  // not ASCII only
    QAccessibleTextInterface* text = TextOf(&page);
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(text->characterCount(), expected.size());
    EXPECT_EQ(Whole(text), expected);
    for (int offset = 0; offset < expected.size(); ++offset) {
      SCOPED_TRACE(offset);
      EXPECT_EQ(text->text(offset, offset + 1), expected.mid(offset, 1));  // half a pair too
      const bool secondHalf = expected[offset].isLowSurrogate();
      int start = -1, end = -1;
      const QString character = text->textAtOffset(offset, QAccessible::CharBoundary, &start, &end);
      EXPECT_EQ(start, secondHalf ? offset - 1 : offset);
      EXPECT_EQ(character, expected.mid(start, expected[start].isHighSurrogate() ? 2 : 1));
      EXPECT_EQ(end, start + character.size());
      const int lineStart = offset == 0 ? 0 : static_cast<int>(expected.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1;
      const int newline = static_cast<int>(expected.indexOf(QLatin1Char('\n'), offset));
      const int lineEnd = newline < 0 ? static_cast<int>(expected.size()) : newline + 1;
      EXPECT_EQ(text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end),
                expected.mid(lineStart, lineEnd - lineStart));
      EXPECT_EQ(start, lineStart);
      EXPECT_EQ(end, lineEnd);
      text->setCursorPosition(offset);
      EXPECT_EQ(text->cursorPosition(), secondHalf ? offset - 1 : offset);
    }
  }
}

TEST(PageOffsetsTest, WordsAndLinesBeforeAtAndAfterAnOffset) {
  EditorPage page(QStringLiteral("Proof"));
  page.SetUtf8("ring \xF0\x9F\x94\x94 twice, rung\nnext line\n");
  QAccessibleTextInterface* text = TextOf(&page);
  ASSERT_NE(text, nullptr);
  struct Case {
    int offset;
    QAccessible::TextBoundaryType boundary;
    int step;  // -1 before, 0 at, 1 after
    const char* expected;
    int start, end;
  };
  for (const Case& c : std::vector<Case>{
           {6, QAccessible::WordBoundary, 0, "\xF0\x9F\x94\x94", 5, 7},  // the second half of the bell
           {10, QAccessible::WordBoundary, 0, "twice", 8, 13},
           {10, QAccessible::WordBoundary, -1, " ", 7, 8},
           {10, QAccessible::WordBoundary, 1, ",", 13, 14},
           {0, QAccessible::WordBoundary, -1, "", -1, -1},
           {22, QAccessible::LineBoundary, -1, "ring \xF0\x9F\x94\x94 twice, rung\n", 0, 20},
           {3, QAccessible::LineBoundary, 1, "next line\n", 20, 30},
           {22, QAccessible::LineBoundary, 1, "", -1, -1},
       }) {
    SCOPED_TRACE(::testing::Message() << c.offset << " " << c.boundary << " " << c.step);
    int start = 0, end = 0;
    const QString found = c.step < 0   ? text->textBeforeOffset(c.offset, c.boundary, &start, &end)
                          : c.step > 0 ? text->textAfterOffset(c.offset, c.boundary, &start, &end)
                                       : text->textAtOffset(c.offset, c.boundary, &start, &end);
    EXPECT_EQ(found, QString::fromUtf8(c.expected));
    EXPECT_EQ(start, c.start);
    EXPECT_EQ(end, c.end);
  }
}

TEST(PageEventsTest, ChangesCaretAndSelectionAreToldInUtf16Offsets) {
  EditorPage page(QStringLiteral("Input"));
  page.resize(400, 300);
  page.show();
  const QByteArray bell = "\xF0\x9F\x94\x94";
  page.SetUtf8("old " + bell + "\n");
  ScreenReader reader;

  // A page set at once is one change, however many lines.
  QByteArray lines;
  for (int line = 0; line < 1000; ++line) lines += "row " + bell + " " + QByteArray::number(line) + "\n";
  page.SetUtf8(lines);
  std::vector<TextEvent> events = ScreenReader::Events(&page);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, QAccessible::TextUpdated);
  EXPECT_EQ(events[0].position, 0);
  EXPECT_EQ(events[0].removed, QString::fromUtf8("old " + bell + "\n"));
  EXPECT_EQ(events[0].inserted, QString::fromUtf8(lines));

  // An edit after bells: one event (QScintilla's own, counted in characters, is not sent).
  const long afterBell = lines.indexOf(bell, lines.size() / 2) + bell.size();
  page.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<uintptr_t>(afterBell), "x");
  events = ScreenReader::Events(&page);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, QAccessible::TextInserted);
  EXPECT_EQ(events[0].position, OffsetOf(page, afterBell));
  EXPECT_EQ(events[0].inserted, "x");
  page.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, static_cast<unsigned long>(afterBell - bell.size()),
                     static_cast<long>(bell.size()));
  events = ScreenReader::Events(&page);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, QAccessible::TextRemoved);
  EXPECT_EQ(events[0].position, OffsetOf(page, afterBell - bell.size()));
  EXPECT_EQ(events[0].removed, QString::fromUtf8(bell));

  // The caret and the selection, as Scintilla settles them.
  const long anchor = page.Utf8().indexOf(bell, afterBell);
  const long caret = anchor + bell.size() + 2;
  page.SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
  QApplication::processEvents();
  events = ScreenReader::Events(&page);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].type, QAccessible::TextSelectionChanged);
  EXPECT_EQ(events[0].position, OffsetOf(page, anchor));
  EXPECT_EQ(events[0].end, OffsetOf(page, caret));
  EXPECT_EQ(events[1].type, QAccessible::TextCaretMoved);
  EXPECT_EQ(events[1].position, OffsetOf(page, caret));
}

TEST(AccessibleNamesTest, TheRowsWindowTellsItsHeaderAndEveryDialogItsTitle) {
  testing::ScriptedDialogs scripted;
  RowsWindow rows(scripted);
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&rows.View());
  EXPECT_EQ(view->text(QAccessible::Name), "Rows");
  EXPECT_EQ(view->text(QAccessible::Description), rows.HeaderText());
  rows.ShowRows(CollectRows({"4 BELLS", "TOUCH = 3 LEAD", "LEAD = &x14x14,+12"}, 16, nullptr));
  EXPECT_EQ(view->text(QAccessible::Description), "24 rows. Touch is True");
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&rows);
  EXPECT_EQ(window->text(QAccessible::Name), "TOLVERN - Rows");
  EXPECT_EQ(window->text(QAccessible::Description), rows.HeaderText());

  QtDialogs dialogs;
  QPrinter printer;
  const FileDialogSetup file{QStringLiteral("Save As"), {QStringLiteral("Major (*.maj)")}, 1, QDir::tempPath(), {}, {}};
  const std::vector<std::pair<QString, std::function<void()>>> shown = {
      {"Warning", [&] { dialogs.Warning(nullptr, "Warning", "A warning"); }},
      {"TOLVERN", [&] { dialogs.Error(nullptr, "TOLVERN", "Cannot open file x."); }},
      {"Information", [&] { dialogs.Information(nullptr, "Information", "About"); }},
      {"Confirm", [&] { dialogs.Confirm(nullptr, "Confirm", "Save changes?"); }},
      {"Save As", [&] { dialogs.SaveFile(nullptr, file); }},
      {"Print", [&] { dialogs.Print(nullptr, printer); }},
  };
  for (const auto& [title, show] : shown) {
    QString name;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        name = QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name);
        dialog->close();
      }
    });
    closer.start(10);
    show();
    EXPECT_EQ(name, title);
  }
}

}  // namespace
}  // namespace tolvern::app
