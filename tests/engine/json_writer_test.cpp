// The JSON writer: nesting and commas, escapes, and bytes kept valid UTF-8.
#include <gtest/gtest.h>

#include <sstream>

#include "json_writer.h"

namespace tolvern {
namespace {

TEST(JsonWriter, WritesNestedValuesWithCommasWhereTheyBelong) {
  std::ostringstream out;
  JsonWriter json(out);
  json.BeginObject();
  json.Key("name").String("Stedman");
  json.Key("stage").Int(-7);
  json.Key("empty").BeginArray().EndArray();
  json.Key("list").BeginArray().Int(1).Bool(true).Null().BeginObject().EndObject().EndArray();
  json.Key("none").BeginObject().EndObject();
  json.EndObject();
  EXPECT_TRUE(json.Complete());
  EXPECT_EQ(out.str(), R"({"name":"Stedman","stage":-7,"empty":[],"list":[1,true,null,{}],"none":{}})");

  std::ostringstream pretty;
  JsonWriter indented(pretty, 2);
  indented.BeginObject().Key("a").BeginArray().Int(1).Int(2).EndArray().Key("b").BeginObject().EndObject().EndObject();
  EXPECT_EQ(pretty.str(), "{\n  \"a\": [\n    1,\n    2\n  ],\n  \"b\": {}\n}\n");
}

TEST(JsonWriter, EscapesAndKeepsEveryByte) {
  const struct {
    std::string bytes;
    std::string json;
  } Strings[] = {
      {"say \"x\" \\ /", R"("say \"x\" \\ /")"},
      {"a\nb\tc\r\x01\x1f", R"("a\nb\tc\r\u0001\u001f")"},
      {"Z\xc3\xbcrich \xe2\x82\xac \xf0\x9f\x94\x94", "\"Z\xc3\xbcrich \xe2\x82\xac \xf0\x9f\x94\x94\""},  // UTF-8 kept
      {"Z\xfcrich \xa3", "\"Z\xc3\xbcrich \xc2\xa3\""},                      // Latin-1 made UTF-8
      {"\xc3", "\"\xc3\x83\""},                                              // a lead byte alone
      {"\xed\xa0\x80", "\"\xc3\xad\xc2\xa0\xc2\x80\""},                      // no surrogates
      {"\xe2\x80\xa8", R"("\u2028")"},
      {std::string("nul\0x", 5), R"("nul\u0000x")"},
  };
  for (const auto& string : Strings) {
    std::ostringstream out;
    JsonWriter(out).String(string.bytes);
    EXPECT_EQ(out.str(), string.json);
  }
}

}  // namespace
}  // namespace tolvern
