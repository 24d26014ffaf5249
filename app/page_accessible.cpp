#include "page_accessible.h"

#include <Qsci/qsciscintillabase.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QByteArray>
#include <QPointer>
#include <QRect>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace tolvern::app {

namespace {

using Sci = QsciScintillaBase;
constexpr long Utf16Index = Sci::SC_LINECHARACTERINDEX_UTF16;

// A stretch of the page in Scintilla's positions.
using Span = std::pair<long, long>;

// What Qt is given for a page: its text, caret and selections read from
// Scintilla as they are asked for.
class PageAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
 public:
  PageAccessible(Sci* page, PageAccessibility* accessibility)
      : QAccessibleWidget(page, QAccessible::EditableText), page_(page), accessibility_(accessibility) {}

  bool isValid() const override {
    return QAccessibleWidget::isValid() && accessibility_ && !accessibility_->Changing();
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.selectableText = true;
    state.readOnly = Send(Sci::SCI_GETREADONLY) != 0;
    state.editable = !state.readOnly;
    return state;
  }

  // ---- text
  int characterCount() const override { return accessibility_->Length(); }
  QString text(int startOffset, int endOffset) const override { return accessibility_->Text(startOffset, endOffset); }
  int cursorPosition() const override { return accessibility_->OffsetAt(Send(Sci::SCI_GETCURRENTPOS)); }
  void setCursorPosition(int offset) override { Send(Sci::SCI_GOTOPOS, Position(offset)); }

  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    return Near(offset, type, 0, start, end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    return Near(offset, type, -1, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    return Near(offset, type, 1, start, end);
  }

  int selectionCount() const override {
    int count = 0;
    while (SelectionNumber(count) >= 0) ++count;
    return count;
  }
  void selection(int index, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    const long number = SelectionNumber(index);
    if (number < 0) return;
    *startOffset = accessibility_->OffsetAt(Send(Sci::SCI_GETSELECTIONNSTART, number));
    *endOffset = accessibility_->OffsetAt(Send(Sci::SCI_GETSELECTIONNEND, number));
  }
  void setSelection(int index, int startOffset, int endOffset) override {
    long number = SelectionNumber(index);
    if (number < 0 && index == 0) number = Send(Sci::SCI_GETMAINSELECTION);  // none yet: make the first
    if (number < 0) return;
    const long anchor = Position(startOffset), caret = Position(endOffset);
    if (Send(Sci::SCI_GETSELECTIONS) == 1) {
      Send(Sci::SCI_SETSEL, anchor, caret);
    } else {
      Send(Sci::SCI_SETSELECTIONNANCHOR, number, anchor);
      Send(Sci::SCI_SETSELECTIONNCARET, number, caret);
    }
  }
  void addSelection(int startOffset, int endOffset) override {
    if (selectionCount() == 0) return setSelection(0, startOffset, endOffset);
    Send(Sci::SCI_ADDSELECTION, Position(endOffset), Position(startOffset));
  }
  void removeSelection(int index) override {
    const long number = SelectionNumber(index);
    if (number < 0) return;
    if (Send(Sci::SCI_GETSELECTIONS) > 1) Send(Sci::SCI_DROPSELECTIONN, number);
    else Send(Sci::SCI_SETEMPTYSELECTION, Send(Sci::SCI_GETCURRENTPOS));
  }

  QRect characterRect(int offset) const override {
    const long position = Position(offset);
    const long x = Send(Sci::SCI_POINTXFROMPOSITION, 0, position);
    const long y = Send(Sci::SCI_POINTYFROMPOSITION, 0, position);
    const long next = Send(Sci::SCI_POSITIONAFTER, position);
    long width = next > position && Send(Sci::SCI_POINTYFROMPOSITION, 0, next) == y
                     ? Send(Sci::SCI_POINTXFROMPOSITION, 0, next) - x
                     : 0;
    // A line's end (or a wrap) has no width of its own: a space's, as the caret shows.
    if (width <= 0) width = page_->SendScintilla(Sci::SCI_TEXTWIDTH, static_cast<uintptr_t>(Sci::STYLE_DEFAULT), " ");
    const long height = Send(Sci::SCI_TEXTHEIGHT, Send(Sci::SCI_LINEFROMPOSITION, position));
    const QPoint topLeft = page_->viewport()->mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y)));
    return {topLeft, QSize(static_cast<int>(width), static_cast<int>(height))};
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = page_->viewport()->mapFromGlobal(point);
    const long position = Send(Sci::SCI_CHARPOSITIONFROMPOINTCLOSE, static_cast<unsigned long>(local.x()), local.y());
    return position < 0 ? -1 : accessibility_->OffsetAt(position);
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    Send(Sci::SCI_SCROLLRANGE, Position(endIndex), Position(startIndex));
  }
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = accessibility_->Length();
    return {};
  }

  // ---- editing (Scintilla itself refuses it on a read-only page)
  void deleteText(int startOffset, int endOffset) override {
    const long from = Position(startOffset), to = Position(endOffset);
    if (to > from) Send(Sci::SCI_DELETERANGE, from, to - from);
  }
  void insertText(int offset, const QString& text) override {
    const QByteArray bytes = text.toUtf8();
    page_->SendScintilla(Sci::SCI_INSERTTEXT, static_cast<uintptr_t>(Position(offset)), bytes.constData());
  }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    const QByteArray bytes = text.toUtf8();
    Send(Sci::SCI_SETTARGETRANGE, Position(startOffset), Position(endOffset));
    page_->SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.constData());
  }

 private:
  long Send(unsigned int message, long wParam = 0, long lParam = 0) const {
    return page_->SendScintilla(message, static_cast<unsigned long>(wParam), lParam);
  }
  long Position(int offset) const { return accessibility_->PositionAt(offset); }

  // Scintilla's number of the index-th selection that holds text, or -1.
  long SelectionNumber(int index) const {
    const long count = Send(Sci::SCI_GETSELECTIONS);
    for (long number = 0; number < count; ++number)
      if (Send(Sci::SCI_GETSELECTIONNSTART, number) != Send(Sci::SCI_GETSELECTIONNEND, number) && index-- == 0)
        return number;
    return -1;
  }

  // The character, word or line holding `position`. A word is a run of word
  // characters, of spaces or of punctuation, as Scintilla classes them; a
  // sentence and a paragraph are a line (with its end), the page's statement.
  std::optional<Span> Unit(long position, QAccessible::TextBoundaryType type) const {
    const long length = Send(Sci::SCI_GETLENGTH);
    switch (type) {
      case QAccessible::CharBoundary:
        if (position >= length) return std::nullopt;
        return Span{position, Send(Sci::SCI_POSITIONAFTER, position)};
      case QAccessible::WordBoundary:
        if (length == 0) return std::nullopt;
        if (position >= length) position = Send(Sci::SCI_POSITIONBEFORE, length);
        return Span{Send(Sci::SCI_WORDSTARTPOSITION, Send(Sci::SCI_POSITIONAFTER, position), 0),
                    Send(Sci::SCI_WORDENDPOSITION, position, 0)};
      case QAccessible::NoBoundary:
        return Span{0, length};
      default: {
        const long line = Send(Sci::SCI_LINEFROMPOSITION, position);
        return Span{Send(Sci::SCI_POSITIONFROMLINE, line), Send(Sci::SCI_POSITIONFROMLINE, line + 1)};
      }
    }
  }

  // The unit at `offset` (step 0), or the one before (-1) or after (+1) it;
  // nothing (offsets -1) where there is none. Offset -1 is the text's end.
  QString Near(int offset, QAccessible::TextBoundaryType type, int step, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = -1;
    const int length = accessibility_->Length();
    if (offset == -1) offset = length;
    if (offset < 0 || offset > length || length == 0 || (type == QAccessible::NoBoundary && step != 0)) return {};
    std::optional<Span> unit = Unit(Position(offset), type);
    if (unit && step < 0)
      unit = unit->first > 0 ? Unit(Send(Sci::SCI_POSITIONBEFORE, unit->first), type) : std::nullopt;
    if (unit && step > 0) unit = unit->second < Send(Sci::SCI_GETLENGTH) ? Unit(unit->second, type) : std::nullopt;
    if (!unit) return {};
    *startOffset = accessibility_->OffsetAt(unit->first);
    *endOffset = accessibility_->OffsetAt(unit->second);
    return accessibility_->Text(*startOffset, *endOffset);
  }

  Sci* page_;
  QPointer<PageAccessibility> accessibility_;
};

