#include "core/json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace sample {

struct Inner {
  std::string Name;
  int N = 0;
};
JSON_RECORD(Inner, Name, N)

struct Record {
  int Int = 0;
  std::string Str;
  bool Flag = false;
  std::vector<std::string> List;
  std::map<std::string, std::string> Map;
  std::optional<std::vector<int>> Maybe;
  std::array<int, 2> Pair{};
  std::vector<Inner> Items;
  double Real = 0;
  std::int64_t Big = 0;
  std::uint8_t Byte = 0;
};
JSON_RECORD(Record, Int, Str, Flag, List, Map, Maybe, Pair, Items, Real, Big, Byte)

// Two fields whose names differ only in letter case.
struct Twins {
  int Value = 0;
  int VALUE = 0;
};
JSON_RECORD(Twins, Value, VALUE)

}  // namespace sample

namespace {

using core::json::Decode;
using core::json::Encode;
using core::json::TypeOf;

sample::Record prefilled() {
  sample::Record r;
  r.Int = 7;
  r.Str = "keep";
  r.Flag = true;
  r.List = {"a", "b", "c"};
  r.Map = {{"a", "1"}, {"b", "2"}};
  r.Maybe = std::vector<int>{1};
  r.Pair = {5, 6};
  return r;
}

struct DecodeCase {
  const char* name;
  const char* json;
  std::function<void(const sample::Record&)> check;  // null: decoding must fail
  const char* errorHas = "";
  friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

class DecodeTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, Decodes) {
  const auto& c = GetParam();
  sample::Record r = prefilled();
  auto res = Decode(c.json, &r, TypeOf<sample::Record>());
  if (c.check) {
    ASSERT_TRUE(res) << res.error().Message;
    c.check(r);
  } else {
    ASSERT_FALSE(res);
    EXPECT_NE(res.error().Message.find(c.errorHas), std::string::npos) << res.error().Message;
  }
}

using V = std::vector<std::string>;
using M = std::map<std::string, std::string>;

INSTANTIATE_TEST_SUITE_P(
    Json, DecodeTable,
    testing::Values(
        DecodeCase{"KeysIgnoreCase", R"({"int":3,"STR":"x","fLaG":false})",
                   [](auto& r) {
                     EXPECT_EQ(r.Int, 3);
                     EXPECT_EQ(r.Str, "x");
                     EXPECT_FALSE(r.Flag);
                   }},
        DecodeCase{"LaterKeyOfSameFieldWins", R"({"int":1,"Int":2,"INT":3})",
                   [](auto& r) { EXPECT_EQ(r.Int, 3); }},
        DecodeCase{"UnknownKeysIgnored", R"({"Nope":{"deep":[1,2]},"Int":2})",
                   [](auto& r) { EXPECT_EQ(r.Int, 2); }},
        DecodeCase{"AbsentKeysKeepValues", R"({"Int":1})",
                   [](auto& r) {
                     EXPECT_EQ(r.Str, "keep");
                     EXPECT_EQ(r.List, (V{"a", "b", "c"}));
                     EXPECT_TRUE(r.Flag);
                   }},
        DecodeCase{"NullKeepsScalarsEmptiesContainers",
                   R"({"Int":null,"Str":null,"Flag":null,"List":null,"Map":null,"Maybe":null,"Pair":null})",
                   [](auto& r) {
                     EXPECT_EQ(r.Int, 7);
                     EXPECT_EQ(r.Str, "keep");
                     EXPECT_TRUE(r.Flag);
                     EXPECT_TRUE(r.List.empty());
                     EXPECT_TRUE(r.Map.empty());
                     EXPECT_FALSE(r.Maybe.has_value());
                     EXPECT_EQ(r.Pair, (std::array<int, 2>{5, 6}));
                   }},
        DecodeCase{"ObjectMergesIntoMap", R"({"Map":{"b":"x","c":"y"}})",
                   [](auto& r) { EXPECT_EQ(r.Map, (M{{"a", "1"}, {"b", "x"}, {"c", "y"}})); }},
        DecodeCase{"ArrayReplacesList", R"({"List":["z"]})",
                   [](auto& r) { EXPECT_EQ(r.List, V{"z"}); }},
        DecodeCase{"ShortArrayZeroesTheRest", R"({"Pair":[9]})",
                   [](auto& r) { EXPECT_EQ(r.Pair, (std::array<int, 2>{9, 0})); }},
        DecodeCase{"LongArrayKeepsLeading", R"({"Pair":[1,2,3]})",
                   [](auto& r) { EXPECT_EQ(r.Pair, (std::array<int, 2>{1, 2})); }},
        DecodeCase{"NestedRecords", R"({"items":[{"name":"a","n":1},{"N":2}]})",
                   [](auto& r) {
                     ASSERT_EQ(r.Items.size(), 2u);
                     EXPECT_EQ(r.Items[0].Name, "a");
                     EXPECT_EQ(r.Items[0].N, 1);
                     EXPECT_EQ(r.Items[1].Name, "");
                     EXPECT_EQ(r.Items[1].N, 2);
                   }},
        DecodeCase{"NumbersOfEveryWidth",
                   R"({"Int":-2147483648,"Big":9007199254740993,"Byte":255,"Real":1.5e3,"Maybe":[-1]})",
                   [](auto& r) {
                     EXPECT_EQ(r.Int, -2147483648);
                     EXPECT_EQ(r.Big, 9007199254740993);
                     EXPECT_EQ(r.Byte, 255);
                     EXPECT_EQ(r.Real, 1500.0);
                     EXPECT_EQ(r.Maybe, std::vector<int>{-1});
                   }},
        DecodeCase{"IntWithFraction", R"({"Int":1.0})", nullptr, "'Int'"},
        DecodeCase{"IntWithExponent", R"({"Int":1e2})", nullptr, "'Int'"},
        DecodeCase{"IntOutOfRange", R"({"Int":3000000000})", nullptr, "out of range"},
        DecodeCase{"ByteNegative", R"({"Byte":-1})", nullptr, "out of range"},
        DecodeCase{"StringForInt", R"({"Int":"5"})", nullptr, "expected int"},
        DecodeCase{"NumberForString", R"({"Str":5})", nullptr, "expected string"},
        DecodeCase{"NumberForBool", R"({"Flag":1})", nullptr, "expected bool"},
        DecodeCase{"ObjectForList", R"({"List":{}})", nullptr, "'List'"},
        DecodeCase{"WrongTypeDeepInside", R"({"Items":[{"N":"x"}]})", nullptr, "'Items[0].N'"},
        DecodeCase{"ArrayForRecord", R"([])", nullptr, "expected Record"},
        DecodeCase{"Malformed", R"({"Int":)", nullptr, "parse error"},
        DecodeCase{"Empty", "", nullptr, "parse error"},
        DecodeCase{"TrailingGarbage", R"({} x)", nullptr, "parse error"}),
    [](const auto& info) { return info.param.name; });

TEST(Json, ExactKeyMatchWinsOverCaseInsensitiveOne) {
  sample::Twins t;
  ASSERT_TRUE(Decode(R"({"VALUE":2})", &t, TypeOf<sample::Twins>()));
  EXPECT_EQ(t.Value, 0);
  EXPECT_EQ(t.VALUE, 2);
  ASSERT_TRUE(Decode(R"({"value":3})", &t, TypeOf<sample::Twins>()));
  EXPECT_EQ(t.Value, 3);
}

TEST(Json, BareValues) {
  std::string s = "old";
  ASSERT_TRUE(Decode(R"("verse")", &s, TypeOf<std::string>()));
  EXPECT_EQ(s, "verse");
  std::vector<std::string> list;
  ASSERT_TRUE(Decode(R"(["a","b"])", &list, TypeOf<std::vector<std::string>>()));
  EXPECT_EQ(list, (V{"a", "b"}));
  EXPECT_FALSE(Decode(R"(["a",1])", &list, TypeOf<std::vector<std::string>>()));
}

TEST(Json, WritesCompactInDeclarationOrder) {
  sample::Record r;
  r.Items = {{"n<1>", 1}};
  auto out = Encode(&r, TypeOf<sample::Record>());
  ASSERT_TRUE(out);
  EXPECT_EQ(*out,
            R"({"Int":0,"Str":"","Flag":false,"List":[],"Map":{},"Maybe":null,"Pair":[0,0],)"
            R"("Items":[{"Name":"n\u003c1\u003e","N":1}],"Real":0,"Big":0,"Byte":0})");
}

TEST(Json, WritesMapKeysInByteOrder) {
  std::map<std::string, bool> m = {{"b", true}, {"a", false}, {"B", true}, {"\xc3\xa9", true}};
  auto out = Encode(&m, TypeOf<decltype(m)>());
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "{\"B\":true,\"a\":false,\"b\":true,\"\xc3\xa9\":true}");
}

