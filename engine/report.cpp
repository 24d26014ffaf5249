#include "prover.h"

namespace tolvern {

std::string RightJustify(const std::string& text, size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

void Prover::WriteReport() {
  AppendLine(outputs_.ProgressOutput, "Number changes generated=" + std::to_string(ChangeCount));
  if (!RowEventHalt && !Stopped && RowTally[1] > 0) WriteRepetitionBlock();
  if (options_.ShowMusic && Music.MusicPatternCount() > 0) Music.WriteSection(outputs_.ProofOutput);
  if (options_.ShowWorkDone && !Leads.Empty()) Leads.WriteSection(outputs_.ProofOutput, stage_);
}

void Prover::WriteRepetitionBlock() {
  LineSink* proof = outputs_.ProofOutput;
  AppendLine(proof, "");
  AppendLine(proof, "Some changes were repeated:  (Max number repetitions of a single change = " +
                        std::to_string(MaxRepetitions) + ")");
  AppendLine(proof, "");
  AppendLine(proof, "  Number of different changes rung     = " + std::to_string(RowTally[0]));
  // The tallies end at level 99: rows rung 100 times or more.
  const uint64_t last = MaxRepetitions < RowTally.size() ? MaxRepetitions : RowTally.size() - 1;
  for (uint64_t n = 1; n <= last; ++n)
    AppendLine(proof, "  Number changes rung at least " + std::to_string(n + 1) + " times = " +
                          std::to_string(RowTally[n]));
}

}  // namespace tolvern
