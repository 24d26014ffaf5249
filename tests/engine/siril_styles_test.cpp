// The colouring of SIRIL text, line by line, and held to what the reader
// makes of the same text.
#include "siril_styles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine.h"
#include "style_codes.h"

namespace tolvern {
namespace {

using testing::Codes;
using testing::ExpectStyles;

std::string Repeat(char code, size_t n) { return std::string(n, code); }

TEST(SirilLexer, StageLineCommentsAndBlankLinesBeforeIt) {
  ExpectStyles({
      {"", ""},
      {"/ a touch of Minor", "//////////////////"},
      {"  6 bells  / six", "..BBBBBBB../////"},
      {"Touch = A, 2B", "DDDDD......c."},
  });
  // The first statement is the stage line even when refused; it defines nothing.
  ExpectStyles({{"3 BELLS", "......."}, {"A = B", "D...."}});
  ExpectStyles({{"6 BELLS, x", ".........."}, {"A = B", "D...."}});
  ExpectStyles({{"Touch = A", "........."}, {"A = B", "D...."}});
  ExpectStyles({{"14 BELLS", "........"}}, 12);
  ExpectStyles({{"14 BELLS", "BBBBBBBB"}}, 16);
}

TEST(SirilLexer, DefinitionHeadsAndPredefinedNames) {
  ExpectStyles({
      {"8 BELLS", "BBBBBBB"},
      {"Plain Bob = P, TRUE", "DDDDDDDDD......PPPP"},  // names keep their inner blanks
      {"true = \"ok\"", "PPPP...ssss"},
      {"Every Row=", "PPPPPPPPP."},
      {"2 A = B", "......."},  // "Illegal number at start of line": ignored
      {"A B", "..."},          // no "=": the name defines nothing
      {"-A = B", "DD...."},    // an illegal first character is reported, and the name read on
  });
}

TEST(SirilLexer, PlaceNotationNamesThatLookAlikeAndCounts) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"Lead = &x16x16x16, +12", std::string("DDDD...") + Repeat('n', 10) + ".." + "nnn"},
      // Without & or + it is a name, whatever it looks like; with one, X is a cross.
      {"X = x16x16, X, &X", std::string("D") + Repeat('.', 14) + "nn"},
      // Notation reads on across blanks while the characters are notation: "bad" is places a, b, d.
      {"A = +12 bad, & 1 x 4", std::string("D...") + Repeat('n', 7) + ".." + Repeat('n', 7)},
      // ... and stops at the first that is not: "ob" is extra text, not read.
      {"B = +12 Bob, C", std::string("D...") + Repeat('n', 5) + Repeat('.', 5)},
      // Counts, with and without "*", their digits read across blanks.
      {"C = 3*P, 2 \"x\", 4 &-1-1, 1 2 Q, 3 * R",
       std::string("D...") + "cc." + ".." + "c.sss" + ".." + "c.nnnnn" + ".." + "ccc.." + ".." + "c.c.."},
  });
}

TEST(SirilLexer, StringsAndTheirSymbols) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"S = \"@ -H #$_\"", "D...s!ssss!!!s"},
      // An escaped character is one character, however many bytes: \xC3\xA9 is one.
      {"T = \"\\@\\\\x\\\xC3\xA9\"", "D...s!e!es!ees"},
      // $$ halts only as the last two characters.
      {"U = \"Touch is True$$\", \"$$$\"", std::string("D...s") + Repeat('s', 13) + "HHs" + ".." + "s!HHs"},
      // A backslash before the closing quote keeps the printed line open.
      {"V = \"keep\\\"", "D...sssss!s"},
      // There is no escaped quote: the first inner quote ends the string, and
      // "Additional text found at end of line" leaves the rest unread.
      {"W = \"a\\\"b\", C", "D...ss!s....."},
      {"X = \"unclosed @", std::string("D...s") + Repeat('s', 9) + "!"},
  });
}

TEST(SirilLexer, LeadHeadMarkers) {
  ExpectStyles({
      {"8 BELLS", "BBBBBBB"},
      {"C = \"[Cambridge]\", \"Cambridge  \\\"",
       std::string("D...") + Repeat('M', 13) + ".." + "s" + Repeat('s', 11) + "!s"},
      {"P = \"[PB\", \"PB]\"", "D...sssss..sssss"},
      // In a group a marker counts as one only where the reader makes one: a group
      // that begins with it loses the quotes and cannot be read at all.
      {"G = (A, \"[PB]\"), (\"[PB]\", A)",
       std::string("D...") + Repeat('.', 4) + Repeat('M', 6) + "." + ".." + Repeat('.', 11)},
  });
}

