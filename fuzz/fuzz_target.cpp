// Fuzz target over the whole engine: arbitrary bytes are split into lines and
// proved. The first byte chooses the options, so every trace, table and stage
// limit is reached; the rest is the composition text.
//
// Besides "no crash, no leak, no sanitizer report" it checks what every run
// must keep: a refused run proves nothing, a proved run ends its progress
// list with the change count, the change cap holds, and (when asked by the
// top bit) a second run of the same text in the same engine gives the same
// pages.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine.h"

namespace {

// Long enough to ring a few courses, short enough to keep runs quick.
constexpr int64_t ChangeCap = 10000;
// Keeps a run that prints without ringing from filling memory. Single runs
// get more than the expansion depth limit, so that a definition referring to
// itself still reaches that limit; runs proved twice get less, for speed.
constexpr int64_t IdleWorkCap = 150000;
constexpr int64_t IdleWorkCapWhenTwice = 20000;

struct Pages {
  tolvern::LineList proof, compatible, progress;
  std::vector<std::string> warnings;
  tolvern::RunResult result;
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

void Prove(tolvern::Engine& engine, uint8_t options, const std::vector<std::string>& lines, Pages& pages) {
  engine.Outputs.ProofOutput = &pages.proof;
  engine.Outputs.CompatibleOutput = &pages.compatible;
  engine.Outputs.ProgressOutput = &pages.progress;
  engine.Options.DebugParse = options & 0x01;
  engine.Options.DebugSymTab = options & 0x02;
  engine.Options.DebugProof = options & 0x04;
  engine.Options.ShowMusic = options & 0x08;
  engine.Options.ShowWorkDone = options & 0x10;
  static constexpr int StageLimits[4] = {12, 14, 15, 16};
  engine.Options.MaxNumberBells = StageLimits[(options >> 5) & 3];
  engine.Options.MaxChanges = ChangeCap;
  engine.Options.MaxIdleWork = (options & 0x80) ? IdleWorkCapWhenTwice : IdleWorkCap;
  engine.Outputs.ShowWarning = [&pages](const std::string& text) { pages.warnings.push_back(text); };
  pages.result = engine.RunProof(lines);
}

void Check(const Pages& pages) {
  const tolvern::RunResult& r = pages.result;
  const std::vector<std::string>& progress = pages.progress.lines;
  if (r.changes < 0 || r.duplicates < 0 || r.errors < 0) Fail("negative count");
  if (r.changes > ChangeCap) Fail("change cap passed");
  if (r.duplicates > r.changes) Fail("more repeated rows than changes");
  // Every warning box repeats a warning written on the proof page.
  for (const std::string& warning : pages.warnings) {
    const std::string header = warning.substr(0, warning.find('\r'));
    bool shown = false;
    for (const std::string& line : pages.proof.lines) shown = shown || line == header;
    if (!shown) Fail("warning box without its line on the proof page");
  }
  if (r.errors > 0) {
    if (r.outcome != tolvern::ProofOutcome::Refused) Fail("errors counted but the touch was proved");
    if (progress.empty() || progress.back() != "Errors found; failed to generate composition")
      Fail("refused run without the gate line");
    return;
  }
  if (r.outcome == tolvern::ProofOutcome::Refused) Fail("no error counted but nothing proved");
  const std::string countLine = "Number changes generated=" + std::to_string(r.changes);
  bool found = false;
  for (const std::string& line : progress) found = found || line == countLine;
  // A failure inside a stage ends the run with its own line instead.
  if (!found && (progress.empty() || progress.back().rfind("Proof stopped: ", 0) != 0))
    Fail("proved run without its change count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t options = size > 0 ? data[0] : 0x18;
  const std::string_view text =
      size > 0 ? std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1) : std::string_view();
  const std::vector<std::string> lines = tolvern::SplitLines(text);

  tolvern::Engine engine;
  Pages first;
  Prove(engine, options, lines, first);
  Check(first);

  if (options & 0x80) {
    Pages second;
    Prove(engine, options, lines, second);
    if (second.proof.lines != first.proof.lines) Fail("proof page differs on a second run");
    if (second.compatible.lines != first.compatible.lines) Fail("compatible page differs on a second run");
    if (second.progress.lines != first.progress.lines) Fail("progress list differs on a second run");
    if (second.warnings != first.warnings) Fail("warnings differ on a second run");
  }
  return 0;
}
