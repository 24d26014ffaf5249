#include "method_library.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "json_writer.h"
#include "stages.h"

namespace tolvern::methods {

namespace {

// Most rung first: the order in which stages of equally good matches are listed.
constexpr std::array<int, 17> StageRank = {99, 99, 99, 13, 8, 4, 1, 3, 0, 6, 2, 7, 5, 14, 9, 15, 10};

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Letters, digits and every byte of a multi-byte character belong to words;
// blanks and punctuation part them ("St Clement's" is "st clement s").
bool IsWordByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || byte >= 0x80;
}

template <typename Visit>
void ForEachWord(std::string_view text, Visit visit) {
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && !IsWordByte(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && IsWordByte(text[i])) ++i;
    if (i > start) visit(start, i - start);
  }
}

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = Fold(c);
  return folded;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::string SirilNameOf(std::string_view title) {
  std::string name;
  bool wordStart = true;
  for (char c : title) {
    if (c == ' ' || c == '\t' || c == '-') {
      wordStart = true;
      continue;
    }
    const bool ascii = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!ascii) continue;  // "St Clement's" is StClements
    name += wordStart && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    wordStart = false;
  }
  if (name.empty()) return "Method";
  if (name[0] >= '0' && name[0] <= '9') name = "M" + name;
  return name;
}

void WriteMethodJson(JsonWriter& json, const Method& method) {
  json.BeginObject();
  json.Key("title").String(method.title);
  json.Key("name").String(method.name);
  json.Key("stage").Int(method.stage);
  json.Key("classification").String(method.classification);
  json.Key("leadLength").Int(method.leadLength);
  json.Key("leadHead").String(method.leadHead);
  json.Key("notation").String(method.notation);
  json.Key("siril").String(method.siril);
  json.Key("source").String(method.source);
  if (!method.note.empty()) json.Key("note").String(method.note);
  json.EndObject();
}

bool MethodLibrary::Add(Method method) {
  std::string key = Folded(method.title);
  key += '\n';
  key += std::to_string(method.stage);
  if (!keys_.insert(std::move(key)).second) return false;

  titleStart_.push_back(static_cast<uint32_t>(folded_.size()));
  firstWord_.push_back(static_cast<uint32_t>(words_.size()));
  const auto base = static_cast<uint32_t>(folded_.size());
  ForEachWord(method.title, [&](size_t start, size_t length) {
    words_.push_back({base + static_cast<uint32_t>(start), static_cast<uint32_t>(length)});
  });
  for (char c : method.title) folded_ += Fold(c);
  methods_.push_back(std::move(method));
  return true;
}

std::vector<const Method*> MethodLibrary::Search(std::string_view query, int stage) const {
  const std::string folded = Folded(query);
  std::vector<std::string_view> queryWords;
  ForEachWord(folded, [&](size_t start, size_t length) { queryWords.push_back(std::string_view(folded).substr(start, length)); });
  std::vector<int> numbers;  // each query word as a number, or -1
  for (std::string_view word : queryWords) {
    int value = -1;
    if (word.size() <= 2 && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
      value = std::stoi(std::string(word));
    numbers.push_back(value);
  }
  if (queryWords.empty() && stage <= 0) return {};
  std::array<std::string, 17> stageNames;
  for (const Stage& s : Stages) stageNames[static_cast<size_t>(s.bells)] = Folded(s.name);

  struct Hit {
    uint32_t index;
    bool exact;
    int extra;
    int rank;
  };
  std::vector<Hit> hits;
  const std::string_view titles(folded_);
  for (uint32_t i = 0; i < methods_.size(); ++i) {
    const Method& method = methods_[i];
    if (stage > 0 && method.stage != stage) continue;
    const uint32_t first = firstWord_[i];
    const uint32_t last = i + 1 < firstWord_.size() ? firstWord_[i + 1] : static_cast<uint32_t>(words_.size());
    const std::string_view stageName =
        method.stage >= 0 && method.stage < 17 ? std::string_view(stageNames[static_cast<size_t>(method.stage)]) : "";
    uint64_t matched = 0;
    bool all = true;
    for (size_t q = 0; q < queryWords.size() && all; ++q) {
      bool found = false;
      for (uint32_t w = first; w < last; ++w)
        if (StartsWith(titles.substr(words_[w].start, words_[w].length), queryWords[q])) {
          found = true;
          if (w - first < 64) matched |= uint64_t{1} << (w - first);
        }
      found = found || numbers[q] == method.stage || (!stageName.empty() && StartsWith(stageName, queryWords[q]));
      all = found;
    }
    if (!all) continue;
    bool exact = last - first == queryWords.size();
    for (uint32_t w = first; w < last && exact; ++w)
      exact = titles.substr(words_[w].start, words_[w].length) == queryWords[w - first];
    const int extra = static_cast<int>(last - first) - std::popcount(matched);
    const int rank = method.stage >= 0 && method.stage < 17 ? StageRank[static_cast<size_t>(method.stage)] : 99;
    hits.push_back({i, exact, extra, rank});
  }
  std::sort(hits.begin(), hits.end(), [&](const Hit& a, const Hit& b) {
    if (a.exact != b.exact) return a.exact;
    if (a.extra != b.extra) return a.extra < b.extra;
    if (a.rank != b.rank) return a.rank < b.rank;
    const std::string_view ta = titles.substr(titleStart_[a.index], methods_[a.index].title.size());
    const std::string_view tb = titles.substr(titleStart_[b.index], methods_[b.index].title.size());
    if (ta != tb) return ta < tb;
    return a.index < b.index;
  });
  std::vector<const Method*> found;
  found.reserve(hits.size());
  for (const Hit& hit : hits) found.push_back(&methods_[hit.index]);
  return found;
}

}  // namespace tolvern::methods