TEST(Json, EscapesStrings) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"<a&b>", R"("\u003ca\u0026b\u003e")"},
      {"q\"\\/", R"("q\"\\/")"},
      {"\n\r\t\x01\x1f", R"("\n\r\t\u0001\u001f")"},
      {"\xc3\xa4\xe2\x82\xac\xf0\x9f\x99\x82", "\"\xc3\xa4\xe2\x82\xac\xf0\x9f\x99\x82\""},
      {"\xe2\x80\xa8\xe2\x80\xa9", R"("\u2028\u2029")"},
      {"a\xff" "b\xc3", R"("a\ufffdb\ufffd")"},
      {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},  // an encoded surrogate is not UTF-8
  };
  for (const auto& c : cases) {
    auto out = Encode(&c.in, TypeOf<std::string>());
    ASSERT_TRUE(out);
    EXPECT_EQ(*out, c.out) << c.in;
  }
}

TEST(Json, NonFiniteNumberCannotBeWritten) {
  double d = std::nan("");
  EXPECT_FALSE(Encode(&d, TypeOf<double>()));
}

TEST(Json, RoundTrip) {
  sample::Record r = prefilled();
  r.Items = {{"x", -3}};
  r.Real = 0.1;
  r.Big = -(std::int64_t{1} << 60);
  auto text = Encode(&r, TypeOf<sample::Record>());
  ASSERT_TRUE(text);
  sample::Record back;
  ASSERT_TRUE(Decode(*text, &back, TypeOf<sample::Record>()));
  EXPECT_EQ(*Encode(&back, TypeOf<sample::Record>()), *text);
  EXPECT_EQ(back.Real, 0.1);
}

}  // namespace
