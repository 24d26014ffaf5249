// The engine in WebAssembly, behind embind: one proof a call, its result as
// the JSON object of `tolvern prove --json` (the same serialiser), and for the
// page its lines as they come, a count of the changes rung, and the rows.
// Beside it the methods by name: the search of `tolvern methods` over the
// built-in set and a methods library XML the page hands in.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "builtin_methods.h"
#include "engine.h"
#include "json_writer.h"
#include "library_xml.h"
#include "method_library.h"
#include "notation.h"
#include "result_json.h"
#include "rows_model.h"
#include "siril_styles.h"
#include "stages.h"
#include "text_encoding.h"

using emscripten::val;

namespace tolvern::web {

namespace {

inline constexpr size_t PageLineLimit = 2'000'000;
inline constexpr size_t ProgressLineLimit = 100'000;

// UTF-8 bytes of the module's memory as a JavaScript string, decoded at once
// by the host: embind's own string passing copies them twice and looks at
// every byte in JavaScript.
val Utf8Text(std::string_view bytes) {
  static const val decoder = val::global("TextDecoder").new_();
  return decoder.call<val>("decode", emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

// An ostream's bytes appended to a string, for the JSON object.
class StringBuffer : public std::streambuf {
 public:
  explicit StringBuffer(std::string& text) : text_(text) {}

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    text_.append(bytes, static_cast<size_t>(count));
    return count;
  }
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) text_.push_back(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }

 private:
  std::string& text_;
};

// A page of the run: counted, so that past `limit` lines the touch stops in
// order, and passed on to the JSON object (`kept`) and to JavaScript in
// batches (UTF-8, each line ended by '\n') while a long proof runs.
class Page : public LineSink {
 public:
  Page(const char* name, size_t limit, std::string stopLine, RunControl& control)
      : name_(name), limit_(limit), stopLine_(std::move(stopLine)), control_(control) {}

  void PassTo(LineSink* kept, val* sink, TextEncoding encoding) {
    kept_ = kept;
    sink_ = sink;
    encoding_ = encoding;
  }
  void Append(std::string_view line) override {
    if (++count_ == limit_) control_.RequestStop(stopLine_);
    if (kept_) kept_->Append(line);
    if (!sink_) return;
    AppendLineAsUtf8(batch_, line, encoding_);
    batch_.push_back('\n');
    if (batch_.size() >= (1 << 16)) Flush();
  }
  void Flush() {
    if (!sink_ || batch_.empty()) return;
    (*sink_)(val(name_), Utf8Text(batch_));
    batch_.clear();
  }

