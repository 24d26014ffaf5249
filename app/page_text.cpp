#include "page_text.h"

#include "documents.h"

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

namespace {

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t extra;
    uint32_t code;
    if ((c & 0xE0) == 0xC0) extra = 1, code = c & 0x1F;
    else if ((c & 0xF0) == 0xE0) extra = 2, code = c & 0x0F;
    else if ((c & 0xF8) == 0xF0) extra = 3, code = c & 0x07;
    else return false;
    if (i + extra >= n) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const auto d = static_cast<unsigned char>(bytes[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      code = (code << 6) | (d & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    static constexpr uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

void AppendLatin1AsUtf8(std::string& out, std::string_view bytes) {
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
}

}  // namespace

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
    const bool plain = IsAscii(bytes);
    const bool asLatin1 = !plain && (encoding == TextEncoding::Latin1 || !IsValidUtf8(bytes));
    if (underline && bytes.find(UnderlineMarker) != std::string_view::npos) {
      line.clear();
      if (asLatin1) AppendLatin1AsUtf8(line, bytes);
      else line.assign(bytes);
      TakeOutUnderlineMarkers(line, out.size(), display.underlined);
      out += line;
    } else if (asLatin1) {
      AppendLatin1AsUtf8(out, bytes);
    } else {
      out.append(bytes);
    }
    start = end + 1;
  }
  display.utf8 = QByteArray(out.data(), static_cast<qsizetype>(out.size()));
  return display;
}

}  // namespace tolvern::app
