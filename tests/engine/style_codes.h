// Styles written as one character a byte, so that a test can write the
// styles it expects under the line they belong to.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "siril_styles.h"

namespace tolvern::testing {

// One character per byte, so an expectation can be written under its line;
// indexed by style: Default Comment String Special Escaped Halt Marker Stage
// END Definition Predefined Notation Count.
inline char Code(int style) { return style >= 0 && style < SirilStyleCount ? "./s!eHMBEDPnc"[style] : '?'; }

inline std::string Codes(const std::vector<StyledRun>& runs) {
  std::string codes;
  for (const StyledRun& run : runs) codes.append(static_cast<size_t>(run.length), Code(run.style));
  return codes;
}

// Styles the lines in order, as the editor does from the top.
inline std::vector<std::string> StyleLines(const std::vector<std::string>& lines, int maxBells = MaxStage) {
  LexState state;
  std::vector<std::string> codes;
  for (const std::string& line : lines) codes.push_back(Codes(StyleSirilLine(line, state, maxBells)));
  return codes;
}

// Each pair is a line and the codes expected for it.
inline void ExpectStyles(const std::vector<std::pair<std::string, std::string>>& expected,
                  int maxBells = MaxStage) {
  std::vector<std::string> lines;
  for (const auto& [line, codes] : expected) {
    ASSERT_EQ(line.size(), codes.size()) << "expectation misaligned for: " << line;
    lines.push_back(line);
  }
  const std::vector<std::string> got = StyleLines(lines, maxBells);
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(got[i], expected[i].second) << "line " << i + 1 << ": " << lines[i];
}

}  // namespace tolvern::testing
