#include "json_reader.h"

#include <charconv>

#include "text_encoding.h"

namespace tolvern::fuzz {

const JsonValue* JsonValue::Member(std::string_view key) const {
  for (const auto& [name, value] : members)
    if (name == key) return &value;
  return nullptr;
}

namespace {

constexpr int MaxDepth = 64;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::optional<JsonValue> Document() {
    JsonValue value;
    if (!Value(value, 0)) return std::nullopt;
    Space();
    if (at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  bool More() const { return at_ < text_.size(); }
  char Peek() const { return More() ? text_[at_] : '\0'; }
  void Space() {
    while (More() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++at_;
  }
  bool Take(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  bool Value(JsonValue& value, int depth) {
    if (depth > MaxDepth) return false;
    Space();
    switch (Peek()) {
      case '{': return Object(value, depth);
      case '[': return Array(value, depth);
      case '"': value.kind = JsonValue::Kind::String; return String(value.text);
      case 't': value.kind = JsonValue::Kind::Bool; value.boolean = true; return Take("true");
      case 'f': value.kind = JsonValue::Kind::Bool; return Take("false");
      case 'n': value.kind = JsonValue::Kind::Null; return Take("null");
      default: return Number(value);
    }
  }

  bool Object(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++at_;
    Space();
    if (Peek() == '}') return ++at_, true;
    for (;;) {
      Space();
      std::string key;
      if (Peek() != '"' || !String(key)) return false;
      Space();
      if (!Take(":")) return false;
      JsonValue member;
      if (!Value(member, depth + 1)) return false;
      value.members.push_back({std::move(key), std::move(member)});
      Space();
      if (Take("}")) return true;
      if (!Take(",")) return false;
    }
  }

  bool Array(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Array;
    ++at_;
    Space();
    if (Peek() == ']') return ++at_, true;
    for (;;) {
      JsonValue item;
      if (!Value(item, depth + 1)) return false;
      value.items.push_back(std::move(item));
      Space();
      if (Take("]")) return true;
      if (!Take(",")) return false;
    }
  }

  bool Digits() {
    const size_t start = at_;
    while (More() && Peek() >= '0' && Peek() <= '9') ++at_;
    return at_ > start;
  }

  bool Number(JsonValue& value) {
    value.kind = JsonValue::Kind::Number;
    const size_t start = at_;
    Take("-");
    if (Peek() == '0') ++at_;
    else if (!Digits()) return false;
    bool integral = true;
    if (Take(".")) {
      integral = false;
      if (!Digits()) return false;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      integral = false;
      ++at_;
      if (Peek() == '+' || Peek() == '-') ++at_;
      if (!Digits()) return false;
    }
    value.text = std::string(text_.substr(start, at_ - start));
    if (integral) {
      const auto [end, error] = std::from_chars(value.text.data(), value.text.data() + value.text.size(), value.integer);
      value.integral = error == std::errc() && end == value.text.data() + value.text.size();
    }
    return true;
  }

  bool Hex4(uint32_t& unit) {
    if (at_ + 4 > text_.size()) return false;
    unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      unit <<= 4;
      if (c >= '0' && c <= '9') unit |= static_cast<uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f') unit |= static_cast<uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') unit |= static_cast<uint32_t>(c - 'A' + 10);
      else return false;
    }
    return true;
  }

  static void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (code >> 18)));
      out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }

  bool String(std::string& out) {
    ++at_;  // the opening quote
    const size_t start = at_;
    for (;;) {
      if (!More()) return false;
      const unsigned char c = static_cast<unsigned char>(text_[at_++]);
      if (c == '"') break;
      if (c < 0x20) return false;
      if (c != '\\') {
        out.push_back(static_cast<char>(c));
        continue;
      }
      if (!More()) return false;
      switch (text_[at_++]) {
        case '"': out.push_back('"'); break;
        case '\\': out.push_back('\\'); break;
        case '/': out.push_back('/'); break;
        case 'b': out.push_back('\b'); break;
        case 'f': out.push_back('\f'); break;
        case 'n': out.push_back('\n'); break;
        case 'r': out.push_back('\r'); break;
        case 't': out.push_back('\t'); break;
        case 'u': {
          uint32_t unit;
          if (!Hex4(unit)) return false;
          if (unit >= 0xDC00 && unit <= 0xDFFF) return false;  // a lone low surrogate
          if (unit >= 0xD800 && unit <= 0xDBFF) {
            uint32_t low;
            if (!Take("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, unit);
          break;
        }
        default: return false;
      }
    }
    // The raw bytes between the quotes must themselves be UTF-8.
    return IsValidUtf8(text_.substr(start, at_ - 1 - start));
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace

std::optional<JsonValue> ReadJson(std::string_view text) { return Reader(text).Document(); }

}  // namespace tolvern::fuzz