TEST(SirilLexer, EndAndTheLinesAfterIt) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"T = A", "D...."},
      {"end / done", "EEE.//////"},
      {"B = C", "/////"},
      {"", ""},
      {"  \"x\"", "/////"},
  });
  // END as the first statement: nothing more of its line is read.
  ExpectStyles({{"6 BELLS", "BBBBBBB"}, {"END = A", "EEE.///"}, {"A = B", "/////"}});
  // END on a continuation line is only a name in the body.
  ExpectStyles({{"6 BELLS", "BBBBBBB"}, {"T = A,", "D....."}, {"END", "..."}, {"B = C", "D...."}});
}

TEST(SirilLexer, ContinuationLines) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"Touch = A, B,  / more", std::string("DDDDD") + Repeat('.', 10) + "//////"},
      {"", ""},
      {"   / still", "...///////"},
      // Not a head: Q is the next element of Touch, and "= D, E" is not read.
      {"  Q = D, E", ".........."},
      {"F = G, &x1, MUSIC", "D......nnn..PPPPP"},
  });
  // A comma ending a line inside brackets does not continue the statement.
  ExpectStyles({{"6 BELLS", "BBBBBBB"}, {"T = (A,", "D......"}, {"B = C", "D...."}});
}

TEST(SirilLexer, BracketGroupsAreReadAsTheirOwnDefinitions) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"T = 2(B, &x1, \"@\"), 3((C)) / c",
       std::string("D...c") + "...." + "nnn" + ".." + "s!s" + "." + ".." + "c" + "....." + "." + "///"},
      // A comment inside a group runs to its closing bracket, not to the end of the line.
      {"U = (A / x), B", "D......///...."},
  });
}

// Runs cover each line in order and never split a UTF-8 character, whatever the bytes.
TEST(SirilLexer, RunsCoverEveryLineAndKeepCharactersWhole) {
  std::vector<std::string> alphabet = {"\xC3\xA9", "\xE2\x82\xAC", "\r", "\t"};
  for (char c : std::string("ABXx16&+-.,*=/\"()[]@#$\\_ 7")) alphabet.emplace_back(1, c);
  std::mt19937 random(12345);
  LexState state;
  for (int i = 0; i < 3000; ++i) {
    std::string line;
    const int length = static_cast<int>(random() % 60);
    for (int j = 0; j < length; ++j) line += alphabet[random() % alphabet.size()];
    if (i % 500 == 0) line = "A = " + std::string(300, '(') + "B" + std::string(300, ')');  // past the nesting limit
    if (i % 500 == 1) line = "A = " + std::string(50, '(') + "\"@\"" + std::string(50, ')');
    const std::vector<StyledRun> runs = StyleSirilLine(line, state);
    int next = 0;
    for (const StyledRun& run : runs) {
      ASSERT_EQ(run.start, next) << line;
      ASSERT_GT(run.length, 0) << line;
      ASSERT_TRUE(run.style >= 0 && run.style < SirilStyleCount) << line;
      ASSERT_NE(static_cast<unsigned char>(line[static_cast<size_t>(run.start)]) & 0xC0, 0x80) << line;
      next = run.start + run.length;
    }
    ASSERT_EQ(next, static_cast<int>(line.size())) << line;
    if (i % 500 == 1) {
      EXPECT_NE(Codes(runs).find("s!s"), std::string::npos) << "a string 50 groups deep is read";
    }
  }
}


// ---------------------------------------------------------------------------
// What the colouring says of each statement, set beside what the reader made
// of it: the names referred to, strings, markers, counts, and whether there
// is place notation. A divergence in either grammar shows up here.

struct Statement {
  std::vector<std::string> names;    // referred to, upper-cased, blanks taken out
  std::vector<std::string> strings;  // as written, quotes included
  std::vector<std::string> markers;  // "[...]"
  std::vector<int64_t> counts;       // repeat counts above 1
  bool notation = false;
  bool operator==(const Statement&) const = default;
};

std::string Squeezed(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\t') out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return out;
}

void Sort(Statement& s) {
  for (auto* list : {&s.names, &s.strings, &s.markers}) std::sort(list->begin(), list->end());
  std::sort(s.counts.begin(), s.counts.end());
}

