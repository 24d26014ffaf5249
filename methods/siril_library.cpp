#include "siril_library.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine.h"
#include "notation.h"
#include "stages.h"

namespace tolvern::methods {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

// `n BELLS`, with an optional comment: the stage, else 0.
int StageLine(std::string_view line) {
  line = Trim(line);
  const size_t comment = line.find('/');
  if (comment != std::string_view::npos) line = Trim(line.substr(0, comment));
  size_t i = 0;
  int stage = 0;
  while (i < line.size() && (IsDigit(line[i]) || IsBlank(line[i]))) {
    if (IsDigit(line[i])) stage = std::min(stage * 10 + (line[i] - '0'), 1000);
    ++i;
  }
  return i > 0 && Lower(Trim(line.substr(i))) == "bells" ? stage : 0;
}

// "CambridgeSurpriseMajor" -> "Cambridge Surprise Major"; "PB2" -> "PB 2".
std::string TitleOfName(std::string_view name) {
  std::string title;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (i > 0) {
      const char before = name[i - 1];
      const bool lowerToUpper = before >= 'a' && before <= 'z' && c >= 'A' && c <= 'Z';
      const bool kindChange = (IsDigit(before) && IsLetter(c)) || (IsLetter(before) && IsDigit(c));
      if (lowerToUpper || kindChange) title += ' ';
    }
    title += c == '-' ? ' ' : c;
  }
  return title;
}

}  // namespace

int StageOfExtension(std::string_view extension) {
  const std::string lower = Lower(extension);
  if (lower.size() < 2 || lower[0] != '.') return 0;
  for (const Stage& stage : Stages)
    if (!stage.extension.empty() && std::string_view(lower).substr(1) == stage.extension) return stage.bells;
  return 0;
}

int StageOfSirilText(std::string_view bytes) {
  while (!bytes.empty()) {
    const size_t end = bytes.find_first_of("\r\n");
    const std::string_view line = Trim(bytes.substr(0, end));
    if (!line.empty() && line.front() != '/') return StageLine(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return 0;
}

LibraryReadResult ReadSirilLibrary(std::string_view bytes, int stage, const std::string& source, MethodLibrary& library) {
  LibraryReadResult result;
  const std::vector<std::string> lines = SplitLines(bytes);
  bool stageLineSeen = false;
  for (size_t at = 0; at < lines.size(); ++at) {
    const std::string_view line = Trim(lines[at]);
    if (line.empty() || line.front() == '/') continue;
    if (!stageLineSeen) {
      stageLineSeen = true;
      if (const int bells = StageLine(line)) {
        stage = bells;
        continue;
      }
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    std::string name;
    for (char c : line.substr(0, equals))
      if (!IsBlank(c)) name += c;
    if (name.empty() || !IsLetter(name[0]) ||
        !std::all_of(name.begin(), name.end(), [](char c) { return IsLetter(c) || IsDigit(c) || c == '!' || c == '%' || c == '-'; }))
      continue;
    // The body, with its continuation lines (a comma ending a line goes on).
    std::string body;
    std::string note;
    std::string_view rest = line.substr(equals + 1);
    while (true) {
      const size_t slash = rest.find('/');
      if (slash != std::string_view::npos) {
        if (note.empty()) note = std::string(Trim(rest.substr(slash + 1)));
        rest = rest.substr(0, slash);
      }
      body += Trim(rest);
      if (body.empty() || body.back() != ',' || at + 1 >= lines.size()) break;
      body += ' ';
      rest = lines[++at];
    }
    if (body.find('"') != std::string::npos) continue;  // prints or marks: not a method alone
    if (stage < MinStage || stage > MaxStage) {
      if (result.skipped++ == 0)
        result.firstSkipped = source + ": " + name +
                              (stage == 0 ? std::string(": no stage (no BELLS line)")
                                          : ": stage " + std::to_string(stage) + " (SIRIL rings " +
                                                std::to_string(MinStage) + " to " + std::to_string(MaxStage) + " bells)");
      continue;
    }
    const bool notationOnly = std::all_of(body.begin(), body.end(), [](char c) {
      return IsBlank(c) || c == ',' || c == '&' || c == '+' || c == '.' || c == '-' || IsLetter(c) || IsDigit(c);
    });
    if (!notationOnly || (body[0] != '&' && body[0] != '+')) continue;
    Notation notation = FromSirilNotation(body, stage);
    if (!notation.error.empty()) {
      // A definition that refers to others is no method; one of bad notation is.
      if (notation.error.rfind("not place notation", 0) != 0 && result.skipped++ == 0)
        result.firstSkipped = source + ": " + name + ": " + notation.error;
      continue;
    }
    Method method;
    method.title = TitleOfName(name);
    method.name = name;
    method.stage = stage;
    method.leadLength = static_cast<int>(notation.changes.size());
    method.leadHead = RowAfter(notation.changes, stage);
    method.notation = notation.siril;
    method.siril = std::move(notation.siril);
    method.source = source;
    method.note = std::move(note);
    if (library.Add(std::move(method))) ++result.added;
    else ++result.duplicates;
  }
  return result;
}

LibraryReadResult ReadSirilLibraryPath(const std::string& path, MethodLibrary& library) {
  namespace fs = std::filesystem;
  LibraryReadResult total;
  std::error_code error;
  std::vector<fs::path> files;
  if (fs::is_directory(path, error)) {
    for (fs::directory_iterator entry(path, error), end; !error && entry != end; entry.increment(error)) {
      const fs::path& file = entry->path();
      const std::string extension = file.extension().string();
      if (!extension.empty() && IsCompositionExtension(std::string_view(extension).substr(1))) files.push_back(file);
    }
    if (error) {
      total.error = path + ": cannot read the folder";
      return total;
    }
    std::sort(files.begin(), files.end());
  } else {
    files.push_back(path);
  }
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in && !in.eof()) {
      total.error = file.string() + ": cannot read the file";
      return total;
    }
    const LibraryReadResult one =
        ReadSirilLibrary(bytes.str(), StageOfExtension(file.extension().string()), file.string(), library);
    total.added += one.added;
    total.duplicates += one.duplicates;
    if (one.skipped && total.skipped == 0) total.firstSkipped = one.firstSkipped;
    total.skipped += one.skipped;
  }
  return total;
}

}  // namespace tolvern::methods