QAccessibleInterface* PageInterface(const QString&, QObject* object) {
  auto* page = qobject_cast<Sci*>(object);
  if (!page) return nullptr;
  auto* accessibility = page->findChild<PageAccessibility*>(QString(), Qt::FindDirectChildrenOnly);
  return accessibility ? new PageAccessible(page, accessibility) : nullptr;
}

}  // namespace

PageAccessibility::PageAccessibility(QsciScintillaBase& page) : QObject(&page), page_(page) {
  static const bool installed = (QAccessible::installFactory(PageInterface), true);
  Q_UNUSED(installed);
  connect(&page, &Sci::SCN_MODIFIED, this,
          [this](int position, int type, const char* text, int length) { Modified(position, type, text, length); });
  connect(&page, &Sci::SCN_UPDATEUI, this, &PageAccessibility::UpdateUi);
}

long PageAccessibility::Send(unsigned int message, unsigned long wParam, long lParam) const {
  return page_.SendScintilla(message, wParam, lParam);
}

void PageAccessibility::EnsureIndex() const {
  // Made when first wanted, so that a page nobody listens to does without:
  // from then on Scintilla keeps it up to date at every change.
  if ((Send(Sci::SCI_GETLINECHARACTERINDEX) & Utf16Index) == 0)
    Send(Sci::SCI_ALLOCATELINECHARACTERINDEX, Utf16Index);
}

