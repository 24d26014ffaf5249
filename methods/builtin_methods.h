// The methods TOLVERN knows without a library: the most rung ones, so that a
// search works out of the box.
#pragma once

#include <span>
#include <string_view>

#include "method_library.h"

namespace tolvern::methods {

struct BuiltinMethod {
  std::string_view title;
  std::string_view classification;
  int stage;
  std::string_view notation;  // in the methods library's comma style
};

std::span<const BuiltinMethod> BuiltinMethods();

// Adds the built-in set to `library`, converted as a library file's methods are.
void AddBuiltinMethods(MethodLibrary& library);

}  // namespace tolvern::methods
