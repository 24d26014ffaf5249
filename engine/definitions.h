// Definition bodies are parsed by Parser::ParseDefinitionBody (reader.h);
// this header only names the empty-body element they may hold.
#pragma once

namespace tolvern {

inline constexpr const char* NullElementText = "<null>";

}  // namespace tolvern