int PageAccessibility::Length() const {
  EnsureIndex();
  return static_cast<int>(Send(Sci::SCI_INDEXPOSITIONFROMLINE, Send(Sci::SCI_GETLINECOUNT), Utf16Index));
}

int PageAccessibility::OffsetAt(long position) const {
  EnsureIndex();
  position = std::clamp(position, 0L, Send(Sci::SCI_GETLENGTH));
  const long line = Send(Sci::SCI_LINEFROMPOSITION, position);
  const long start = Send(Sci::SCI_POSITIONFROMLINE, line);
  return static_cast<int>(Send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Utf16Index) +
                          Send(Sci::SCI_COUNTCODEUNITS, start, position));
}

long PageAccessibility::PositionAt(int offset) const {
  offset = std::clamp(offset, 0, Length());
  const long line = Send(Sci::SCI_LINEFROMINDEXPOSITION, offset, Utf16Index);
  const long start = Send(Sci::SCI_POSITIONFROMLINE, line);
  const long within = offset - Send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Utf16Index);
  if (within == 0) return start;
  const long position = Send(Sci::SCI_POSITIONRELATIVECODEUNITS, start, within);
  // Scintilla answers 0 for an offset inside a surrogate pair.
  return position > 0 ? position : Send(Sci::SCI_POSITIONRELATIVECODEUNITS, start, within - 1);
}

QString PageAccessibility::Utf16(long from, long to) const {
  if (to <= from) return {};
  // Read in place: Scintilla moves its gap only out of the range read.
  const auto* bytes = reinterpret_cast<const char*>(Send(Sci::SCI_GETRANGEPOINTER, from, to - from));
  return QString::fromUtf8(bytes, to - from);
}

QString PageAccessibility::Text(int start, int end) const {
  const int length = Length();
  if (end < 0 || end > length) end = length;
  start = std::clamp(start, 0, end);
  if (start == end) return {};
  const long from = PositionAt(start);
  long to = PositionAt(end);
  if (OffsetAt(to) < end) to = Send(Sci::SCI_POSITIONAFTER, to);
  return Utf16(from, to).mid(start - OffsetAt(from), end - start);
}

void PageAccessibility::Modified(int position, int type, const char* text, int length) {
  if (type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) {
    if (!QAccessible::isActive()) {
      changing_ = true;
      return;
    }
    // A change waiting to be told is told before this one begins, but for an
    // insertion that joins the removal before it.
    const bool joins = (type & Sci::SC_MOD_BEFOREINSERT) && insertedAt_ < 0;
    if ((removedAt_ >= 0 || insertedAt_ >= 0) && !joins) SendGrouped();
    if (type & Sci::SC_MOD_BEFOREDELETE) {
      // The removed text is read now: it is gone when the removal is told.
      removedAt_ = OffsetAt(position);
      removed_ = Utf16(position, position + length);
    }
    changing_ = true;
    return;
  }
  if ((type & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT)) == 0) return;
  changing_ = false;
  if (!QAccessible::isActive()) return;
  if (type & Sci::SC_MOD_INSERTTEXT) {
    insertedAt_ = OffsetAt(position);
    inserted_ = QString::fromUtf8(text, length);
  }
  if (grouping_ == 0) SendGrouped();
}

void PageAccessibility::SendGrouped() {
  if (removedAt_ >= 0 && insertedAt_ == removedAt_) {
    QAccessibleTextUpdateEvent event(&page_, removedAt_, removed_, inserted_);
    QAccessible::updateAccessibility(&event);
  } else {
    if (removedAt_ >= 0) {
      QAccessibleTextRemoveEvent event(&page_, removedAt_, removed_);
      QAccessible::updateAccessibility(&event);
    }
    if (insertedAt_ >= 0) {
      QAccessibleTextInsertEvent event(&page_, insertedAt_, inserted_);
      QAccessible::updateAccessibility(&event);
    }
  }
  removedAt_ = insertedAt_ = -1;
  removed_ = inserted_ = QString();
}

void PageAccessibility::UpdateUi() {
  if (!QAccessible::isActive()) {
    caret_ = selectionStart_ = selectionEnd_ = -1;
    return;
  }
  const int caret = OffsetAt(Send(Sci::SCI_GETCURRENTPOS));
  const int anchor = OffsetAt(Send(Sci::SCI_GETANCHOR));
  const int start = std::min(caret, anchor), end = std::max(caret, anchor);
  if (start != selectionStart_ || end != selectionEnd_) {
    // An empty selection that moves is only the caret moving.
    const bool news = start != end || selectionStart_ != selectionEnd_;
    selectionStart_ = start;
    selectionEnd_ = end;
    if (news) {
      QAccessibleTextSelectionEvent event(&page_, start, end);
      QAccessible::updateAccessibility(&event);
    }
  }
  if (caret != caret_) {
    caret_ = caret;
    QAccessibleTextCursorEvent event(&page_, caret);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace tolvern::app
