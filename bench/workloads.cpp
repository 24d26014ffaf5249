#include "workloads.h"

#include <algorithm>
#include <numeric>
#include <array>
#include <deque>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace tolvern::bench {

namespace {

constexpr std::string_view Symbols = "1234567890ETabcd";

char Symbol(int bell) { return Symbols[static_cast<size_t>(bell - 1)]; }

// splitmix64: small, fast and the same on every platform.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // True with probability numerator / denominator.
  bool Chance(uint64_t numerator, uint64_t denominator) { return Next() % denominator < numerator; }

 private:
  uint64_t state_;
};

// Writes the elements as a definition body, `perLine` to a line, continuing
// long bodies on further lines with a trailing comma.
void AppendBody(Lines& lines, const std::string& head, const std::vector<std::string>& elements,
                size_t perLine) {
  std::string line = head + " = ";
  for (size_t i = 0; i < elements.size(); ++i) {
    line += elements[i];
    if (i + 1 == elements.size()) break;
    line += ",";
    if ((i + 1) % perLine == 0) {
      lines.push_back(line);
      line = "    ";
    } else {
      line += " ";
    }
  }
  lines.push_back(line);
}

// One pseudo-random change on `stage` bells, as its places (empty for the
// cross), drawn uniformly from all changes of the stage.
std::string RandomChange(Random& random, int stage) {
  // ways[n]: the number of changes on n bells (a Fibonacci number).
  std::array<uint64_t, 17> ways{};
  ways[0] = 1;
  ways[1] = 1;
  for (int n = 2; n <= 16; ++n) ways[n] = ways[n - 1] + ways[n - 2];
  std::string places;
  int p = 1;
  while (p <= stage) {
    const int left = stage - p + 1;
    if (left == 1 || random.Chance(ways[left - 1], ways[left])) {
      places.push_back(Symbol(p));
      p += 1;
    } else {
      p += 2;
    }
  }
  return places;
}

// A row rung by a change given as its places: the bells not making a place
// swap in pairs, up to the stage (all N by default).
template <size_t N>
std::array<uint8_t, N> ApplyPlaces(const std::array<uint8_t, N>& row, std::string_view places,
                                   int stage = static_cast<int>(N)) {
  std::array<uint8_t, N> next = row;
  int p = 1;
  while (p < stage) {
    if (places.find(Symbol(p)) != std::string_view::npos) {
      p += 1;
    } else {
      std::swap(next[p - 1], next[p]);
      p += 2;
    }
  }
  return next;
}

// The order of the permutation that takes rounds to `row`: the least common
// multiple of its cycle lengths.
uint64_t OrderOf(const std::array<uint8_t, 16>& row) {
  std::array<bool, 16> seen{};
  uint64_t order = 1;
  for (size_t start = 0; start < 16; ++start) {
    uint64_t length = 0;
    for (size_t at = start; !seen[at]; at = row[at]) {
      seen[at] = true;
      ++length;
    }
    if (length > 0) order = std::lcm(order, length);
  }
  return order;
}

// A row of eight bells, for the peal search.
using Row8 = std::array<uint8_t, 8>;

uint32_t Key(const Row8& row) {
  uint32_t key = 0;
  for (uint8_t bell : row) key = key << 4 | bell;
  return key;
}

// The lead head after one lead of Plain Bob Major from `head`: x18 eight
// times less the last 18, then the lead end 12 (plain) or 14 (bob).
Row8 RingLead(Row8 row, bool bob) {
  for (int i = 0; i < 15; ++i) row = ApplyPlaces(row, i % 2 == 0 ? "" : "18");
  return ApplyPlaces(row, bob ? "14" : "12");
}

}  // namespace

Lines RepeatsComposition(int courses) {
  return {
      "6 BELLS",
      "/ Plain Bob Minor: the plain course rung over and over, rows meant to repeat",
      "Repeats = " + std::to_string(courses) + " Course",
      "Course = 5 Lead",
      "Lead = &x16x16x16, +12",
      "CONFLICT =",
  };
}

Lines DistinctComposition(int definitions, int changesEach, int passes, uint64_t seed, int stage) {
  Random random(seed);
  Lines lines = {std::to_string(stage) + " BELLS"};
  std::vector<std::string> names;
  for (int d = 1; d <= definitions; ++d) names.push_back(std::string("D").append(std::to_string(d)));
  if (passes > 1) lines.push_back("Long = " + std::to_string(passes) + " Distinct");
  AppendBody(lines, "Distinct", names, 20);
  lines.push_back("CONFLICT =");

  std::string previous = "-";  // no change has these places
  std::array<uint8_t, 16> row;
  std::iota(row.begin(), row.end(), uint8_t{0});
  for (int d = 1; d <= definitions; ++d) {
    // The passes ring the same definitions from the row that the pass before
    // ended on; they ring new rows only while that row's permutation has not
    // come back to rounds, so the last definition is drawn again until its
    // order exceeds the number of passes.
    const std::array<uint8_t, 16> start = row;
    const std::string before = previous;
    std::string notation;
    do {
      row = start;
      previous = before;
      notation = std::string("D").append(std::to_string(d)).append(" = +");
      bool lastWasPlaces = false;
      for (int c = 0; c < changesEach; ++c) {
        std::string places;
        // The same change twice running would only ring the row before again.
        do places = RandomChange(random, stage);
        while (places == previous);
        previous = places;
        row = ApplyPlaces(row, places, stage);
        if (places.empty()) {
          notation += 'x';
          lastWasPlaces = false;
        } else {
          if (lastWasPlaces) notation += '.';
          notation += places;
          lastWasPlaces = true;
        }
      }
    } while (d == definitions && passes > 1 && OrderOf(row) <= static_cast<uint64_t>(passes));
    lines.push_back(notation);
  }
  return lines;
}