 private:
  const char* name_;
  size_t limit_;
  std::string stopLine_;
  RunControl& control_;
  LineSink* kept_ = nullptr;
  val* sink_ = nullptr;
  TextEncoding encoding_ = TextEncoding::Utf8;
  std::string batch_;
  size_t count_ = 0;
};

bool Has(const val& object, const char* key) {
  return object.hasOwnProperty(key) && !object[key].isUndefined() && !object[key].isNull();
}

RunOptions OptionsFrom(const val& options) {
  RunOptions run;
  run.MaxNumberBells = 16;
  if (Has(options, "maxBells")) run.MaxNumberBells = ClampMaxNumberBells(options["maxBells"].as<int>());
  if (Has(options, "music")) run.ShowMusic = options["music"].as<bool>();
  if (Has(options, "work")) run.ShowWorkDone = options["work"].as<bool>();
  if (Has(options, "maxChanges")) run.MaxChanges = std::max<int64_t>(0, static_cast<int64_t>(options["maxChanges"].as<double>()));
  if (Has(options, "maxIdle")) run.MaxIdleWork = std::max<int64_t>(0, static_cast<int64_t>(options["maxIdle"].as<double>()));
  if (Has(options, "debug")) {
    const std::vector<std::string> items = emscripten::vecFromJSArray<std::string>(options["debug"]);
    for (const std::string& item : items) {
      if (item == "parse") run.DebugParse = true;
      else if (item == "symtab") run.DebugSymTab = true;
      else if (item == "proof") run.DebugProof = true;
    }
  }
  return run;
}

// The rows as the page draws them: typed arrays copied out of the model.
val RowsObject(const app::RowsModel& model) {
  val rows = val::object();
  const size_t count = model.RowCount();
  const int stage = model.Stage();
  std::vector<uint8_t> bells(count * static_cast<size_t>(stage));
  std::vector<uint8_t> falseRows(count);
  for (size_t i = 0; i < count; ++i) {
    for (int p = 0; p < stage; ++p) bells[i * static_cast<size_t>(stage) + static_cast<size_t>(p)] = static_cast<uint8_t>(model.BellAt(i, p));
    falseRows[i] = model.IsFalse(i) ? 1 : 0;
  }
  val music = val::array();
  for (size_t i = 0; i < count; ++i) {
    const std::string_view patterns = model.Music(i);
    if (patterns.empty()) continue;
    val mark = val::array();
    mark.call<void>("push", static_cast<double>(i));
    mark.call<void>("push", std::string(patterns));
    music.call<void>("push", mark);
  }
  std::vector<int32_t> leads;
  for (size_t lead = 0; lead < model.LeadCount(); ++lead) {
    const app::LeadSpan span = model.Lead(lead);
    leads.insert(leads.end(), {static_cast<int32_t>(span.first), static_cast<int32_t>(span.last), span.ruled ? 1 : 0,
                               span.continues ? 1 : 0, span.method});
  }
  int methodCount = 0;
  for (size_t lead = 0; lead < model.LeadCount(); ++lead) methodCount = std::max(methodCount, model.Lead(lead).method + 1);
  val methods = val::array();
  for (int method = 0; method < methodCount; ++method) methods.call<void>("push", model.MethodName(method));
  rows.set("stage", stage);
  rows.set("count", static_cast<double>(count));
  rows.set("bells", val::global("Uint8Array").new_(emscripten::typed_memory_view(bells.size(), bells.data())).call<val>("slice"));
  rows.set("falseRows", val::global("Uint8Array").new_(emscripten::typed_memory_view(falseRows.size(), falseRows.data())).call<val>("slice"));
  rows.set("leads", val::global("Int32Array").new_(emscripten::typed_memory_view(leads.size(), leads.data())).call<val>("slice"));
  rows.set("music", music);
  rows.set("methods", methods);
  rows.set("verdict", model.Verdict());
  rows.set("cutShort", model.CutShort());
  return rows;
}

// The methods searched: the library XML last handed in, then the built-in set.
std::unique_ptr<methods::MethodLibrary>& Methods() {
  static std::unique_ptr<methods::MethodLibrary> library;
  if (!library) {
    library = std::make_unique<methods::MethodLibrary>();
    methods::AddBuiltinMethods(*library);
  }
  return library;
}

}  // namespace

// Reads the bytes of a methods library XML; when they are one, its methods
// are searched from now on, before the built-in set. Returns {added,
// duplicates, skipped, firstSkipped, error}; with an error nothing changes.
val LoadMethodLibrary(const std::string& bytes, const std::string& source) {
  auto library = std::make_unique<methods::MethodLibrary>();
  const methods::LibraryReadResult read = methods::ReadLibraryXml(bytes, source, *library);
  if (read.error.empty()) {
    methods::AddBuiltinMethods(*library);
    Methods() = std::move(library);
  }
  val answer = val::object();
  answer.set("added", static_cast<double>(read.added));
  answer.set("duplicates", static_cast<double>(read.duplicates));
  answer.set("skipped", static_cast<double>(read.skipped));
  answer.set("firstSkipped", read.firstSkipped);
  answer.set("error", read.error);
  answer.set("methods", static_cast<double>(Methods()->size()));
  return answer;
}

// Back to the built-in set alone.
void ForgetMethodLibrary() { Methods().reset(); }

// The methods found for `query` (stage 0: any), best first, as JSON text:
// {"count": how many, "methods": the first `limit`, as `tolvern methods
// --json` writes them}. Text, not objects: JSON.parse makes them far faster
// than embind would one property at a time.
std::string SearchMethods(const std::string& query, int stage, int limit) {
  const std::vector<const methods::Method*> found = Methods()->Search(query, stage);
  std::ostringstream out;
  JsonWriter json(out);
  json.BeginObject();
  json.Key("count").Int(static_cast<int64_t>(found.size()));
  json.Key("methods").BeginArray();
  const size_t shown = std::min(found.size(), static_cast<size_t>(std::max(0, limit)));
  for (size_t i = 0; i < shown; ++i) methods::WriteMethodJson(json, *found[i]);
  json.EndArray();
  json.EndObject();
  return out.str();
}

// The stages by name, for the page's stage filter: [{bells, name}, ...].
val StageNames() {
  val list = val::array();
  for (const Stage& stage : Stages) {
    if (stage.bells < methods::MinStage) continue;  // no method of it can be proved
    val entry = val::object();
    entry.set("bells", stage.bells);
    entry.set("name", std::string(stage.name));
    list.call<void>("push", entry);
  }
  return list;
}

// Proves `text` (the composition's bytes) with `options` (see tolvern.mjs).
// Returns {json: the result's JSON text, rows: the rows or undefined}.
val Prove(const std::string& text, val options) {
  const std::vector<std::string> lines = SplitLines(text);
  const TextEncoding encoding = EncodingOfLines(lines);
  RunControl control;
  RunOutputs outputs;

  val onLines = Has(options, "onLines") ? options["onLines"] : val::undefined();
  val onChanges = Has(options, "onChanges") ? options["onChanges"] : val::undefined();
  const bool streamed = !onLines.isUndefined();
  // A run that may be stopped rings on a slower path: the page's runs (lines
  // as they come, the counter, Stop) are; a script's, like the command
  // line's, run to their end.
  if (streamed || !onChanges.isUndefined()) outputs.Control = &control;
  const bool wantRows = Has(options, "rows") && options["rows"].as<bool>();
  RunOptions run = OptionsFrom(options);

  std::unique_ptr<app::RowsModel> rows;
  if (wantRows) {
    const int64_t cap = Has(options, "rowsCap") ? static_cast<int64_t>(options["rowsCap"].as<double>()) : 200'000;
    rows = std::make_unique<app::RowsModel>(cap, nullptr);
    run.MaxObservedRows = rows->RowCap() + 1;
    outputs.Observer = rows.get();
  }
  // The pages as the window's pages hold them: a touch that would write more
  // stops in order, so an endless EVERYROW cannot fill the browser's memory.
  const std::string pageFull = "Proof stopped: a page reached " + std::to_string(PageLineLimit) + " lines";
  Page proof("proof", PageLineLimit, pageFull, control), compatible("compatible", PageLineLimit, pageFull, control),
      progress("progress", ProgressLineLimit,
               "Proof stopped: the progress lines reached " + std::to_string(ProgressLineLimit), control);
  // Lines that go to JavaScript as they come are not kept in the object too.
  std::string jsonText;
  StringBuffer jsonBuffer(jsonText);
  std::ostream out(&jsonBuffer);
  ResultJson json(out, encoding, ResultJson::Pages{!streamed, !streamed, !streamed});
  RunOutputs kept;
  json.Bind(kept);
  val* sink = streamed ? &onLines : nullptr;
  proof.PassTo(kept.ProofOutput, sink, encoding);
  compatible.PassTo(kept.CompatibleOutput, sink, encoding);
  progress.PassTo(kept.ProgressOutput, sink, encoding);
  outputs.ProofOutput = &proof;
  outputs.CompatibleOutput = &compatible;
  outputs.ProgressOutput = &progress;
  outputs.DiagnosticOutput = kept.DiagnosticOutput;
  // Every so many changes the page is shown what has come and asked whether
  // to stop: a stop line, or true for the user's Stop.
  if (!onChanges.isUndefined())
    control.Watch = [&](RunControl& watched, int64_t changes) {
      for (Page* page : {&proof, &compatible, &progress}) page->Flush();
      const val answer = onChanges(static_cast<double>(changes));
      if (answer.isString()) watched.RequestStop(answer.as<std::string>());
      else if (answer.isTrue()) watched.RequestStop("Proof stopped by the user");
    };
  // One engine for every proof, as the command line's checks keep one: its
  // tables are made once. A register grown for a long touch goes back once
  // the proof ends, so that the next one has the memory.
  static Engine engine;
  engine.Options = run;
  engine.Outputs = outputs;
  const RunResult result = engine.RunProof(lines);
  engine.Outputs = {};
  if (engine.prover().RowTable.CapacityBytes() > (size_t{64} << 20)) engine.prover().RowTable.Clear();
  json.Finish(result);
  for (Page* page : {&proof, &compatible, &progress}) page->Flush();

  val answer = val::object();
  answer.set("json", Utf8Text(jsonText));
  if (rows) {
    rows->Finish(result);
    answer.set("rows", RowsObject(*rows));
  }
  return answer;
}

// For `./run bench web`: the text proved as tolvern_bench proves it natively,
// its lines split beforehand and its pages counted and dropped, so that the
// module's figures and the native ones measure the same work:
// {changes, proveSeconds: the ringing stage alone, as the native change rate
// is timed; runSeconds: `runs` whole RunProof calls, as the native peal rate
// is timed}. What a page pays on top (the JSON) is timed on `prove`.
class CountedLines : public LineSink {
 public:
  void Append(std::string_view) override { ++lines_; }

