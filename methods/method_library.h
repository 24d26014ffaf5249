// Methods by name: the record of a method and the library searched by title.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tolvern {
class JsonWriter;
}

namespace tolvern::methods {

struct Method {
  std::string title;           // "Cambridge Surprise Major"
  std::string name;            // the SIRIL definition name: "CambridgeSurpriseMajor"
  int stage = 0;
  std::string classification;  // "Surprise", "Little Bob", ...; empty when not known
  int leadLength = 0;
  std::string leadHead;        // in SIRIL's bell symbols
  std::string notation;        // as its source writes it
  std::string siril;           // definition body ringing one whole lead, lead end included
  std::string source;          // the file it came from, or "built-in"
  std::string note;            // the comment of a SIRIL library line
};

// A definition name the SIRIL reader accepts, made from a title: the ASCII
// letters and digits of its words, each capitalised ("CambridgeSurpriseMajor"). A
// name may not start with a digit (that would read as a count), so such a
// title gets "M" in front.
std::string SirilNameOf(std::string_view title);

// The method as a JSON object (title, name, stage, classification, lead
// length and head, notation, SIRIL notation, source, and the note when there
// is one): what `tolvern methods --json` and the page read.
void WriteMethodJson(JsonWriter& json, const Method& method);

class MethodLibrary {
 public:
  // Adds a method unless the library has one of the same title (any letter
  // case) and stage: the source added first wins.
  bool Add(Method method);

  const std::vector<Method>& methods() const { return methods_; }
  size_t size() const { return methods_.size(); }

  // The methods whose title has, for every word of `query`, a word it begins
  // (any letter case, any order); a number in the query may instead be the
  // stage ("grandsire 9"), and a stage name matches the method's stage. With
  // `stage` > 0 only that stage. Best first: the exact title, then fewer
  // title words the query left unmatched, then the most rung stages, then
  // by title.
  std::vector<const Method*> Search(std::string_view query, int stage = 0) const;

 private:
  struct Word {
    uint32_t start;
    uint32_t length;
  };
  std::vector<Method> methods_;
  std::string folded_;                // every title in lower case, one after another
  std::vector<Word> words_;           // the words of each title, in folded_
  std::vector<uint32_t> firstWord_;   // each method's first word; one more at the end
  std::vector<uint32_t> titleStart_;  // each method's title in folded_
  std::unordered_set<std::string> keys_;  // folded title and stage, for Add
};

}  // namespace tolvern::methods
