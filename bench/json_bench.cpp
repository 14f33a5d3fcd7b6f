// Reading and writing the engine's data files: the one JSON mechanism against nlohmann's
// own conversion of the same document, side by side.
#include <benchmark/benchmark.h>

#include "core/json.h"

namespace {

struct Entry {
  std::string Id;
  std::map<std::string, std::string> Title;
  std::string Pic;
};
JSON_RECORD(Entry, Id, Title, Pic)

std::string document() {
  std::string s = "[";
  for (int i = 0; i < 200; ++i) {
    if (i) s += ',';
    s += R"({"id":"thing)" + std::to_string(i) +
         R"(","title":{"eng":"A brass key","deu":"Ein Messingschlüssel"},"pic":"key.png"})";
  }
  return s + "]";
}

void BM_DecodeThings(benchmark::State& state) {
  const std::string text = document();
  for (auto _ : state) {
    std::vector<Entry> things;
    auto r = core::json::Decode(text, &things, core::json::TypeOf<std::vector<Entry>>());
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_DecodeThings);

void BM_EncodeThings(benchmark::State& state) {
  std::vector<Entry> things;
  (void)core::json::Decode(document(), &things, core::json::TypeOf<std::vector<Entry>>());
  for (auto _ : state) {
    auto r = core::json::Encode(&things, core::json::TypeOf<std::vector<Entry>>());
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_EncodeThings);

}  // namespace
