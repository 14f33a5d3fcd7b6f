// Replays the fuzz targets' seed corpora (and every input a fuzzing run once found
// troublesome) as ordinary tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/targets.h"
#include "support/engine.h"

namespace {

std::vector<std::string> corpus(const std::string& name) {
  std::vector<std::string> inputs;
  for (const auto& e : std::filesystem::directory_iterator(std::string(ORL_SOURCE_DIR) + "/fuzz/corpus/" + name)) {
    std::ifstream in(e.path(), std::ios::binary);
    inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return inputs;
}

TEST(FuzzCorpus, Json) {
  auto inputs = corpus("json");
  ASSERT_FALSE(inputs.empty());
  for (const auto& in : inputs)
    fuzz::Json(reinterpret_cast<const std::uint8_t*>(in.data()), in.size());
}

TEST(FuzzCorpus, Verse) {
  testsupport::Engine engine;
  auto inputs = corpus("verse");
  ASSERT_FALSE(inputs.empty());
  for (const auto& in : inputs)
    fuzz::Verse(*engine, reinterpret_cast<const std::uint8_t*>(in.data()), in.size());
}

}  // namespace
