// The last proof's errors and warnings, marked at their lines of the Input
// page: a symbol in a narrow margin, a squiggle under the text a message
// quotes, and the message when the mouse rests on either. A mark goes when
// its line is edited, and all go at the next proof.
#pragma once

#include <QObject>
#include <QString>
#include <utility>
#include <vector>

#include "document_text.h"
#include "outputs.h"

namespace tolvern::app {

class EditorPage;

class DiagnosticMarks : public QObject {
  Q_OBJECT

 public:
  static constexpr int ErrorMarker = 1;
  static constexpr int WarningMarker = 2;
  static constexpr int QuotedIndicator = 8;

  explicit DiagnosticMarks(EditorPage* editor);

  // Replaces the marks; the messages' bytes are in `encoding`.
  void Show(const std::vector<Diagnostic>& diagnostics, TextEncoding encoding);
  void Clear();
  // While the page's text is rewritten line by line (line numbers), edits
  // are not the user's and take no marks away.
  void SetFollowingEdits(bool following) { followingEdits_ = following; }

  // Lines that still carry a mark. Each question costs a pass over the
  // page's lines, never one a mark: a proof can mark thousands of lines.
  int MarkedLines() const;
  // The messages marked at a line (0-based), or under the squiggle at a
  // document position; empty when there are none.
  QString MessagesOfLine(int line) const;
  QString MessagesAt(long position) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Mark {
    int handle;  // the margin symbol, which moves with its line
    int line;    // where it was put
    QString messages;
  };

  void DefineSymbols();
  void Underline(int line, const QString& quoted, int value);
  void TextModified(int position, int modificationType);
  void UpdateMargin();

  EditorPage* editor_;
  std::vector<Mark> marks_;
  bool followingEdits_ = true;
};

// The text a message quotes between square brackets at its end, if any.
QString QuotedText(const QString& detail);
// Where `quoted` stands in `line`, letter case and blanks inside it aside
// (names are quoted in capitals without their blanks): [from, to) in
// characters, or {-1, -1}.
std::pair<qsizetype, qsizetype> FindQuoted(const QString& line, const QString& quoted);

}  // namespace tolvern::app
