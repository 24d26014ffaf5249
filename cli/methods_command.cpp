#include "methods_command.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "composition_file.h"
#include "json_writer.h"
#include "method_library.h"
#include "notation.h"
#include "settings_file.h"
#include "stages.h"

namespace tolvern {

namespace {

constexpr const char* MethodsUsage =
    "usage: tolvern methods [options] QUERY...   methods whose title has a word beginning\n"
    "                                            with each word of QUERY, best first\n"
    "  --library PATH       search PATH too: the Central Council's methods library XML\n"
    "                       (CCCBR_methods.xml), a SIRIL library file or a folder of them;\n"
    "                       may be given more than once, later ones first\n"
    "  --stage N            only methods of N bells (a number or a name: 8, major)\n"
    "  --siril              print the best match as one SIRIL definition line,\n"
    "                       Name = NOTATION, one whole lead with its lead end\n"
    "  --json               print the matches as JSON\n"
    "Each match is a line: title, stage, class, lead head, SIRIL notation. A number in\n"
    "QUERY may stand for the stage (grandsire 9). The built-in set of the most rung\n"
    "methods is searched after the libraries.\n"
    "Exit status: 0 found, 1 none found, 3 for a usage error or a library that cannot be read.\n";

int Usage(std::ostream& err, const std::string& message) {
  err << "tolvern: " << message << "\nTry 'tolvern methods --help'.\n";
  return ExitUsage;
}

// Characters, not bytes, for lining up columns of UTF-8 titles.
size_t Width(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                           [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void WriteJson(std::ostream& out, const std::string& query, int stage,
               const std::vector<const methods::Method*>& found) {
  JsonWriter json(out, 2);
  json.BeginObject();
  json.Key("query").String(query);
  json.Key("stage");
  if (stage > 0) json.Int(stage);
  else json.Null();
  json.Key("methods").BeginArray();
  for (const methods::Method* method : found) methods::WriteMethodJson(json, *method);
  json.EndArray();
  json.EndObject();
}

}  // namespace

int RunMethods(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const methods::MethodSources& defaults) {
  methods::MethodSources given;
  given.builtIn = false;
  std::string query;
  int stage = 0;
  bool siril = false, json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      out << MethodsUsage;
      return 0;
    } else if (arg == "--library") {
      if (i + 1 >= args.size()) return Usage(err, "--library needs a PATH");
      given.libraries.push_back(args[++i]);
    } else if (arg == "--stage") {
      if (i + 1 >= args.size()) return Usage(err, "--stage needs a number of bells");
      const std::string& value = args[++i];
      const auto number = ParseNumber(value);
      const Stage* named = StageNamed(value);
      stage = number ? static_cast<int>(std::clamp<long long>(*number, -1, 99)) : named ? named->bells : 0;
      if (stage < methods::MinStage || stage > methods::MaxStage)
        return Usage(err, "--stage needs a number of bells, 4 to 16, or a stage name, not '" + value + "'");
    } else if (arg == "--siril") {
      siril = true;
    } else if (arg == "--json") {
      json = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage(err, "unknown option '" + arg + "'");
    } else {
      if (!query.empty()) query += ' ';
      query += arg;
    }
  }
  if (query.find_first_not_of(" \t") == std::string::npos) return Usage(err, "no QUERY given");
  if (siril && json) return Usage(err, "--siril and --json do not go together");

  // The libraries given come first; then those of the settings, whose
  // problems are warnings, as every setting's are; then the built-in set.
  methods::MethodLibrary library;
  methods::LoadReport report, fromSettings;
  methods::LoadMethods(given, library, report);
  for (const std::string& warning : report.warnings) err << "tolvern: warning: " << warning << "\n";
  if (!report.errors.empty()) {
    for (const std::string& error : report.errors) err << "tolvern: " << error << "\n";
    return ExitUsage;
  }
  methods::LoadMethods(defaults, library, fromSettings);
  for (const std::string& warning : fromSettings.warnings) err << "tolvern: warning: " << warning << "\n";
  for (const std::string& error : fromSettings.errors) err << "tolvern: warning: " << error << "\n";

  const std::vector<const methods::Method*> found = library.Search(query, stage);
  if (json) {
    WriteJson(out, query, stage, found);
  } else if (found.empty()) {
    err << "tolvern: no method found for '" << query << "'\n";
  } else if (siril) {
    out << found.front()->name << " = " << found.front()->siril << "\n";
  } else {
    size_t titleWidth = 0, stageWidth = 1, classWidth = 1, headWidth = 0;
    for (const methods::Method* method : found) {
      stageWidth = std::max(stageWidth, std::to_string(method->stage).size());
      titleWidth = std::max(titleWidth, Width(method->title));
      classWidth = std::max(classWidth, Width(method->classification));
      headWidth = std::max(headWidth, method->leadHead.size());
    }
    for (const methods::Method* method : found) {
      const std::string& classification = method->classification.empty() ? "-" : method->classification;
      out << method->title << std::string(titleWidth - Width(method->title) + 2, ' ');
      const std::string stageText = std::to_string(method->stage);
      out << std::string(stageWidth - stageText.size(), ' ') << stageText << "  ";
      out << classification << std::string(classWidth - Width(classification) + 2, ' ');
      out << method->leadHead << std::string(headWidth - method->leadHead.size() + 2, ' ');
      out << method->siril << "\n";
    }
  }
  return found.empty() ? ExitNotTrue : ExitTrue;
}

}  // namespace tolvern
