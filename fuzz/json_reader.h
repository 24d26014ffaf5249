// A strict JSON reader (RFC 8259) for the fuzz target to read back what the
// serialiser wrote: anything a conforming parser would refuse is refused
// here too (raw control characters in strings, bad escapes, lone surrogates,
// invalid UTF-8, leading zeros, trailing commas, trailing bytes).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvern::fuzz {

struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  bool integral = false;  // a number with no fraction or exponent that fits int64
  int64_t integer = 0;
  std::string text;  // a string's UTF-8; a number's digits
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;  // in order

  // The member named `key`, or nothing.
  const JsonValue* Member(std::string_view key) const;
};

// A pair would need JsonValue complete where it is declared, which clang's
// checks of libstdc++ insist on.
struct JsonMember {
  std::string first;
  JsonValue second;
};

std::optional<JsonValue> ReadJson(std::string_view text);

}  // namespace tolvern::fuzz
