// Fuzz target over the whole engine: arbitrary bytes are split into lines and
// proved. The first byte chooses the options, so every trace, table and stage
// limit is reached; the rest is the composition text.
//
// Besides "no crash, no leak, no sanitizer report" it checks what every run
// must keep: a refused run proves nothing, a proved run ends its progress
// list with the change count, the change cap holds, and (when asked by the
// top bit) a second run of the same text in the same engine gives the same
// pages. The first run is also written as JSON (`tolvern prove --json`), which
// must read back as strict JSON holding exactly the pages, the diagnostics,
// the verdict and the tables of that run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <sstream>

#include "engine.h"
#include "json_reader.h"
#include "result_json.h"
#include "text_encoding.h"

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
  tolvern::DiagnosticList diagnostics;
  std::vector<std::string> warnings;
  tolvern::RunResult result;
  std::string json;  // when asked for
};

// Lines to the JSON writer and to the pages kept for comparing.
class Tee : public tolvern::LineSink {
 public:
  Tee(tolvern::LineSink* first, tolvern::LineSink& second) : first_(first), second_(second) {}
  void Append(std::string_view line) override {
    first_->Append(line);
    second_.Append(line);
  }

 private:
  tolvern::LineSink* first_;
  tolvern::LineSink& second_;
};

class DiagnosticTee : public tolvern::DiagnosticSink {
 public:
  DiagnosticTee(tolvern::DiagnosticSink* first, tolvern::DiagnosticSink& second) : first_(first), second_(second) {}
  void Report(const tolvern::Diagnostic& diagnostic) override {
    first_->Report(diagnostic);
    second_.Report(diagnostic);
  }

