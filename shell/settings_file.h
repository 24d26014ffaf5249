// TOLVERN.INI: the program's settings, read once at start-up and never
// written. Plain C++ so that the command line can read the same file.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvern {

// An INI file read with the matching rules of the Windows profile functions:
// section and key names compared without case, blanks around names and
// values ignored, a value in matching quotes loses them, lines beginning with
// ';' ignored, and the first section of a name and the first occurrence of a
// key in it win.
class IniFile {
 public:
  IniFile() = default;  // no file: every key gives its default

  static IniFile FromText(std::string_view text);
  // A file that is missing or cannot be read reads as empty.
  static IniFile FromFile(const std::string& path);

  // The key's value, or `fallback` when the section or key is absent.
  std::string Value(std::string_view section, std::string_view key, std::string_view fallback) const;

 private:
  struct Entry {
    std::string key;
    std::optional<std::string> value;  // none for a line without '='
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  std::vector<Section> sections_;
};

// Yes when the first character is 1, T, Y, t or y; an empty value is no.
bool IsYes(std::string_view value);

// A whole number in decimal (a sign allowed), or in hexadecimal after "0x"
// or "0X"; nothing for anything else: blanks, trailing junk, numbers beyond
// a long long. The settings file and the command lines read numbers so.
std::optional<long long> ParseNumber(std::string_view text);

// A number as ParseNumber reads it; `fallback` for anything else, numbers
// beyond an int included.
int IntegerValue(std::string_view value, int fallback);

// The settings file of a folder: folder + "/TOLVERN.INI", or else a file in
// the folder whose name is TOLVERN.INI in any letter case. Empty when there
// is none.
std::string FindSettingsFile(const std::string& folder);

struct AppSettings {
  std::string startFolder;
  bool crossCheck = false;  // check mark (and visibility) of the microSIRIL item
  bool crossCheckDebug = false;
  int maxNumberBells = 12;
  std::string workingFolder;
  std::string libraryViewer;
  std::string proverExecutable;  // empty when not read or not specified
  std::string proverFolder;      // ends in '/' unless empty
  std::string methodLibFolder;
  bool methodMenuVisible = false;  // MethodLib names a folder that exists
  std::string methodLibraryXml;    // the Central Council's methods library; empty when none

  bool debugMenu = false;
  bool syntaxColours = false;
  bool proveAsYouType = false;
};

struct SettingsMessage {
  enum class Box { Warning, Error } box;
  std::string title;  // "Warning" or "Error"
  std::string text;   // first line, an empty line, second line
};

struct SettingsReading {
  AppSettings settings;
  std::vector<SettingsMessage> messages;  // in the order they are to be shown
};

// Reads TOLVERN.INI in `startFolder` (the current folder at start-up) and
// checks each value, replacing bad ones by safe values. Relative paths in the
// file are checked against `startFolder`.
SettingsReading ReadSettings(const std::string& startFolder);

// MaxNumberBells from TOLVERN.INI in `folder`, checked as the window checks
// it: 12 when absent or below 12; above 16 gives 16 and puts the warning's
// text in *warning (left untouched otherwise).
int MaxNumberBellsSetting(const std::string& folder, std::string* warning);

// The stage limit when a command line does not give one: MaxNumberBells from
// TOLVERN.INI in the current folder, as the window reads it (12 when there
// is none). A value above 16 becomes 16 with a warning line on `err`.
int MaxBellsFromSettingsFile(std::ostream& err);

// The method libraries the settings name, taken against the start folder, in
// the order the methods' sources take them (later ones first): the MethodLib
// folder, then MethodLibraryXML, whose methods win over a SIRIL library's of
// the same title.
std::vector<std::string> MethodLibraries(const AppSettings& settings);

// The same from TOLVERN.INI in the current folder, for the command line: a
// missing one is left out with the warning's text as a line on `err`.
std::vector<std::string> MethodLibrariesFromSettingsFile(std::ostream& err);

}  // namespace tolvern
