#include "result_json.h"

#include "text_encoding.h"

namespace tolvern {

ResultJson::ResultJson(std::ostream& out, TextEncoding encoding, Pages pages)
    : json_(out), encoding_(encoding), pages_(pages), compatible_(encoding), progress_(encoding) {}

void ResultJson::Bind(RunOutputs& outputs) {
  if (pages_.proof) outputs.ProofOutput = &proof_;
  if (pages_.compatible) outputs.CompatibleOutput = &compatible_;
  if (pages_.progress) outputs.ProgressOutput = &progress_;
  outputs.DiagnosticOutput = &diagnostics_;
  json_.BeginObject();
  json_.Key("schema").Int(ResultJsonSchema);
  json_.Key("proof");
  if (pages_.proof) json_.BeginArray();
  else json_.Null();
}

void ResultJson::Streamed::Append(std::string_view line) { owner_.WriteLine(line); }

void ResultJson::Kept::Append(std::string_view line) {
  AppendLineAsUtf8(bytes_, line, encoding_);
  bytes_.push_back('\n');
}

void ResultJson::Kept::WriteTo(JsonWriter& json) const {
  json.BeginArray();
  const std::string_view bytes = bytes_;
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = bytes.find('\n', start);
    json.String(bytes.substr(start, end - start));
    start = end + 1;
  }
  json.EndArray();
}

void ResultJson::WriteLine(std::string_view line) { WriteText(line); }

void ResultJson::WriteText(std::string_view text) {
  // ASCII is the same in either reading: no copy.
  if (IsAscii(text)) {
    json_.String(text);
    return;
  }
  scratch_.clear();
  AppendLineAsUtf8(scratch_, text, encoding_);
  json_.String(scratch_);
}

void ResultJson::Finish(const RunResult& result) {
  if (pages_.proof) json_.EndArray();
  json_.Key("compatible");
  if (pages_.compatible) compatible_.WriteTo(json_);
  else json_.Null();
  json_.Key("progress");
  if (pages_.progress) progress_.WriteTo(json_);
  else json_.Null();

  json_.Key("verdict").String(VerdictWord(result));
  json_.Key("changes").Int(result.changes);
  json_.Key("stopped");
  if (result.outcome == ProofOutcome::Stopped) WriteText(result.stopLine);
  else json_.Null();

  json_.Key("diagnostics").BeginArray();
  for (const Diagnostic& d : diagnostics_.list) {
    json_.BeginObject();
    json_.Key("kind").String(d.kind == Diagnostic::Kind::Error ? "error" : "warning");
    json_.Key("line");
    if (d.line > 0) json_.Int(d.line);
    else json_.Null();
    json_.Key("header");
    WriteText(d.header);
    json_.Key("detail");
    WriteText(d.detail);
    json_.EndObject();
  }
  json_.EndArray();

  json_.Key("music").BeginArray();
  for (const MusicCount& count : result.music) {
    json_.BeginObject();
    json_.Key("pattern").String(count.pattern);
    json_.Key("odd").Int(count.odd);
    json_.Key("even").Int(count.even);
    json_.EndObject();
  }
  json_.EndArray();
  json_.Key("methods").BeginArray();
  for (const MethodWork& method : result.methods) {
    json_.BeginObject();
    json_.Key("name");
    WriteText(method.name);
    json_.Key("leads").Int(method.leads);
    json_.Key("changes").Int(method.changes);
    json_.Key("placeBells").BeginArray();
    for (const std::vector<int64_t>& bell : method.placeBells) {
      json_.BeginArray();
      for (const int64_t count : bell) json_.Int(count);
      json_.EndArray();
    }
    json_.EndArray();
    json_.EndObject();
  }
  json_.EndArray();
  json_.EndObject();
}

}  // namespace tolvern
