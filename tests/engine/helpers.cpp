#include "helpers.h"

#include <algorithm>

namespace tolvern::testing {

Pages Prove(const std::vector<std::string>& lines, const RunOptions& options) {
  Pages pages;
  LineList proof, compatible, progress;
  RunOutputs outputs;
  outputs.ProofOutput = &proof;
  outputs.CompatibleOutput = &compatible;
  outputs.ProgressOutput = &progress;
  outputs.ShowWarning = [&pages](const std::string& text) { pages.warnings.push_back(text); };
  Engine engine(options, outputs);
  pages.result = engine.RunProof(lines);
  pages.proof = std::move(proof.lines);
  pages.compatible = std::move(compatible.lines);
  pages.progress = std::move(progress.lines);
  return pages;
}

Pages ProveText(const std::string& text, const RunOptions& options) {
  return Prove(SplitLines(text), options);
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace tolvern::testing
