// JSON written as it goes to a stream: no document is built in memory.
//
//   JsonWriter json(out);
//   json.BeginObject();
//   json.Key("title").String("Cambridge Surprise Major");
//   json.Key("stage").Int(8);
//   json.EndObject();
//
// Strings are bytes: a valid UTF-8 sequence is written as it is, any other
// byte is taken as Latin-1 (as composition files may be) and written as the
// UTF-8 of that character, so the output is always valid JSON in UTF-8.
// Commas, and with `indent` > 0 line breaks and indentation, are placed by
// the writer; a misuse (a value where a key is due, an unbalanced End) is a
// programming error, caught by assert. What is written waits in a buffer
// and reaches the stream a large piece at a time, and whole once the document
// is complete: an ostream's own writes, a character at a time, cost more than
// the JSON itself.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tolvern {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out, int indent = 0) : out_(out), indent_(indent) {}
  ~JsonWriter() { Flush(); }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The name of the next member of the object being written.
  JsonWriter& Key(std::string_view name);

  JsonWriter& String(std::string_view text);
  JsonWriter& Int(int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // Whether every object and array begun has been ended.
  bool Complete() const { return open_.empty() && wroteValue_; }

 private:
  struct Level {
    bool object;
    bool empty = true;
    bool keyDue = true;  // in an object: a key comes next
  };
  void BeforeValue();
  void Begin(bool object, char bracket);
  void End(bool object, char bracket);
  void NewLine(size_t depth);
  void WriteString(std::string_view text);
  // Passes the buffer on when it is full or the document complete.
  void Wrote() {
    if (open_.empty() || buffer_.size() >= BufferSize) Flush();
  }
  void Flush();

  static constexpr size_t BufferSize = size_t{1} << 16;
  std::ostream& out_;
  std::string buffer_;
  int indent_;
  std::vector<Level> open_;
  bool wroteValue_ = false;
};

}  // namespace tolvern
