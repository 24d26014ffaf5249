// A page as a screen reader reads it. Qt is given an accessible interface of
// our own for every page, however early it was first asked for and whenever
// a screen reader starts: it reads Scintilla directly. The page tells Qt of
// its text changes, caret moves and selections as they happen.
//
// Offsets are what Qt counts: UTF-16 code units of the page's UTF-8 text.
// They are found from Scintilla's byte positions through its line character
// index (the line from a table, then a count within the line), so that no
// question counts from the top of a page of a million lines.
#pragma once

#include <QObject>
#include <QString>

class QsciScintillaBase;

namespace tolvern::app {

class PageAccessibility : public QObject {
  Q_OBJECT

 public:
  // Made by the page (a UTF-8 editor), as its child, before anything else
  // could make the page's interface.
  explicit PageAccessibility(QsciScintillaBase& page);

  // An offset between the halves of a surrogate pair stands for the pair's
  // start; offsets outside the text are brought to its ends.
  int OffsetAt(long position) const;
  long PositionAt(int offset) const;
  // The whole text, in offsets.
  int Length() const;
  // The text between two offsets, exactly (half a pair included).
  QString Text(int start, int end) const;

  // Runs `change`, a replacement of the page's text, and tells of it as one
  // change however Scintilla makes it: a page of a million lines set at once
  // is one event.
  template <typename Change>
  void AsOneChange(Change change) {
    ++grouping_;
    change();
    if (--grouping_ == 0) SendGrouped();
  }

  // From Scintilla's notice that the text is about to change to its notice
  // that it has. QScintilla sends text events of its own in between, with
  // offsets counted in characters from the top of the page; the page's
  // interface reports itself invalid meanwhile, so that Qt drops them, and
  // the page's own events follow.
  bool Changing() const { return changing_; }

 private:
  void Modified(int position, int type, const char* text, int length);
  void UpdateUi();
  void SendGrouped();
  void EnsureIndex() const;
  QString Utf16(long from, long to) const;
  long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

  QsciScintillaBase& page_;
  bool changing_ = false;
  int grouping_ = 0;
  // A removal told once the text is gone; in a group, it waits to be told
  // with the insertion that follows it.
  int removedAt_ = -1;
  QString removed_;
  int insertedAt_ = -1;
  QString inserted_;
  // What the screen reader was last told.
  int caret_ = -1;
  int selectionStart_ = -1;
  int selectionEnd_ = -1;
};

}  // namespace tolvern::app
