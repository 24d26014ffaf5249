#include "page_text.h"

#include "document_text.h"
#include "text_encoding.h"

namespace tolvern::app {

void PageLines::Append(std::string_view line) {
  bytes_.append(line);
  bytes_.push_back('\n');
  ++count_;
  if (limit_ != 0 && count_ == limit_ && control_) control_->RequestStop(stopLine_);
}

std::vector<std::string> PageLines::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(count_);
  size_t start = 0;
  for (size_t end = bytes_.find('\n'); end != std::string::npos; end = bytes_.find('\n', start)) {
    lines.emplace_back(bytes_, start, end - start);
    start = end + 1;
  }
  return lines;
}

std::string PageLimitStopLine(size_t limit) {
  return "Proof stopped: a page reached " + std::to_string(limit) + " lines";
}

std::string MemoLimitStopLine(size_t limit) {
  return "Proof stopped: the progress lines reached " + std::to_string(limit);
}

void TakeOutUnderlineMarkers(std::string& line, size_t base, std::vector<Stretch>& stretches) {
  // Each search starts again from the front of the line as it now stands.
  size_t first = line.find(UnderlineMarker);
  while (first != std::string::npos) {
    line.erase(first, UnderlineMarker.size());
    const size_t second = line.find(UnderlineMarker);
    if (second != std::string::npos) {
      line.erase(second, UnderlineMarker.size());
      if (second > first) stretches.push_back({base + first, second - first});
    } else if (line.size() > first) {
      stretches.push_back({base + first, line.size() - first});
    }
    first = line.find(UnderlineMarker);
  }
}

DisplayText MakeDisplayText(const std::string& lines, TextEncoding encoding, bool underline) {
  DisplayText display;
  std::string out;
  out.reserve(lines.size() + lines.size() / 16);
  std::string line;
  size_t start = 0;
  while (start < lines.size()) {
    size_t end = lines.find('\n', start);
    if (end == std::string::npos) end = lines.size();
    const std::string_view bytes(lines.data() + start, end - start);
    if (display.lines > 0) out.push_back('\n');
    ++display.lines;
    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      AppendLineAsUtf8(line, bytes, encoding);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else {
      AppendLineAsUtf8(out, bytes, encoding);
    }
    start = end + 1;
  }
  display.utf8 = QByteArray(out.data(), static_cast<qsizetype>(out.size()));
  return display;
}

}  // namespace tolvern::app
