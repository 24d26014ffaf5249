#include "settings_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "engine.h"

namespace tolvern {

namespace {

namespace fs = std::filesystem;

constexpr const char* SettingsFileName = "TOLVERN.INI";
// The text a setting without a default is read with; the same text in the
// file counts as not specified.
constexpr const char* NotSpecified = "ERROR";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// The name of a "[name]" line, or nothing when the line is not a section
// header.
std::optional<std::string_view> SectionName(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

std::string WithTrailingSlash(const std::string& folder) {
  return !folder.empty() && folder.back() == '/' ? folder : folder + "/";
}

// The folder part of a path, with its trailing '/'; empty for a bare name.
std::string ParentFolder(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Relative paths in the settings are taken against the folder that was
// current at start-up.
fs::path AgainstStartFolder(const std::string& startFolder, const std::string& path) {
  const fs::path given(path);
  return given.is_absolute() ? given : fs::path(startFolder) / given;
}

bool FolderExists(const std::string& startFolder, const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code error;
  return fs::is_directory(AgainstStartFolder(startFolder, folder), error);
}

bool FileExists(const std::string& startFolder, const std::string& file) {
  if (file.empty()) return false;
  std::error_code error;
  const fs::path path = AgainstStartFolder(startFolder, file);
  return fs::exists(path, error) && !fs::is_directory(path, error);
}

SettingsMessage Message(SettingsMessage::Box box, const std::string& first, const std::string& second) {
  return {box, box == SettingsMessage::Box::Warning ? "Warning" : "Error", first + "\n\n" + second};
}

SettingsMessage OutOfRangeWarning() {
  return Message(SettingsMessage::Box::Warning, "Error in \"TOLVERN.INI\" file, MaxNumberBells is out of range",
                 "MaxNumberBells has been set to 16");
}

// The stage limit as the file gives it: 12 at the least, and at most 16,
// where a value above 16 is worth telling.
int CheckedMaxNumberBells(const IniFile& ini, std::optional<SettingsMessage>& warning) {
  const int value = IntegerValue(ini.Value("TOLVERN", "MaxNumberBells", "12"), 12);
  if (value > 16) {
    warning = OutOfRangeWarning();
    return 16;
  }
  return std::max(value, 12);
}

// MethodLib: the folder, when it is specified and exists.
std::optional<std::string> CheckedMethodLib(const IniFile& ini, const std::string& startFolder,
                                            std::vector<SettingsMessage>& messages) {
  const std::string library = ini.Value("microSIRIL", "MethodLib", NotSpecified);
  if (library == NotSpecified) return std::nullopt;
  if (!FolderExists(startFolder, library)) {
    messages.push_back(Message(SettingsMessage::Box::Warning, "Error in \"MethodLib\" of TOLVERN.INI file",
                               "The folder " + library + " does not exist"));
    return std::nullopt;
  }
  return library;
}

// MethodLibraryXML: the file, when it is specified and exists.
std::string CheckedMethodLibraryXml(const IniFile& ini, const std::string& startFolder,
                                    std::vector<SettingsMessage>& messages) {
  const std::string file = ini.Value("TOLVERN", "MethodLibraryXML", NotSpecified);
  if (file == NotSpecified || file.empty()) return {};
  if (!FileExists(startFolder, file)) {
    messages.push_back(Message(SettingsMessage::Box::Warning, "Error in \"MethodLibraryXML\" of TOLVERN.INI file",
                               "The file " + file + " does not exist"));
    return {};
  }
  return file;
}

// A message box's two lines, joined for one line of standard error.
std::string OneLine(std::string text) {
  const size_t gap = text.find("\n\n");
  if (gap != std::string::npos) text.replace(gap, 2, "; ");
  return text;
}

IniFile SettingsFileIn(const std::string& folder) {
  const std::string path = FindSettingsFile(folder);
  return path.empty() ? IniFile() : IniFile::FromFile(path);
}

class SettingsReader {
 public:
  SettingsReader(const std::string& startFolder, const IniFile& ini) : ini_(ini) {
    out_.settings.startFolder = startFolder;
  }

  SettingsReading Read() {
    ReadCrossCheck();
    ReadMaxNumberBells();
    ReadWorkingFolder();
    s().libraryViewer = ini_.Value("microSIRIL", "OpenLibraryWith", "xdg-open");
    if (s().crossCheck) ReadProverExecutable();
    ReadMethodLibFolder();
    s().methodLibraryXml = CheckedMethodLibraryXml(ini_, startFolder(), out_.messages);
    s().debugMenu = YesNo("TOLVERN", "Debug");
    s().syntaxColours = YesNo("TOLVERN", "SyntaxColours");
    s().proveAsYouType = YesNo("TOLVERN", "ProveAsYouType");
    return std::move(out_);
  }

 private:
  AppSettings& s() { return out_.settings; }
  const std::string& startFolder() const { return out_.settings.startFolder; }

  void Fail(const std::string& first, const std::string& second) {
    out_.messages.push_back(Message(SettingsMessage::Box::Error, first, second));
  }

  bool YesNo(std::string_view section, std::string_view key) const {
    return IsYes(ini_.Value(section, key, "No"));
  }
  // The value, or nothing when the file does not specify it.
  std::optional<std::string> Specified(std::string_view section, std::string_view key) const {
    std::string value = ini_.Value(section, key, NotSpecified);
    if (value == NotSpecified) return std::nullopt;
    return value;
  }

  void ReadCrossCheck() {
    s().crossCheck = YesNo("microSIRIL", "RUNmicroSIRIL");
    s().crossCheckDebug = YesNo("microSIRIL", "DEBUG");
  }

  void ReadMaxNumberBells() {
    std::optional<SettingsMessage> warning;
    s().maxNumberBells = CheckedMaxNumberBells(ini_, warning);
    if (warning) out_.messages.push_back(*warning);
  }

  void ReadWorkingFolder() {
    const auto working = Specified("TOLVERN", "Working");
    if (working) {
      s().workingFolder = *working;
      return;
    }
    Fail("Error in \"Working\" of TOLVERN.INI file", "The working directory is not specified");
    s().workingFolder = startFolder();
  }

  void ReadProverExecutable() {
    const auto executable = Specified("microSIRIL", "Executable");
    if (!executable) {
      Fail("Error in \"TOLVERN.INI\" file",
           "The executable file is unspecified and you have \"RunSIRIL=Y\" set");
      s().proverFolder = WithTrailingSlash(startFolder());
      s().crossCheck = false;
      return;
    }
    s().proverExecutable = *executable;
    s().proverFolder = ParentFolder(*executable);
    if (!FolderExists(startFolder(), s().proverFolder)) {
      Fail("Error in \"Executable\" of TOLVERN.INI file", "The folder " + s().proverFolder + " does not exist");
      s().crossCheck = false;
    } else if (!FileExists(startFolder(), s().proverExecutable)) {
      Fail("Error in \"Executable\" of TOLVERN.INI file", "The file " + s().proverExecutable + " does not exist");
      s().crossCheck = false;
    }
  }

  void ReadMethodLibFolder() {
    const auto library = CheckedMethodLib(ini_, startFolder(), out_.messages);
    s().methodMenuVisible = library.has_value();
    s().methodLibFolder = library ? *library : startFolder();
  }

  const IniFile& ini_;
  SettingsReading out_;
};

}  // namespace

IniFile IniFile::FromText(std::string_view text) {
  // A byte order mark is not part of the first line.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  IniFile ini;
  for (const std::string& raw : SplitLines(text)) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (const auto name = SectionName(line)) {
      ini.sections_.push_back({std::string(*name), {}});
      continue;
    }
    if (ini.sections_.empty()) continue;  // keys before any section are never looked up
    Entry entry;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      entry.key = std::string(line);
    } else {
      entry.key = std::string(Trim(line.substr(0, equals)));
      entry.value = std::string(Trim(line.substr(equals + 1)));
    }
    ini.sections_.back().entries.push_back(std::move(entry));
  }
  return ini;
}

IniFile IniFile::FromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return IniFile();
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return FromText(text);
}

