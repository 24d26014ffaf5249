#include "editor_page.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "page_accessible.h"

namespace tolvern::app {

QFont PageFont(int pixels) {
  QFont font = QFontDatabase::families().contains(QStringLiteral("Courier New"))
                   ? QFont(QStringLiteral("Courier New"))
                   : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(pixels);
  return font;
}

EditorPage::EditorPage(const QString& name, QWidget* parent) : QsciScintilla(parent) {
  // First: Qt makes a widget's accessible interface at the first event about
  // it (setting the name is one), whether or not anyone listens, and keeps it
  // for the widget's life.
  accessibility_ = new PageAccessibility(*this);
  setObjectName(name);
  setAccessibleName(name);
  setUtf8(true);
  SendScintilla(SCI_SETEOLMODE, SC_EOL_LF);
  setMarginWidth(1, 0);  // no symbol margin
  setMarginWidth(0, 0);
  setWrapMode(WrapNone);
  SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
  SendScintilla(SCI_SETSCROLLWIDTH, 1);
  SendScintilla(SCI_STYLESETUNDERLINE, UnderlinedStyle, 1L);
  // Text nobody has styled is asked for again at every paint, which costs a
  // pass over the document when the view is far down a long page: style it
  // plain as it is asked for.
  connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, &EditorPage::StylePlainUpTo);
}

void EditorPage::StylePlainUpTo(int position) {
  if (lexer()) return;  // a lexer styles its own text
  const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(SendScintilla(SCI_GETENDSTYLED)));
  const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  if (position <= start) return;
  SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(start));
  SendScintilla(SCI_SETSTYLING, static_cast<unsigned long>(position - start), static_cast<long>(PlainStyle));
}

void EditorPage::SetPageFont(const QFont& font) {
  // Scintilla sizes fonts in points.
  const qreal dpi = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInchY() : 96.0;
  const qreal points = font.pixelSize() > 0 ? font.pixelSize() * 72.0 / dpi : font.pointSizeF();
  const QByteArray family = font.family().toUtf8();
  for (int style : {static_cast<int>(STYLE_DEFAULT), PlainStyle, UnderlinedStyle}) {
    SendScintilla(SCI_STYLESETFONT, style, family.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, style, static_cast<long>(points * 100));
  }
}

void EditorPage::SetTextColour(const QColor& colour) {
  colour_ = colour;
  for (int style : {static_cast<int>(STYLE_DEFAULT), PlainStyle, UnderlinedStyle})
    SendScintilla(SCI_STYLESETFORE, style, colour);
}

void EditorPage::SetUtf8(const QByteArray& utf8) {
  accessibility_->AsOneChange([&] {
    Writable([&] {
      SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
      SendScintilla(SCI_SETTEXT, 0UL, utf8.constData());
      SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
      SendScintilla(SCI_EMPTYUNDOBUFFER);
    });
  });
}

void EditorPage::SetPlainText(const QString& text) { SetUtf8(text.toUtf8()); }

void EditorPage::SetDisplayText(const DisplayText& text) {
  SetUtf8(text.utf8);
  if (text.underlined.empty()) return;
  for (const Stretch& stretch : text.underlined) {
    SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(stretch.start));
    SendScintilla(SCI_SETSTYLING, static_cast<unsigned long>(stretch.length), static_cast<long>(UnderlinedStyle));
  }
}

void EditorPage::ClearUnderlining() {
  const long length = SendScintilla(SCI_GETLENGTH);
  SendScintilla(SCI_STARTSTYLING, 0UL);
  SendScintilla(SCI_SETSTYLING, static_cast<unsigned long>(length), static_cast<long>(PlainStyle));
}

bool EditorPage::event(QEvent* event) {
  // Esc is the window's (it stops a running proof): the editor would
  // otherwise claim it for its own cancel command and the shortcut would
  // never fire while the caret is in a page.
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
      event->ignore();
      return false;
    }
  }
  return QsciScintilla::event(event);
}

void EditorPage::ShowEnd() {
  if (SendScintilla(SCI_GETLENGTH) == 0) return;
  SendScintilla(SCI_DOCUMENTEND);
  SendScintilla(SCI_SCROLLCARET);
  // The last line is in view; a long one is shown from its start, not cut
  // off at the left to bring its end into view.
  SendScintilla(SCI_SETXOFFSET, 0);
}

QByteArray EditorPage::Utf8() const {
  const long length = SendScintilla(SCI_GETLENGTH);
  QByteArray bytes(length + 1, '\0');
  SendScintilla(SCI_GETTEXT, static_cast<unsigned long>(length + 1), bytes.data());
  bytes.chop(1);
  return bytes;
}

int EditorPage::Lines() const { return static_cast<int>(SendScintilla(SCI_GETLINECOUNT)); }

void EditorPage::ClearUndoHistory() { SendScintilla(SCI_EMPTYUNDOBUFFER); }

void EditorPage::ShowLineNumbers(bool shown) {
  setUpdatesEnabled(false);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
  const int lines = Lines();
  if (shown) {
    for (int i = 0; i < lines; ++i) {
      const QByteArray number = (QByteArrayLiteral("   ") + QByteArray::number(i + 1) + ':').right(4);
      Writable([&] { SendScintilla(SCI_INSERTTEXT, SendScintilla(SCI_POSITIONFROMLINE, i), number.constData()); });
    }
    setReadOnly(true);
  } else {
    setReadOnly(false);
    for (int i = lines - 1; i >= 0; --i) {
      const long start = SendScintilla(SCI_POSITIONFROMLINE, i);
      const long end = SendScintilla(SCI_GETLINEENDPOSITION, i);
      // Four characters, which may be more than four bytes in a line typed while hidden.
      const long cut = SendScintilla(SCI_POSITIONRELATIVE, static_cast<unsigned long>(start), 4L);
      const long to = cut == 0 || cut > end ? end : cut;
      SendScintilla(SCI_DELETERANGE, static_cast<unsigned long>(start), to - start);
    }
  }
  SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
  setUpdatesEnabled(true);
}

void EditorPage::mousePressEvent(QMouseEvent* event) {
  emit MousePressed(event->buttons(), event->modifiers(), false);
  QsciScintilla::mousePressEvent(event);
}

void EditorPage::mouseDoubleClickEvent(QMouseEvent* event) {
  emit MousePressed(event->buttons(), event->modifiers(), true);
  QsciScintilla::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) {
    const long position = SendScintilla(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(event->position().x()),
                                        static_cast<long>(event->position().y()));
    emit LineDoubleClicked(static_cast<int>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position))));
  }
}

void EditorPage::contextMenuEvent(QContextMenuEvent* event) {
  if (contextMenu_) QsciScintilla::contextMenuEvent(event);
  else event->accept();
}

}  // namespace tolvern::app
