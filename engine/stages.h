// The stages by name, and the file extensions that name them. Everything
// that lists stages (check, the Open menu and file filters, Save As, the
// file type, the method library) reads this one table.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tolvern {

struct Stage {
  int bells;
  std::string_view name;       // "Major"
  std::string_view extension;  // "maj"; empty where no file type names the stage
};

inline constexpr std::array<Stage, 14> Stages = {{
    {3, "Singles", ""},
    {4, "Minimus", ""},
    {5, "Doubles", "dou"},
    {6, "Minor", "min"},
    {7, "Triples", "tri"},
    {8, "Major", "maj"},
    {9, "Caters", "cat"},
    {10, "Royal", "roy"},
    {11, "Cinques", "cin"},
    {12, "Maximus", "max"},
    {13, "Sextuples", "sex"},
    {14, "Fourteen", "fou"},
    {15, "Septuples", "sep"},
    {16, "Sixteen", "six"},
}};

// A composition of any other stage, or of no stage in particular.
inline constexpr std::string_view OtherSirilName = "Other SIRIL";
inline constexpr std::string_view OtherSirilExtension = "sir";

// The stages that have a file type of their own, in order: Doubles to Sixteen.
inline constexpr size_t FirstStageWithFile = 2;
inline constexpr size_t StagesWithFiles = Stages.size() - FirstStageWithFile;
constexpr const Stage& StageWithFile(size_t index) { return Stages[FirstStageWithFile + index]; }

// The stage of `bells`, if it has a name.
const Stage* StageOfBells(int bells);
// A stage named in any letter case ("major", "MAJOR").
const Stage* StageNamed(std::string_view name);
// The extension (no dot) of a composition of `bells`: the stage's own, else "sir".
std::string_view ExtensionOfStage(int bells);
// Whether `extension` (no dot) is one of the thirteen of composition files,
// "dou" to "six" and "sir", in any letter case.
bool IsCompositionExtension(std::string_view extension);

}  // namespace tolvern