// The reader's definitions by name, their bodies flattened through the
// blocks it made of bracket groups and counted notation.
std::map<std::string, Statement> ReaderStatements(DefinitionTable& table) {
  std::map<std::string, Statement> found;
  const auto walk = [](const TCompElement* record, Statement& into, auto& self) -> void {
    for (const TCompElement* e = record->Next; e; e = e->Next) {
      if (e->Repeat > 1) into.counts.push_back(e->Repeat);
      switch (e->Kind) {
        case ElementKind::Reference:
          if (e->Link->Text.starts_with("%BLOCK")) self(e->Link, into, self);
          else into.names.emplace_back(e->Link->Text);
          break;
        case ElementKind::String: into.strings.emplace_back(e->Text); break;
        case ElementKind::Marker: into.markers.emplace_back(e->Text); break;
        case ElementKind::Change: into.notation = true; break;
        default: break;
      }
    }
  };
  for (const TCompElement* record = table.Head(); record; record = record->Link) {
    if (record->Text.starts_with("%BLOCK") || record->Line < 0 || !record->Next) continue;
    Statement& s = found[std::string(record->Text)];
    walk(record, s, walk);
    Sort(s);
  }
  std::erase_if(found, [](const auto& entry) { return entry.second == Statement{}; });
  return found;
}

// The colouring's statements, from the runs of every line.
std::map<std::string, Statement> ColouredStatements(const std::vector<std::string>& lines) {
  std::map<std::string, Statement> found;
  Statement* current = nullptr;
  LexState state;
  for (const std::string& line : lines) {
    const std::vector<StyledRun> runs = StyleSirilLine(line, state, 16);
    for (size_t r = 0; r < runs.size(); ++r) {
      const StyledRun& run = runs[r];
      const std::string_view text = std::string_view(line).substr(static_cast<size_t>(run.start), static_cast<size_t>(run.length));
      const bool nextIsEquals = r + 1 < runs.size() && line.find_first_not_of(" \t", static_cast<size_t>(run.start + run.length)) ==
                                                           line.find('=', static_cast<size_t>(run.start + run.length));
      switch (run.style) {
        case SirilDefinitionName: current = &found[Squeezed(text)]; break;
        case SirilPredefinedName:
          if (nextIsEquals && (!current || r == 0 || line.find_first_not_of(" \t") == static_cast<size_t>(run.start)))
            current = &found[Squeezed(text)];
          else if (current) current->names.push_back(Squeezed(text));
          break;
        case SirilString:
        case SirilStringSpecial:
        case SirilStringEscaped:
        case SirilStringHalt:
          if (!current) break;
          // A string's runs follow one another; it starts with its quote.
          if (run.style == SirilString && text.front() == '"' &&
              (r == 0 || runs[r - 1].style < SirilString || runs[r - 1].style > SirilStringHalt ||
               current->strings.empty() || (current->strings.back().size() > 1 && current->strings.back().back() == '"')))
            current->strings.emplace_back(text);
          else if (!current->strings.empty())
            current->strings.back() += text;
          break;
        case SirilMarker:
          if (current) {
            std::string marker(text);
            std::erase(marker, '"');
            current->markers.push_back(marker);
          }
          break;
        case SirilCount:
          if (current) {
            // Its digits, read across blanks; a "*" apart from them is styled as the count too.
            std::string digits = Squeezed(text);
            std::erase(digits, '*');
            if (!digits.empty() && std::stoll(digits) > 1) current->counts.push_back(std::stoll(digits));
          }
          break;
        case SirilPlaceNotation:
          if (current) current->notation = true;
          break;
        case SirilDefault:
          if (!current) break;
          // References are the names between commas and brackets (and the head's "=").
          for (size_t i = 0; i < text.size();) {
            const size_t end = text.find_first_of(",()=", i);
            const std::string name = Squeezed(text.substr(i, end == std::string_view::npos ? end : end - i));
            if (!name.empty()) current->names.push_back(name);
            if (end == std::string_view::npos) break;
            i = end + 1;
          }
          break;
        default: break;
      }
    }
  }
  for (auto& [name, s] : found) Sort(s);
  std::erase_if(found, [](const auto& entry) { return entry.second == Statement{}; });
  return found;
}

