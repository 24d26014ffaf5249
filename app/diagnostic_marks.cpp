#include "diagnostic_marks.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QToolTip>
#include <map>

#include "editor_page.h"

namespace tolvern::app {

namespace {

constexpr int MarginSymbols = 1;
constexpr int MarginWidth = 16;

QPixmap Symbol(bool error) {
  QPixmap pixmap(14, 14);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (error) {
    painter.setBrush(QColor(0xC6, 0x28, 0x28));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(1, 1, 12, 12));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(4.5, 4.5), QPointF(9.5, 9.5));
    painter.drawLine(QPointF(9.5, 4.5), QPointF(4.5, 9.5));
  } else {
    QPainterPath triangle;
    triangle.moveTo(7, 1);
    triangle.lineTo(13, 13);
    triangle.lineTo(1, 13);
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x9A, 0x00));
    painter.drawPath(triangle);
    painter.setPen(QPen(Qt::black, 1.6));
    painter.drawLine(QPointF(7, 5), QPointF(7, 9));
    painter.drawPoint(QPointF(7, 11.2));
  }
  return pixmap;
}

}  // namespace

QString QuotedText(const QString& detail) {
  static const QRegularExpression quoted(QStringLiteral("\\[(.+)\\]\\s*$"));
  const QRegularExpressionMatch match = quoted.match(detail);
  return match.hasMatch() ? match.captured(1) : QString();
}

DiagnosticMarks::DiagnosticMarks(EditorPage* editor) : QObject(editor), editor_(editor) {
  DefineSymbols();
  editor_->setMarginWidth(MarginSymbols, 0);
  editor_->SendScintilla(QsciScintillaBase::SCI_SETMARGINMASKN, MarginSymbols,
                         static_cast<long>((1 << ErrorMarker) | (1 << WarningMarker)));
  editor_->SendScintilla(QsciScintillaBase::SCI_INDICSETSTYLE, QuotedIndicator,
                         static_cast<long>(QsciScintillaBase::INDIC_SQUIGGLE));
  editor_->SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, QuotedIndicator, QColor(0xC6, 0x28, 0x28));
  connect(editor_, &QsciScintillaBase::SCN_MODIFIED, this,
          [this](int position, int modificationType, const char*, int, int, int, int, int, int, int) {
            TextModified(position, modificationType);
          });
  editor_->viewport()->installEventFilter(this);
}

void DiagnosticMarks::DefineSymbols() {
  editor_->markerDefine(Symbol(true), ErrorMarker);
  editor_->markerDefine(Symbol(false), WarningMarker);
}

void DiagnosticMarks::Clear() {
  editor_->SendScintilla(QsciScintillaBase::SCI_MARKERDELETEALL, -1);
  editor_->SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, QuotedIndicator);
  editor_->SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL,
                         editor_->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
  marks_.clear();
  UpdateMargin();
}

void DiagnosticMarks::Show(const std::vector<Diagnostic>& diagnostics, TextEncoding encoding) {
  Clear();
  // One mark a line, holding every message of that line; an error outranks a warning.
  struct LineMarks {
    bool error = false;
    QStringList messages;
    QStringList quoted;
  };
  std::map<int, LineMarks> lines;
  const int lineCount = editor_->Lines();
  for (const Diagnostic& diagnostic : diagnostics) {
    const int line = static_cast<int>(diagnostic.line) - 1;
    if (line < 0 || line >= lineCount) continue;
    LineMarks& marks = lines[line];
    const QString detail = DecodeLine(diagnostic.detail, encoding).trimmed();
    marks.error = marks.error || diagnostic.kind == Diagnostic::Kind::Error;
    marks.messages << DecodeLine(diagnostic.header, encoding) + (detail.isEmpty() ? QString() : "\n  " + detail);
    const QString quoted = QuotedText(detail);
    if (!quoted.isEmpty()) marks.quoted << quoted;
  }
  for (const auto& [line, marks] : lines) {
    const int handle = editor_->markerAdd(line, marks.error ? ErrorMarker : WarningMarker);
    marks_.push_back({handle, line, marks.messages.join(QStringLiteral("\n"))});
    for (const QString& quoted : marks.quoted) Underline(line, quoted, static_cast<int>(marks_.size()));
  }
  UpdateMargin();
}