std::string IniFile::Value(std::string_view section, std::string_view key, std::string_view fallback) const {
  const auto inSection = std::find_if(sections_.begin(), sections_.end(),
                                      [&](const Section& s) { return SameNameIgnoringCase(s.name, section); });
  if (inSection == sections_.end()) return std::string(fallback);
  const auto entry = std::find_if(inSection->entries.begin(), inSection->entries.end(),
                                  [&](const Entry& e) { return SameNameIgnoringCase(e.key, key); });
  // A key written without '=' is found but has no value: the default stands.
  if (entry == inSection->entries.end() || !entry->value) return std::string(fallback);
  return std::string(Unquoted(*entry->value));
}

bool IsYes(std::string_view value) {
  return !value.empty() && std::string_view("1TYty").find(value.front()) != std::string_view::npos;
}

std::optional<long long> ParseNumber(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
    // strtoll would take a sign or blanks after the prefix; a number does not.
    if (!std::isxdigit(static_cast<unsigned char>(text.front()))) return std::nullopt;
  }
  if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
  const std::string digits(text);
  errno = 0;
  char* end = nullptr;
  const long long number = std::strtoll(digits.c_str(), &end, base);
  if (errno != 0 || end == digits.c_str() || *end != '\0') return std::nullopt;
  return number;
}