 private:
  int64_t lines_ = 0;
};

val TimeProof(const std::string& text, int maxBells, int runs) {
  const std::vector<std::string> lines = SplitLines(text);
  static Engine engine;
  CountedLines proof, compatible, progress;
  engine.Options = {};
  engine.Options.MaxNumberBells = maxBells;
  engine.Outputs = {};
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.CompatibleOutput = &compatible;
  engine.Outputs.ProgressOutput = &progress;
  using Clock = std::chrono::steady_clock;
  const auto seconds = [](Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
  };
  val answer = val::object();
  Parser& parser = engine.parser();
  Prover& prover = engine.prover();
  parser.ParseComposition(lines);
  parser.ResolveNames();
  if (engine.diagnostics().ErrorCount != 0) {
    parser.FreeDefinitions();
    engine.Outputs = {};
    return val::null();
  }
  const auto t0 = Clock::now();
  prover.ProveTouch(engine.table().Head(), parser.Predefined, static_cast<int>(parser.StageBells));
  const auto t1 = Clock::now();
  answer.set("changes", static_cast<double>(prover.ChangeCount));
  parser.FreeDefinitions();
  const auto t2 = Clock::now();
  for (int i = 0; i < runs; ++i) engine.RunProof(lines);
  const auto t3 = Clock::now();
  engine.Outputs = {};
  answer.set("proveSeconds", seconds(t0, t1));
  answer.set("runSeconds", seconds(t2, t3));
  return answer;
}

// One line of SIRIL text coloured as the window's Input page colours it (the
// engine's styles): {runs: [start, length, style, ...] in the line's UTF-8
// bytes, state: the packed state the next line starts in}. A state below 0
// is the first line's.
val StyleLine(const std::string& line, int packedState, int maxBells) {
  LexState state = packedState < 0 ? LexState{} : LexState::Unpack(packedState);
  std::vector<StyledRun> runs;
  StyleSirilLine(line, state, maxBells, runs);
  std::vector<int32_t> flat;
  flat.reserve(runs.size() * 3);
  for (const StyledRun& run : runs) flat.insert(flat.end(), {run.start, run.length, run.style});
  val answer = val::object();
  answer.set("runs", val::global("Int32Array").new_(emscripten::typed_memory_view(flat.size(), flat.data())).call<val>("slice"));
  answer.set("state", state.Pack());
  return answer;
}

}  // namespace tolvern::web

EMSCRIPTEN_BINDINGS(tolvern) {
  emscripten::function("prove", &tolvern::web::Prove);
  emscripten::function("styleLine", &tolvern::web::StyleLine);
  emscripten::function("loadMethodLibrary", &tolvern::web::LoadMethodLibrary);
  emscripten::function("forgetMethodLibrary", &tolvern::web::ForgetMethodLibrary);
  emscripten::function("searchMethods", &tolvern::web::SearchMethods);
  emscripten::function("stageNames", &tolvern::web::StageNames);
  emscripten::function("timeProof", &tolvern::web::TimeProof);
}
