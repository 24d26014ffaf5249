// The engine's lines for one page, gathered off the window's thread and made
// ready for the editor there too, so that a page of a million lines costs the
// window one call.
#pragma once

#include <QByteArray>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "documents.h"
#include "outputs.h"

namespace tolvern::app {

// A page holds at most this many lines; a touch that would write more stops
// in order. Set from measured memory: the editor holds about 150 bytes a line
// of rows (text, styles and its line tables), so a full page costs about
// 300 MB, and the lines on their way to it a tenth of that again.
inline constexpr size_t DefaultPageLineLimit = 2'000'000;
// The memo is a plain text widget, several times dearer a line: a touch that
// writes this many progress lines (rounds reached again and again) stops.
inline constexpr size_t MemoLineLimit = 100'000;

// The lines of one page as one block of bytes, each line ended by '\n'.
// Past `limit` lines it asks the run to stop in order; the lines that still
// arrive (the stop line, the report) are kept.
class PageLines : public LineSink {
 public:
  PageLines() = default;
  PageLines(size_t limit, RunControl* control, std::string stopLine)
      : limit_(limit), control_(control), stopLine_(std::move(stopLine)) {}

  void Append(std::string_view line) override;

  const std::string& bytes() const { return bytes_; }
  size_t lineCount() const { return count_; }
  std::vector<std::string> Lines() const;

 private:
  std::string bytes_;
  size_t count_ = 0;
  size_t limit_ = 0;  // 0: no limit
  RunControl* control_ = nullptr;
  std::string stopLine_;
};

// What a proof stopped by a full page or memo writes.
std::string PageLimitStopLine(size_t limit);
std::string MemoLimitStopLine(size_t limit);

// A stretch of underlined text in the editor's bytes.
struct Stretch {
  size_t start;
  size_t length;
};

// A page's text in the editor's encoding (UTF-8), lines joined by '\n'.
struct DisplayText {
  QByteArray utf8;
  size_t lines = 0;
  std::vector<Stretch> underlined;
};

// `lines` as the editor shows them: bytes in `encoding` become UTF-8 (a line
// that is not valid UTF-8 is shown byte for byte as Latin-1, never replaced);
// with `underline`, each line's markers are taken out and the stretches
// between them recorded.
DisplayText MakeDisplayText(const std::string& lines, TextEncoding encoding, bool underline);

// The underlining pass over one line: removes the markers and appends the
// stretches they enclose (offsets within the line, added to `base`).
void TakeOutUnderlineMarkers(std::string& line, size_t base, std::vector<Stretch>& stretches);

}  // namespace tolvern::app