int IntegerValue(std::string_view value, int fallback) {
  const std::optional<long long> number = ParseNumber(value);
  if (!number || *number < INT_MIN || *number > INT_MAX) return fallback;
  return static_cast<int>(*number);
}

std::string FindSettingsFile(const std::string& folder) {
  std::error_code error;
  const fs::path exact = fs::path(folder) / SettingsFileName;
  if (fs::is_regular_file(exact, error)) return exact.string();
  // Files copied from Windows keep whatever letter case they were given.
  std::vector<std::string> matches;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (SameNameIgnoringCase(it->path().filename().string(), SettingsFileName) &&
        fs::is_regular_file(it->path(), error))
      matches.push_back(it->path().string());
  }
  if (matches.empty()) return {};
  return *std::min_element(matches.begin(), matches.end());
}

SettingsReading ReadSettings(const std::string& startFolder) {
  const IniFile ini = SettingsFileIn(startFolder);
  return SettingsReader(startFolder, ini).Read();
}

int MaxNumberBellsSetting(const std::string& folder, std::string* warning) {
  std::optional<SettingsMessage> outOfRange;
  const int value = CheckedMaxNumberBells(SettingsFileIn(folder), outOfRange);
  if (outOfRange && warning) *warning = outOfRange->text;
  return value;
}

int MaxBellsFromSettingsFile(std::ostream& err) {
  std::string warning;
  const int maxBells = MaxNumberBellsSetting(".", &warning);
  if (!warning.empty()) err << "tolvern: " << OneLine(warning) << "\n";
  return maxBells;
}

std::vector<std::string> MethodLibraries(const AppSettings& settings) {
  std::vector<std::string> libraries;
  if (settings.methodMenuVisible)
    libraries.push_back(AgainstStartFolder(settings.startFolder, settings.methodLibFolder).string());
  if (!settings.methodLibraryXml.empty())
    libraries.push_back(AgainstStartFolder(settings.startFolder, settings.methodLibraryXml).string());
  return libraries;
}

std::vector<std::string> MethodLibrariesFromSettingsFile(std::ostream& err) {
  const IniFile ini = SettingsFileIn(".");
  std::vector<SettingsMessage> messages;
  // Paths as the file gives them: the current folder is the start folder.
  std::vector<std::string> libraries;
  if (const auto folder = CheckedMethodLib(ini, ".", messages)) libraries.push_back(*folder);
  const std::string xml = CheckedMethodLibraryXml(ini, ".", messages);
  if (!xml.empty()) libraries.push_back(xml);
  for (const SettingsMessage& message : messages) err << "tolvern: warning: " << OneLine(message.text) << "\n";
  return libraries;
}

}  // namespace tolvern
