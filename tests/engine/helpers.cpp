#include "helpers.h"

#include <algorithm>

namespace tolvern::testing {

Pages Prove(const std::vector<std::string>& lines, const ProveOptions& options) {
  Pages pages;
  LineList proof, compatible, progress;
  Engine engine;
  engine.ProofOutput = &proof;
  engine.CompatibleOutput = &compatible;
  engine.ProgressOutput = &progress;
  engine.DebugParse = options.debugParse;
  engine.DebugSymTab = options.debugSymTab;
  engine.DebugProof = options.debugProof;
  engine.ShowMusic = options.showMusic;
  engine.ShowWorkDone = options.showWork;
  engine.MaxNumberBells = options.maxBells;
  engine.MaxChanges = options.maxChanges;
  engine.ShowWarning = [&pages](const std::string& text) { pages.warnings.push_back(text); };
  pages.result = engine.RunProof(lines);
  pages.proof = std::move(proof.lines);
  pages.compatible = std::move(compatible.lines);
  pages.progress = std::move(progress.lines);
  return pages;
}

Pages ProveText(const std::string& text, const ProveOptions& options) {
  return Prove(SplitLines(text), options);
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace tolvern::testing
