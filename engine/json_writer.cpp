#include "json_writer.h"

#include <cassert>
#include <charconv>
#include <cstring>
#include <ostream>

namespace tolvern {

namespace {

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
size_t Utf8Length(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto follows = [&](size_t i, unsigned char low, unsigned char high) {
    return i < text.size() && byte(i) >= low && byte(i) <= high;
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return follows(1, 0x80, 0xBF) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    // No overlong forms (E0 A0..) and no surrogates (ED ..9F).
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    return follows(1, low, high) && follows(2, 0x80, 0xBF) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    return follows(1, low, high) && follows(2, 0x80, 0xBF) && follows(3, 0x80, 0xBF) ? 4 : 0;
  }
  return 0;
}

constexpr char Hex[] = "0123456789abcdef";

// Whether the eight bytes of `eight` are all printable ASCII other than '"'
// and '\\', to be written as they are. A byte below `n` is found by the
// borrow it takes (exact as a yes or no for the eight together).
bool AllPlain(uint64_t eight) {
  constexpr uint64_t ones = 0x0101010101010101ULL, highs = 0x8080808080808080ULL;
  const auto below = [&](uint64_t x, uint64_t n) { return (x - ones * n) & ~x & highs; };
  return ((eight & highs) | below(eight, 0x20) | below(eight ^ (ones * '"'), 1) | below(eight ^ (ones * '\\'), 1)) == 0;
}

}  // namespace

void JsonWriter::Flush() {
  if (buffer_.empty()) return;
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

void JsonWriter::NewLine(size_t depth) {
  if (indent_ <= 0) return;
  buffer_.push_back('\n');
  buffer_.append(depth * static_cast<size_t>(indent_), ' ');
}

void JsonWriter::BeforeValue() {
  if (open_.empty()) {
    assert(!wroteValue_ && "one value per document");
    wroteValue_ = true;
    return;
  }
  Level& level = open_.back();
  if (level.object) {
    assert(!level.keyDue && "a key is due in an object");
    level.keyDue = true;
    return;
  }
  if (!level.empty) buffer_.push_back(',');
  level.empty = false;
  NewLine(open_.size());
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  assert(!open_.empty() && open_.back().object && open_.back().keyDue && "a key belongs in an object");
  Level& level = open_.back();
  if (!level.empty) buffer_.push_back(',');
  level.empty = false;
  level.keyDue = false;
  NewLine(open_.size());
  WriteString(name);
  buffer_.push_back(':');
  if (indent_ > 0) buffer_.push_back(' ');
  return *this;
}

void JsonWriter::Begin(bool object, char bracket) {
  BeforeValue();
  buffer_.push_back(bracket);
  open_.push_back({object});
}

void JsonWriter::End([[maybe_unused]] bool object, char bracket) {
  assert(!open_.empty() && open_.back().object == object && "End matches its Begin");
  assert((!object || open_.back().keyDue) && "a key has its value");
  const bool empty = open_.back().empty;
  open_.pop_back();
  if (!empty) NewLine(open_.size());
  buffer_.push_back(bracket);
  if (open_.empty() && indent_ > 0) buffer_.push_back('\n');
  Wrote();
}

JsonWriter& JsonWriter::BeginObject() {
  Begin(true, '{');
  return *this;
}
JsonWriter& JsonWriter::EndObject() {
  End(true, '}');
  return *this;
}
JsonWriter& JsonWriter::BeginArray() {
  Begin(false, '[');
  return *this;
}
JsonWriter& JsonWriter::EndArray() {
  End(false, ']');
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeforeValue();
  WriteString(text);
  Wrote();
  return *this;
}

JsonWriter& JsonWriter::Int(int64_t value) {
  BeforeValue();
  char digits[24];
  buffer_.append(digits, static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits));
  Wrote();
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  buffer_.append(value ? "true" : "false");
  Wrote();
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  buffer_.append("null");
  Wrote();
  return *this;
}

void JsonWriter::WriteString(std::string_view text) {
  buffer_.push_back('"');
  size_t plain = 0;  // start of the run of bytes written as they are
  const auto flush = [&](size_t upTo) { buffer_.append(text.data() + plain, upTo - plain); };
  for (size_t i = 0; i < text.size();) {
    // Most of a page is printable ASCII, written as it is.
    uint64_t eight;
    if (i + 8 <= text.size() && (std::memcpy(&eight, text.data() + i, 8), AllPlain(eight))) {
      i += 8;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') {
      ++i;
      continue;
    }
    const char* escape = nullptr;
    switch (byte) {
      case '"': escape = "\\\""; break;
      case '\\': escape = "\\\\"; break;
      case '\n': escape = "\\n"; break;
      case '\r': escape = "\\r"; break;
      case '\t': escape = "\\t"; break;
      case '\b': escape = "\\b"; break;
      case '\f': escape = "\\f"; break;
      default: break;
    }
    if (escape) {
      flush(i);
      buffer_.append(escape);
      plain = ++i;
      continue;
    }
    if (byte < 0x20) {
      flush(i);
      const char code[] = {'\\', 'u', '0', '0', Hex[byte >> 4], Hex[byte & 15]};
      buffer_.append(code, sizeof code);
      plain = ++i;
      continue;
    }
    const size_t length = Utf8Length(text.substr(i));
    if (length == 0) {
      // Latin-1: the character of the byte's value, in two bytes of UTF-8.
      flush(i);
      buffer_.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      buffer_.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
      plain = ++i;
      continue;
    }
    // U+2028 and U+2029 are valid JSON but end lines in JavaScript.
    if (length == 3 && byte == 0xE2 && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
        (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xA8) {
      flush(i);
      buffer_.append(text[i + 2] == '\xA8' ? "\\u2028" : "\\u2029");
      plain = i += 3;
      continue;
    }
    i += length;
  }
  flush(text.size());
  buffer_.push_back('"');
}

}  // namespace tolvern