// A random composition: names with blanks, counts with and without "*",
// nested groups, notation of both kinds, strings with their symbols,
// markers, comments, continuation lines and predefined names.
std::string RandomComposition(std::mt19937& random) {
  const auto pick = [&](std::initializer_list<const char*> options) {
    return std::string(options.begin()[random() % options.size()]);
  };
  const auto element = [&](auto& self, int depth) -> std::string {
    const std::string count = pick({"", "", "", "2 ", "3*", "1 2 ", "1 "});
    switch (random() % (depth > 2 ? 6 : 7)) {
      case 0: return count + pick({"", "4 * "}) + pick({"A", "Plain Bob", "lead", "B2", "TRUE", "x16"});
      case 1: return count + pick({"&x16x16x16", "+12", "&-1-1", "+1.6", "& 1 x 4", "+x"});
      case 2: return count + pick({"\"@\"", "\"@  - H\"", "\"\\@\\\\x\"", "\"Touch $$\"", "\"#$_ok_\"", "\"keep\\\""});
      case 3: return depth == 0 ? pick({"\"[PB]\"", "\"[Cambridge]\""}) : "A";
      case 4: return pick({"A", "B2", "Plain Bob"});
      case 5: return count + pick({"\"caf\xC3\xA9\"", "\"\xE9t\xE9\""});
      default: {
        std::string group = count + "(";
        const int n = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < n; ++i) group += (i ? ", " : "") + self(self, depth + 1);
        return group + ")";
      }
    }
  };
  std::string text = pick({"6 BELLS\n", "  8 bells / eight\n", "16 BELLS\n"});
  const char* names[] = {"Touch", "A", "Plain Bob", "lead", "B2", "TRUE", "Conflict", "MUSIC"};
  for (const char* name : names) {
    if (random() % 4 == 0 && std::string(name) != "Touch") continue;
    text += std::string(name) + " = ";
    const int n = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < n; ++i) {
      text += element(element, 0);
      if (i + 1 == n) break;
      text += pick({", ", ", ", ", ", ",  / more\n   ", ",\n"});
    }
    if (random() % 3 == 0) text += "  / a comment";
    text += pick({"\n", "\r\n", "\n\n"});
  }
  if (random() % 4 == 0) text += "END\nanything = at all\n";
  return text;
}

TEST(SirilStyles, EachStatementIsColouredAsTheReaderReadsIt) {
  std::vector<std::string> texts;
  for (const char* example : {"cambridge-surprise-maximus.max", "cambridge-surprise-royal.roy",
                                      "false-plain-bob-minor.min", "grandsire-caters.cat", "grandsire-doubles.dou",
                                      "grandsire-triples.tri", "plain-bob-minimus.sir", "plain-bob-minor-peal.min",
                                      "plain-bob-minor.min", "spliced-surprise-major.maj"}) {
    std::ifstream in(std::string(TOLVERN_EXAMPLES) + "/" + std::string(example), std::ios::binary);
    texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ASSERT_FALSE(texts.back().empty()) << example;
  }
  std::mt19937 random(2026);
  for (int i = 0; i < 4000; ++i) texts.push_back(RandomComposition(random));

  int compared = 0;
  for (const std::string& text : texts) {
    const std::vector<std::string> lines = SplitLines(text);
    RunOptions options;
    options.MaxNumberBells = 16;
    Engine engine(options);
    engine.parser().ParseComposition(lines);
    // After an error the reader skips what the colouring cannot know it skips.
    if (engine.diagnostics().ErrorCount > 0) {
      engine.parser().FreeDefinitions();
      continue;
    }
    const auto reader = ReaderStatements(engine.table());
    engine.parser().FreeDefinitions();
    const auto coloured = ColouredStatements(lines);
    ASSERT_EQ(coloured.size(), reader.size()) << text;
    for (const auto& [name, statement] : reader) {
      const auto found = coloured.find(name);
      ASSERT_NE(found, coloured.end()) << name << " in\n" << text;
      EXPECT_EQ(found->second.names, statement.names) << name << " in\n" << text;
      EXPECT_EQ(found->second.strings, statement.strings) << name << " in\n" << text;
      EXPECT_EQ(found->second.markers, statement.markers) << name << " in\n" << text;
      EXPECT_EQ(found->second.counts, statement.counts) << name << " in\n" << text;
      EXPECT_EQ(found->second.notation, statement.notation) << name << " in\n" << text;
      if (::testing::Test::HasFailure()) return;
    }
    ++compared;
  }
  // Most random texts are good SIRIL; the test must have compared them.
  EXPECT_GT(compared, 2000);
}

}  // namespace
}  // namespace tolvern
