// One page of the window: a Scintilla editor that knows the page behaviours
// (whole-text colour, underlined stretches, showing the end, text replaced
// even while read-only), readable by a screen reader.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>

#include "page_text.h"

namespace tolvern::app {

class PageAccessibility;

class EditorPage : public QsciScintilla {
  Q_OBJECT

 public:
  // Text styles: plain, and underlined (proof output).
  static constexpr int PlainStyle = 0;
  static constexpr int UnderlinedStyle = 1;

  EditorPage(const QString& name, QWidget* parent = nullptr);

  void SetPageFont(const QFont& font);
  QColor TextColour() const { return colour_; }
  // Colours the whole text, as selecting all and setting its colour does.
  void SetTextColour(const QColor& colour);
  // Replaces the text (also while read-only); the undo history starts afresh.
  void SetDisplayText(const DisplayText& text);
  void SetPlainText(const QString& text);
  void SetUtf8(const QByteArray& utf8);
  // Removes all underlining.
  void ClearUnderlining();
  // The last line written back in place: caret at its end, scrolled into view.
  void ShowEnd();
  QByteArray Utf8() const;
  int Lines() const;
  void ClearUndoHistory();
  // Writes "  1:" (the last three digits past 999) at the start of every
  // line and makes the page read-only, or takes the four characters out
  // again and makes it writable; neither is an edit that can be undone.
  void ShowLineNumbers(bool shown);

 signals:
  // Every mouse press, with its buttons and keys, before the editor acts on it.
  void MousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick);
  // A double click on a line (0-based).
  void LineDoubleClicked(int line);

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 public:
  // Whether the editor offers its own context menu (the input page does not:
  // its right click shows the line numbers).
  void SetContextMenuOffered(bool offered) { contextMenu_ = offered; }

 public:
  // Runs `change` with the editor writable, even while it is read-only.
  template <typename Change>
  void Writable(Change change) {
    const bool readOnly = isReadOnly();
    if (readOnly) SendScintilla(SCI_SETREADONLY, 0L);
    change();
    if (readOnly) SendScintilla(SCI_SETREADONLY, 1L);
  }

 private:
  void StylePlainUpTo(int position);

  QColor colour_;
  bool contextMenu_ = true;
  PageAccessibility* accessibility_;  // a child
};

// "Courier New" where it is installed, else the system's fixed-width font;
// characters `pixels` high.
QFont PageFont(int pixels);

}  // namespace tolvern::app