std::pair<qsizetype, qsizetype> FindQuoted(const QString& line, const QString& quoted) {
  // Names are quoted as the reader keeps them: in capitals, blanks dropped.
  const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
  for (qsizetype start = 0; start < line.size(); ++start) {
    qsizetype at = start;
    qsizetype matched = 0;
    while (matched < quoted.size() && at < line.size()) {
      if (matched > 0 && blank(line[at]) && !blank(quoted[matched])) {
        ++at;
        continue;
      }
      if (line[at].toUpper() != quoted[matched].toUpper()) break;
      ++at;
      ++matched;
    }
    if (matched == quoted.size()) return {start, at};
  }
  return {-1, -1};
}

void DiagnosticMarks::Underline(int line, const QString& quoted, int value) {
  const QString text = editor_->text(line);
  const auto [from, to] = FindQuoted(text, quoted);
  if (from < 0) return;
  const long start = editor_->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line) +
                     static_cast<long>(text.left(from).toUtf8().size());
  editor_->SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, QuotedIndicator);
  editor_->SendScintilla(QsciScintillaBase::SCI_SETINDICATORVALUE, value);
  editor_->SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                         static_cast<long>(text.mid(from, to - from).toUtf8().size()));
}

void DiagnosticMarks::TextModified(int position, int modificationType) {
  if (!followingEdits_ || marks_.empty()) return;
  if (!(modificationType & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT))) return;
  const long line = editor_->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
  editor_->SendScintilla(QsciScintillaBase::SCI_MARKERDELETE, static_cast<unsigned long>(line), -1L);
  const long start = editor_->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long end = editor_->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
  editor_->SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, QuotedIndicator);
  editor_->SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start), end - start);
  UpdateMargin();
}

namespace {

constexpr long MarkerMask = (1 << DiagnosticMarks::ErrorMarker) | (1 << DiagnosticMarks::WarningMarker);

// The first line from `line` on that carries a mark, or -1.
long NextMarkedLine(EditorPage* editor, long line) {
  return editor->SendScintilla(QsciScintillaBase::SCI_MARKERNEXT, static_cast<unsigned long>(line), MarkerMask);
}

}  // namespace

int DiagnosticMarks::MarkedLines() const {
  // Scintilla finds a mark's line by looking through every line, so the
  // lines are counted, not the marks looked up (that took seconds a key
  // stroke on a page with thousands of marks).
  int marked = 0;
  for (long line = NextMarkedLine(editor_, 0); line >= 0; line = NextMarkedLine(editor_, line + 1)) ++marked;
  return marked;
}

void DiagnosticMarks::UpdateMargin() {
  const bool any = !marks_.empty() && NextMarkedLine(editor_, 0) >= 0;
  editor_->setMarginWidth(MarginSymbols, any ? MarginWidth : 0);
}

QString DiagnosticMarks::MessagesOfLine(int line) const {
  if (NextMarkedLine(editor_, line) != line) return {};
  // Most often the mark is still where it was put; else every mark is asked.
  const auto at = [&](const Mark& mark) {
    return editor_->SendScintilla(QsciScintillaBase::SCI_MARKERLINEFROMHANDLE, mark.handle) == line;
  };
  for (const Mark& mark : marks_)
    if (mark.line == line && at(mark)) return mark.messages;
  for (const Mark& mark : marks_)
    if (at(mark)) return mark.messages;
  return {};
}

QString DiagnosticMarks::MessagesAt(long position) const {
  if (position < 0) return {};
  const long value = editor_->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, QuotedIndicator,
                                            position);
  if (value <= 0 || value > static_cast<long>(marks_.size())) return {};
  return marks_[static_cast<size_t>(value - 1)].messages;
}

bool DiagnosticMarks::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip || marks_.empty()) return QObject::eventFilter(watched, event);
  const QPoint point = static_cast<QHelpEvent*>(event)->pos();
  QString messages;
  if (point.x() < editor_->marginWidth(MarginSymbols)) {
    const long position = editor_->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINT,
                                                 static_cast<unsigned long>(MarginWidth + 2), static_cast<long>(point.y()));
    messages = MessagesOfLine(
        static_cast<int>(editor_->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position))));
  } else {
    const long position = editor_->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
                                                 static_cast<unsigned long>(point.x()), static_cast<long>(point.y()));
    messages = MessagesAt(position);
  }
  if (messages.isEmpty()) return QObject::eventFilter(watched, event);
  QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), messages, editor_->viewport());
  return true;
}

}  // namespace tolvern::app
