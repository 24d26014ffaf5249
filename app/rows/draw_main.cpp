// tolvern-draw: the rows of a composition as an SVG or PNG picture, drawn
// without a screen, or shown in the rows window. `tolvern draw ARGS` runs it.
//   tolvern-draw FILE -o OUT.svg|OUT.png|OUT.pdf [--bells LIST] [--columns N] [--max-bells N]
//   tolvern-draw FILE --view [--max-bells N]
// Exit status: 0 drawn, 2 the composition has errors, 3 usage or file problems.
#include <QApplication>
#include <QPrinter>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "composition_file.h"
#include "settings_file.h"
#include "dialogs.h"
#include "rows.h"
#include "rows_model.h"
#include "rows_picture.h"
#include "rows_window.h"

using namespace tolvern;
using namespace tolvern::app;

namespace {

constexpr const char* DrawUsage =
    "usage: tolvern draw FILE -o OUT.svg|OUT.png|OUT.pdf [--bells LIST] [--columns N] [--max-bells N]\n"
    "       tolvern draw FILE --view [--max-bells N]\n"
    "See 'tolvern --help' or tolvern(1).\n";

struct DrawOptions {
  std::string file;
  std::string output;
  enum class Kind { Svg, Png, Pdf } kind = Kind::Svg;
  std::vector<int> bells = {0, 1};
  int columns = 8;
  std::optional<int> maxBells;
  bool view = false;  // the rows window instead of a picture
};

int Fail(int status, const std::string& message) {
  std::cerr << "tolvern draw: " << message << "\n";
  return status;
}

int UsageError(const std::string& message) {
  Fail(ExitUsage, message);
  std::cerr << "Try 'tolvern --help'.\n";
  return ExitUsage;
}

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
  const std::optional<long long> value = ParseNumber(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

// "1,2,8" or "1,2,10": bell symbols, or numbers from 1 to 16; "" draws no lines.
std::optional<std::vector<int>> BellList(const std::string& text) {
  std::vector<int> bells;
  std::stringstream list(text);
  std::string item;
  while (std::getline(list, item, ',')) {
    int bell = item.size() == 1 ? PlaceOfSymbol(item[0] == 'e' ? 'E' : item[0] == 't' ? 'T' : item[0]) : 0;
    if (bell == 0) bell = WholeNumber(item, 1, 16).value_or(0);
    if (bell == 0) return std::nullopt;
    bells.push_back(bell - 1);
  }
  return bells;
}

bool EndsWith(std::string text, const std::string& suffix) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Fills `options`; returns a message, empty when the arguments are good.
std::string ParseArguments(const std::vector<std::string>& args, DrawOptions& options) {
  bool haveFile = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "-o" || arg == "--output") {
      if (!hasValue) return arg + " needs OUT.svg, OUT.png or OUT.pdf";
      options.output = args[++i];
    } else if (arg == "--bells") {
      if (!hasValue) return "--bells needs a LIST such as 1,2";
      const auto bells = BellList(args[++i]);
      if (!bells) return "--bells needs bell symbols or numbers separated by commas, not '" + args[i] + "'";
      options.bells = *bells;
    } else if (arg == "--columns") {
      const auto columns = hasValue ? WholeNumber(args[++i], 1, 1000) : std::nullopt;
      if (!columns) return "--columns needs a number of leads across, 1 to 1000";
      options.columns = *columns;
    } else if (arg == "--max-bells") {
      const auto bells = hasValue ? WholeNumber(args[++i], 0, 999) : std::nullopt;
      if (!bells) return "--max-bells needs a number";
      options.maxBells = ClampMaxNumberBells(*bells);
    } else if (arg == "--view") {
      options.view = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option '" + arg + "'";
    } else {
      if (haveFile) return "only one FILE may be drawn at a time";
      options.file = arg;
      haveFile = true;
    }
  }
  if (!haveFile) return "no composition FILE given";
  if (options.view) return {};
  if (options.output.empty()) return "no picture given: -o OUT.svg, OUT.png or OUT.pdf";
  if (EndsWith(options.output, ".png")) options.kind = DrawOptions::Kind::Png;
  else if (EndsWith(options.output, ".pdf")) options.kind = DrawOptions::Kind::Pdf;
  else if (!EndsWith(options.output, ".svg"))
    return "the picture must be a .svg, .png or .pdf file, not '" + options.output + "'";
  return {};
}

// This program says what went wrong itself; Qt's notes about the session
// (no runtime folder, no screen) would only hide it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

// As the print dialog would print it: as many leads across as fit the sheet.
bool WritePdf(const QString& path, const RowsModel& model, const PictureStyle& style) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(QStringLiteral("TOLVERN - Rows"));
  return PrintRows(printer, model, style);
}

int View(int argc, char** argv, std::shared_ptr<RowsModel> model) {
  QApplication application(argc, argv);
  QtDialogs dialogs;
  RowsWindow window(dialogs);
  window.ShowRows(std::move(model));
  window.show();
  return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; }) !=
      args.end()) {
    std::cout << DrawUsage;
    return 0;
  }
  DrawOptions options;
  const std::string problem = ParseArguments(args, options);
  if (!problem.empty()) return UsageError(problem);
  std::vector<std::string> lines;
  if (!ReadCompositionFile(options.file, lines)) return Fail(ExitUsage, "cannot read file " + options.file);
  const int maxBells = options.maxBells ? *options.maxBells : MaxBellsFromSettingsFile(std::cerr);

  const std::shared_ptr<RowsModel> model = CollectRows(lines, maxBells, nullptr);
  if (model->Result().outcome == ProofOutcome::Refused) return Fail(ExitErrors, model->Verdict());
  if (model->Result().outcome == ProofOutcome::Stopped)
    std::cerr << "tolvern draw: " << model->Verdict() << "; drawn as far as it went\n";

  if (options.view) return View(argc, argv, model);

  // Drawing needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  QApplication application(argc, argv);
  PictureStyle style;
  style.font = RowsFont();
  style.lines.Clear();
  for (int bell : options.bells)
    if (!style.lines.Has(bell)) style.lines.Toggle(bell);
  style.title = PictureTitle(*model);

  const QString output = QString::fromStdString(options.output);
  QString error;
  bool drawn = false;
  switch (options.kind) {
    case DrawOptions::Kind::Svg: drawn = WriteSvg(output, *model, options.columns, style); break;
    case DrawOptions::Kind::Png: drawn = WritePng(output, *model, options.columns, style, &error); break;
    case DrawOptions::Kind::Pdf: drawn = WritePdf(output, *model, style); break;
  }
  if (!drawn) return Fail(ExitUsage, error.isEmpty() ? "cannot write file " + options.output : error.toStdString());
  return 0;
}