Lines PealComposition(int minLeads, int maxLeads, int& leads) {
  const Row8 rounds = {1, 2, 3, 4, 5, 6, 7, 8};
  // Plain and bobbed leads of Plain Bob Major are true against each other
  // while their lead heads differ, so a touch whose lead heads never repeat
  // is true. The prover checks that all the same.
  for (uint64_t attempt = 0; attempt < 10000; ++attempt) {
    Random random(0x5EED0000 + attempt);
    std::unordered_set<uint32_t> visited = {Key(rounds)};
    std::vector<bool> calls;  // true for a bob
    Row8 head = rounds;

    for (;;) {
      const int rung = static_cast<int>(calls.size());
      if (rung + 1 >= minLeads - 30) {
        // Shortest way home through lead heads not yet used.
        std::unordered_map<uint32_t, std::pair<uint32_t, bool>> from;  // key -> (previous, bob)
        std::unordered_map<uint32_t, Row8> rows = {{Key(head), head}};
        std::deque<Row8> queue = {head};
        bool home = false;
        while (!queue.empty() && !home) {
          const Row8 at = queue.front();
          queue.pop_front();
          for (bool bob : {false, true}) {
            const Row8 next = RingLead(at, bob);
            const uint32_t key = Key(next);
            if (key == Key(rounds)) {
              from[key] = {Key(at), bob};
              home = true;
              break;
            }
            if (visited.count(key) || rows.count(key)) continue;
            from[key] = {Key(at), bob};
            rows[key] = next;
            queue.push_back(next);
          }
        }
        if (home) {
          std::vector<bool> way;
          for (uint32_t key = Key(rounds); key != Key(head);) {
            const auto [previous, bob] = from[key];
            way.push_back(bob);
            key = previous;
          }
          const int total = rung + static_cast<int>(way.size());
          if (total >= minLeads && total <= maxLeads) {
            calls.insert(calls.end(), way.rbegin(), way.rend());
            leads = total;
            // Runs of the same lead are written with a count: "3P, B, 2P".
            std::vector<std::string> elements;
            for (size_t i = 0; i < calls.size();) {
              size_t j = i;
              while (j < calls.size() && calls[j] == calls[i]) ++j;
              const size_t run = j - i;
              elements.push_back((run > 1 ? std::to_string(run) : std::string()) + (calls[i] ? "B" : "P"));
              i = j;
            }
            Lines lines = {"8 BELLS",
                           "/ " + std::to_string(total * 16) + " Plain Bob Major: P a plain lead, B a bobbed lead"};
            AppendBody(lines, "Peal", elements, 16);
            lines.push_back("P = \"[PB]\", PB, Plain");
            lines.push_back("B = \"[PB]\", PB, Bob");
            lines.push_back("PB = &x18x18x18x18");
            lines.push_back("Plain = +12");
            lines.push_back("Bob = +14");
            return lines;
          }
        }
      }
      if (rung >= maxLeads) break;
      // Mostly plain leads, as a composer's touch would be.
      std::vector<bool> choices;
      const bool first = random.Chance(1, 3);
      for (bool bob : {first, !first}) {
        const uint32_t key = Key(RingLead(head, bob));
        if (!visited.count(key)) choices.push_back(bob);
      }
      if (choices.empty()) break;
      const bool bob = choices.front();
      head = RingLead(head, bob);
      visited.insert(Key(head));
      calls.push_back(bob);
    }
  }
  throw std::runtime_error("no touch of the length asked for was found");
}

Lines EveryRowComposition(const Lines& peal) {
  Lines lines = peal;
  lines.push_back("EVERYROW = \"@\"");
  return lines;
}

Lines SmallComposition(int stage, int kind) {
  const std::string n(1, Symbol(stage));
  std::string method;
  std::string leadEnd;
  if (stage % 2 == 0) {
    method = "&";
    for (int i = 0; i < stage / 2; ++i) method += "x1" + n;
    leadEnd = "+12";
  } else {
    method = "&";
    for (int i = 0; i < stage; ++i) method += (i > 0 ? "." : "") + (i % 2 == 0 ? n : std::string("1"));
    leadEnd = "+12" + n;
  }
  Lines lines = {std::to_string(stage) + " BELLS", "/ Plain Bob on " + std::to_string(stage) + " bells"};
  switch (kind) {
    case 0: lines.push_back("Touch = Course"); break;
    case 1: lines.push_back("Touch = 2 Course"); break;
    case 2: lines.push_back("Touch = Lead"); break;
    default: lines.push_back("Touch = Course, Missing"); break;
  }
  lines.push_back("Course = " + std::to_string(stage - 1) + " Lead");
  lines.push_back("Lead = \"[PB]\", " + method + ", " + leadEnd);
  return lines;
}

}  // namespace tolvern::bench