 private:
  tolvern::DiagnosticSink* first_;
  tolvern::DiagnosticSink& second_;
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

void Prove(tolvern::Engine& engine, uint8_t options, const std::vector<std::string>& lines, Pages& pages,
           bool json) {
  std::ostringstream out;
  tolvern::ResultJson writer(out, tolvern::EncodingOfLines(lines));
  tolvern::RunOutputs& outputs = engine.Outputs;
  outputs.ProofOutput = &pages.proof;
  outputs.CompatibleOutput = &pages.compatible;
  outputs.ProgressOutput = &pages.progress;
  outputs.DiagnosticOutput = &pages.diagnostics;
  tolvern::RunOutputs written;
  if (json) writer.Bind(written);
  Tee proof(written.ProofOutput, pages.proof), compatible(written.CompatibleOutput, pages.compatible),
      progress(written.ProgressOutput, pages.progress);
  DiagnosticTee diagnostics(written.DiagnosticOutput, pages.diagnostics);
  if (json) {
    outputs.ProofOutput = &proof;
    outputs.CompatibleOutput = &compatible;
    outputs.ProgressOutput = &progress;
    outputs.DiagnosticOutput = &diagnostics;
  }
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
  if (json) {
    writer.Finish(pages.result);
    pages.json = out.str();
  }
}

std::string AsUtf8(std::string_view bytes, tolvern::TextEncoding encoding) {
  std::string text;
  tolvern::AppendLineAsUtf8(text, bytes, encoding);
  return text;
}

bool IsString(const tolvern::fuzz::JsonValue* value, std::string_view text) {
  return value && value->kind == tolvern::fuzz::JsonValue::Kind::String && value->text == text;
}

bool IsInt(const tolvern::fuzz::JsonValue* value, int64_t number) {
  return value && value->kind == tolvern::fuzz::JsonValue::Kind::Number && value->integral && value->integer == number;
}

bool IsLines(const tolvern::fuzz::JsonValue* value, const std::vector<std::string>& lines,
             tolvern::TextEncoding encoding) {
  if (!value || value->kind != tolvern::fuzz::JsonValue::Kind::Array || value->items.size() != lines.size()) return false;
  for (size_t i = 0; i < lines.size(); ++i)
    if (!IsString(&value->items[i], AsUtf8(lines[i], encoding))) return false;
  return true;
}

bool IsArrayOf(const tolvern::fuzz::JsonValue* value, size_t size) {
  return value && value->kind == tolvern::fuzz::JsonValue::Kind::Array && value->items.size() == size;
}

// The JSON of a run reads back as the run itself.
void CheckJson(const Pages& pages, tolvern::TextEncoding encoding) {
  using tolvern::fuzz::JsonValue;
  const std::optional<JsonValue> json = tolvern::fuzz::ReadJson(pages.json);
  if (!json || json->kind != JsonValue::Kind::Object) Fail("the JSON of a run does not parse");
  static constexpr const char* Keys[] = {"schema",  "proof",   "compatible",  "progress", "verdict",
                                         "changes", "stopped", "diagnostics", "music",    "methods"};
  if (json->members.size() != std::size(Keys)) Fail("JSON members missing or extra");
  for (size_t i = 0; i < std::size(Keys); ++i)
    if (json->members[i].first != Keys[i]) Fail("JSON members out of order");
  const tolvern::RunResult& r = pages.result;
  if (!IsInt(json->Member("schema"), tolvern::ResultJsonSchema)) Fail("JSON schema");
  if (!IsLines(json->Member("proof"), pages.proof.lines, encoding)) Fail("JSON proof page differs from the page");
  if (!IsLines(json->Member("compatible"), pages.compatible.lines, encoding)) Fail("JSON compatible page differs");
  if (!IsLines(json->Member("progress"), pages.progress.lines, encoding)) Fail("JSON progress lines differ");
  if (!IsString(json->Member("verdict"), tolvern::VerdictWord(r))) Fail("JSON verdict");
  if (!IsInt(json->Member("changes"), r.changes)) Fail("JSON change count");
  const JsonValue* stopped = json->Member("stopped");
  if (r.outcome == tolvern::ProofOutcome::Stopped ? !IsString(stopped, AsUtf8(r.stopLine, encoding))
                                                  : stopped->kind != JsonValue::Kind::Null)
    Fail("JSON stop line");

  const JsonValue* diagnostics = json->Member("diagnostics");
  if (!IsArrayOf(diagnostics, pages.diagnostics.list.size())) Fail("JSON diagnostics missing or extra");
  for (size_t i = 0; i < pages.diagnostics.list.size(); ++i) {
    const tolvern::Diagnostic& d = pages.diagnostics.list[i];
    const JsonValue& item = diagnostics->items[i];
    const JsonValue* line = item.Member("line");
    if (!IsString(item.Member("kind"), d.kind == tolvern::Diagnostic::Kind::Error ? "error" : "warning") ||
        !(d.line > 0 ? IsInt(line, d.line) : line && line->kind == JsonValue::Kind::Null) ||
        !IsString(item.Member("header"), AsUtf8(d.header, encoding)) ||
        !IsString(item.Member("detail"), AsUtf8(d.detail, encoding)))
      Fail("JSON diagnostic differs");
  }

  const JsonValue* music = json->Member("music");
  if (!IsArrayOf(music, r.music.size())) Fail("JSON music table size");
  for (size_t i = 0; i < r.music.size(); ++i) {
    const JsonValue& item = music->items[i];
    // Patterns are bell symbols, 'x' and names: ASCII.
    if (!IsString(item.Member("pattern"), r.music[i].pattern)) Fail("JSON music pattern");
    if (!IsInt(item.Member("odd"), r.music[i].odd) || !IsInt(item.Member("even"), r.music[i].even))
      Fail("JSON music counts");
  }
  const JsonValue* methods = json->Member("methods");
  if (!IsArrayOf(methods, r.methods.size())) Fail("JSON methods size");
  for (size_t i = 0; i < r.methods.size(); ++i) {
    const tolvern::MethodWork& method = r.methods[i];
    const JsonValue& item = methods->items[i];
    if (!IsString(item.Member("name"), AsUtf8(method.name, encoding)) || !IsInt(item.Member("leads"), method.leads) ||
        !IsInt(item.Member("changes"), method.changes))
      Fail("JSON method differs");
    const JsonValue* bells = item.Member("placeBells");
    if (!IsArrayOf(bells, method.placeBells.size())) Fail("JSON place bells size");
    for (size_t b = 0; b < method.placeBells.size(); ++b) {
      if (!IsArrayOf(&bells->items[b], method.placeBells[b].size())) Fail("JSON place bells size");
      for (size_t p = 0; p < method.placeBells[b].size(); ++p)
        if (!IsInt(&bells->items[b].items[p], method.placeBells[b][p])) Fail("JSON place bell count");
    }
  }
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
  Prove(engine, options, lines, first, true);
  Check(first);
  CheckJson(first, tolvern::EncodingOfLines(lines));

  if (options & 0x80) {
    Pages second;
    Prove(engine, options, lines, second, false);
    if (second.proof.lines != first.proof.lines) Fail("proof page differs on a second run");
    if (second.compatible.lines != first.compatible.lines) Fail("compatible page differs on a second run");
    if (second.progress.lines != first.progress.lines) Fail("progress list differs on a second run");
    if (second.warnings != first.warnings) Fail("warnings differ on a second run");
  }
  return 0;
}
