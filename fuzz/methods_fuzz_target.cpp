// Fuzz target over the method library: the Central Council's XML read with
// Expat, SIRIL library files, and the notation conversion both ways. The first
// byte picks what the rest is given to (and, for notation, the stage).
//
// Besides "no crash, no leak, no sanitizer report" it checks what a method
// taken into the library must keep, since a composer inserts its definition
// without looking: its SIRIL body reads back as the same changes, those
// changes ring its lead head in its lead length, the prover itself rings that
// lead head from the body, and a search for its title finds it. A refused
// file adds nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine.h"
#include "library_xml.h"
#include "method_library.h"
#include "notation.h"
#include "siril_library.h"

namespace {

using namespace tolvern::methods;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "methods fuzz: %s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

class PrintedRow : public tolvern::LineSink {
 public:
  void Append(std::string_view line) override {
    if (line.substr(0, 3) == "LH ") row.assign(line.substr(3));
  }
  std::string row;
};

// The prover rings the body once from rounds and prints the row it reaches;
// a lead that repeats a row is rung on through it (CONFLICT empty).
std::string LeadHeadAsProved(const std::string& body, int stage) {
  const std::vector<std::string> lines = {std::to_string(stage) + " BELLS", "Touch = M, \"LH @\"", "M = " + body,
                                          "CONFLICT ="};
  PrintedRow proof;
  tolvern::RunOptions options;
  options.MaxNumberBells = MaxStage;
  options.ShowMusic = false;
  options.ShowWorkDone = false;
  options.MaxChanges = 100000;
  tolvern::RunOutputs outputs;
  outputs.ProofOutput = &proof;
  tolvern::Engine engine(options, outputs);
  engine.RunProof(lines);
  return proof.row;
}

// Whether the changes come round before their last.
bool RoundsWithin(const Changes& changes, int stage) {
  const std::string rounds = Rounds(stage);
  Changes one(1);
  std::string row = rounds;
  for (size_t n = 0; n + 1 < changes.size(); ++n) {
    // The row after one more change: the rows are those of RowAfter, one at a time.
    one[0] = changes[n];
    const std::string moved = RowAfter(one, stage);
    std::string next(row.size(), ' ');
    for (size_t p = 0; p < row.size(); ++p) next[p] = row[static_cast<size_t>(rounds.find(moved[p]))];
    row = next;
    if (row == rounds) return true;
  }
  return false;
}

void CheckNotation(const Notation& notation, int stage, const char* from) {
  if (!notation.error.empty()) {
    if (!notation.changes.empty() || !notation.siril.empty()) Fail(from, "refused, yet gave changes");
    return;
  }
  if (notation.changes.empty()) Fail(from, "no changes and no error");
  for (uint32_t places : notation.changes) {
    if (places >> stage) Fail(from, "a place beyond the stage");
    uint32_t again = 0;
    const std::string text = ChangeText(places, stage);
    if (text != "-" && (!ParseChange(text, stage, again) || again != places)) Fail("change text does not read back", text);
  }
  const Notation back = FromSirilNotation(notation.siril, stage);
  if (!back.error.empty()) Fail("its SIRIL body is refused", notation.siril + ": " + back.error);
  if (back.changes != notation.changes) Fail("its SIRIL body rings other changes", notation.siril);
}

void CheckLibrary(const MethodLibrary& library, size_t added, const std::string& error) {
  if (!error.empty() && library.size() != 0) Fail("a refused file added methods", error);
  if (added != library.size()) Fail("added count", std::to_string(added));
  size_t proved = 0;
  for (const Method& method : library.methods()) {
    if (method.stage < 1 || method.stage > MaxStage) Fail("stage out of range", method.title);
    const Notation notation = FromSirilNotation(method.siril, method.stage);
    if (!notation.error.empty()) Fail("a method's SIRIL body is refused", method.siril);
    if (static_cast<int>(notation.changes.size()) != method.leadLength) Fail("lead length", method.title);
    if (RowAfter(notation.changes, method.stage) != method.leadHead) Fail("lead head", method.title);
    if (method.name.empty() || (method.name[0] >= '0' && method.name[0] <= '9')) Fail("name", method.name);
    // The prover is the judge a composer meets; a few methods an input keep it
    // quick. A lead that comes round before its end would stop the touch there.
    if (proved < 4 && !RoundsWithin(notation.changes, method.stage) && ++proved &&
        LeadHeadAsProved(method.siril, method.stage) != method.leadHead)
      Fail("the prover rings another lead head", method.siril);
    bool found = false;
    for (const Method* match : library.Search(method.title, method.stage)) found = found || match == &method;
    if (!found) Fail("a search for its title misses it", method.title);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t choice = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const int stage = (choice >> 2) % MaxStage + 1;
  switch (choice & 3) {
    case 0: {
      MethodLibrary library;
      const LibraryReadResult read = ReadLibraryXml(rest, "fuzz.xml", library);
      CheckLibrary(library, read.added, read.error);
      break;
    }
    case 1: {
      MethodLibrary library;
      const LibraryReadResult read = ReadSirilLibrary(rest, stage, "fuzz.sir", library);
      CheckLibrary(library, read.added, read.error);
      break;
    }
    case 2:
      CheckNotation(FromLibraryNotation(rest, stage), stage, "library notation");
      break;
    default:
      CheckNotation(FromSirilNotation(rest, stage), stage, "SIRIL notation");
      break;
  }
  return 0;
}
