#include "siril_lexer.h"

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace tolvern::app {

SirilLexer::SirilLexer(QObject* parent)
    : QsciLexerCustom(parent), baseFont_(QFontDatabase::systemFont(QFontDatabase::FixedFont)) {}

const char* SirilLexer::language() const { return "SIRIL"; }

QString SirilLexer::description(int style) const {
  switch (style) {
    case SirilDefault: return QStringLiteral("Default");
    case SirilComment: return QStringLiteral("Comment");
    case SirilString: return QStringLiteral("String");
    case SirilStringSpecial: return QStringLiteral("Special symbol in a string");
    case SirilStringEscaped: return QStringLiteral("Escaped character in a string");
    case SirilStringHalt: return QStringLiteral("Halt ($$)");
    case SirilMarker: return QStringLiteral("Lead-head marker");
    case SirilStageLine: return QStringLiteral("Stage line");
    case SirilEnd: return QStringLiteral("END");
    case SirilDefinitionName: return QStringLiteral("Definition name");
    case SirilPredefinedName: return QStringLiteral("Predefined name");
    case SirilPlaceNotation: return QStringLiteral("Place notation");
    case SirilCount: return QStringLiteral("Count");
    default: return QString();
  }
}

QColor SirilLexer::defaultColor(int style) const {
  switch (style) {
    case SirilComment: return QColor(0x00, 0x7a, 0x00);
    case SirilString:
    case SirilStringEscaped: return QColor(0xa3, 0x15, 0x15);
    case SirilStringSpecial:
    case SirilStringHalt: return QColor(0xd4, 0x1e, 0x1e);
    case SirilMarker: return QColor(0x5a, 0x3e, 0x00);
    case SirilDefinitionName: return QColor(0x00, 0x00, 0x8b);
    case SirilPredefinedName: return QColor(0x7b, 0x1f, 0xa2);
    case SirilPlaceNotation: return QColor(0x00, 0x79, 0x6b);
    case SirilCount: return QColor(0xb3, 0x5c, 0x00);
    default: return QColor(0x00, 0x00, 0x00);
  }
}

QColor SirilLexer::defaultPaper(int style) const {
  switch (style) {
    case SirilStringHalt: return QColor(0xff, 0xe4, 0xe4);
    case SirilMarker: return QColor(0xff, 0xf3, 0xc4);
    default: return QColor(0xff, 0xff, 0xff);
  }
}

QFont SirilLexer::defaultFont(int style) const {
  QFont font = baseFont_;
  switch (style) {
    case SirilComment:
    case SirilStringEscaped: font.setItalic(true); break;
    case SirilStringSpecial:
    case SirilStringHalt:
    case SirilMarker:
    case SirilStageLine:
    case SirilEnd:
    case SirilDefinitionName:
    case SirilPredefinedName: font.setBold(true); break;
    default: break;
  }
  return font;
}

void SirilLexer::SetBaseFont(const QFont& font) {
  QFont base = font;
  base.setBold(false);
  base.setItalic(false);
  // Scintilla sizes fonts in points; the window gives pixels.
  if (base.pixelSize() > 0) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    base.setPointSizeF(base.pixelSize() * 72.0 / dpi);
  }
  baseFont_ = base;
  setDefaultFont(base);
  for (int style = 0; style < SirilStyleCount; ++style) setFont(defaultFont(style), style);
}

void SirilLexer::SetMaxBells(int maxBells) {
  if (maxBells == maxBells_) return;
  maxBells_ = maxBells;
  RestyleAll();
}

void SirilLexer::setEditor(QsciScintilla* editor) {
  QsciLexerCustom::setEditor(editor);
  // Text already in the editor was styled by someone else, without line states.
  if (editor) RestyleAll();
}

void SirilLexer::RestyleAll() {
  if (!editor()) return;
  // Styling restarts at the top and is redone as the editor shows the text.
  editor()->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
  editor()->viewport()->update();
}

void SirilLexer::styleText(int start, int end) {
  QsciScintilla* ed = editor();
  if (!ed || end <= start) return;
  using Base = QsciScintillaBase;
  const auto send = [ed](unsigned int message, long wParam = 0, long lParam = 0) {
    return ed->SendScintilla(message, static_cast<unsigned long>(wParam), lParam);
  };
  // Whole lines, each from the state the line before ended in.
  const long firstLine = send(Base::SCI_LINEFROMPOSITION, start);
  const long lastLine = send(Base::SCI_LINEFROMPOSITION, end - 1);
  const long lineCount = send(Base::SCI_GETLINECOUNT);
  const long from = send(Base::SCI_POSITIONFROMLINE, firstLine);
  const auto lineStart = [&](long line) {
    return line >= lineCount ? send(Base::SCI_GETLENGTH) : send(Base::SCI_POSITIONFROMLINE, line);
  };
  const long to = lineStart(lastLine + 1);
  if (to <= from) return;
  const char* text = reinterpret_cast<const char*>(send(Base::SCI_GETRANGEPOINTER, from, to - from));
  if (!text) return;

  LexState state = firstLine > 0 ? LexState::Unpack(static_cast<int>(send(Base::SCI_GETLINESTATE, firstLine - 1)))
                                 : LexState{};
  std::string styles(static_cast<size_t>(to - from), '\0');
  auto* lineStyles = reinterpret_cast<uint8_t*>(styles.data());
  long lineBegin = from;
  for (long line = firstLine; line <= lastLine; ++line) {
    const long lineEnd = lineStart(line + 1);
    StyleLineInto(std::string_view(text + (lineBegin - from), static_cast<size_t>(lineEnd - lineBegin)), state,
                  maxBells_, lineStyles + (lineBegin - from));
    // Scintilla announces a line state only when it changes.
    send(Base::SCI_SETLINESTATE, line, state.Pack());
    lineBegin = lineEnd;
  }
  send(Base::SCI_STARTSTYLING, from, 0);
  ed->SendScintilla(Base::SCI_SETSTYLINGEX, static_cast<uintptr_t>(to - from), styles.data());
}

}  // namespace tolvern::app
