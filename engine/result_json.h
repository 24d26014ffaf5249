// A run as one JSON object, for scripts (`tolvern prove --json`) and the
// browser (the WebAssembly module): the verdict, the change count, the stop
// line, every error and warning, the three pages line by line exactly as the
// text pages have them (markers included), and the music and lead tables.
//
// The proof page is written into the object as the run writes it, so a page
// of millions of rows is never held; the compatible page and the progress
// lines, which one object cannot interleave with it, are kept once (as UTF-8)
// until the run ends. Text is read as the window reads it (text_encoding.h).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "json_writer.h"
#include "outputs.h"
#include "run_result.h"
#include "text_encoding.h"

namespace tolvern {

// Raised whenever a member changes meaning or goes; new members leave it.
inline constexpr int ResultJsonSchema = 1;

class ResultJson {
 public:
  // Which pages the object holds; a page left out is null (the browser takes
  // the lines as they come instead).
  struct Pages {
    bool proof = true;
    bool compatible = true;
    bool progress = true;
  };

  ResultJson(std::ostream& out, TextEncoding encoding, Pages pages);
  ResultJson(std::ostream& out, TextEncoding encoding) : ResultJson(out, encoding, Pages{}) {}
  ResultJson(const ResultJson&) = delete;
  ResultJson& operator=(const ResultJson&) = delete;

  // Binds the pages and the diagnostics to `outputs` (a page left out stays
  // as it was) and opens the object.
  void Bind(RunOutputs& outputs);
  // Closes the object with what the run found.
  void Finish(const RunResult& result);

 private:
  class Streamed : public LineSink {
   public:
    explicit Streamed(ResultJson& owner) : owner_(owner) {}
    void Append(std::string_view line) override;

   private:
    ResultJson& owner_;
  };
  class Kept : public LineSink {
   public:
    explicit Kept(TextEncoding encoding) : encoding_(encoding) {}
    void Append(std::string_view line) override;
    void WriteTo(JsonWriter& json) const;

   private:
    TextEncoding encoding_;
    std::string bytes_;  // UTF-8 lines, each ended by '\n' (no page line holds one)
  };

  void WriteLine(std::string_view line);
  void WriteText(std::string_view text);

  JsonWriter json_;
  TextEncoding encoding_;
  Pages pages_;
  Streamed proof_{*this};
  Kept compatible_, progress_;
  DiagnosticList diagnostics_;
  std::string scratch_;
};

}  // namespace tolvern
