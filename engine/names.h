// The predefined names and their default definitions. Name resolution itself
// is part of Parser (reader.h).
#pragma once

#include <array>
#include <string_view>

namespace tolvern {

struct PredefinedDefault {
  std::string_view name;
  std::string_view line;
};

inline constexpr std::array<PredefinedDefault, 7> PredefinedDefaults = {{
    {"TRUE", "true     =\"# rows ending in @\", \"Touch is True$$\""},
    {"NOTROUND", "notround =\"# rows ending in @\", \"Is this okay?\""},
    {"FALSE", "false    =\"# rows ending in @\", \"Touch is False in $ rows\""},
    {"CONFLICT", "conflict =\"# rows ending in @\", \"Touch not completed due to False row$$\""},
    {"ROUNDS", "rounds   ="},
    {"EVERYROW", "everyrow ="},
    {"MUSIC", "music    =\"DEFAULT\""},
}};

}  // namespace tolvern
