// Output bindings: the engine only ever appends whole lines to them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvern {

class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void Append(std::string_view line) = 0;
};

// A list of lines kept in memory, as the window and the tests use.
class LineList : public LineSink {
 public:
  void Append(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

inline void AppendLine(LineSink* sink, std::string_view line) {
  if (sink) sink->Append(line);
}

}  // namespace tolvern
