#include "play/play.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/low.h"
#include "support/engine.h"

namespace {

using testsupport::Engine;

struct Visit {
  std::string play, prev;
  bool localEmpty;
  std::uint8_t firstByte;  // the screen buffer as the play found it
  int numshows;
};

TEST(Dispatcher, RunsPlaysInTheOrderTheyName) {
  Engine engine;
  std::vector<Visit> visits;
  int metaRuns = 0;
  auto record = [&](core::Context& ctx, play::States& st) {
    visits.push_back({st.Control->CurrPlay, st.Control->PrevPlay, !st.Local.has_value(),
                      ctx.video->pixels[0], ctx.video->numshows});
    // Every play leaves a drawn, locked frame and a record of its own behind.
    ctx.video->pixels[0] = 0xff;
    ctx.LockDraw();
    st.MakeLocal<int>(metaRuns);
  };
  play::PlayTable table = {
      {"INTRO",
       [&](core::Context& ctx, play::States& st) -> core::Result<void> {
         record(ctx, st);
         st.Control->NextPlay = "META";
         return {};
       }},
      {"META",
       [&](core::Context& ctx, play::States& st) -> core::Result<void> {
         record(ctx, st);
         if (++metaRuns == 1) {
           st.Control->NextPlay = "META";  // the same play twice in a row
         } else {
           st.Control->SelVerseId = "tower<1>";
           st.Control->NextPlay = "CREDITS";  // Terminate wins over a named successor
           st.Control->Terminate = true;
         }
         return {};
       }},
      {"CREDITS", [&](core::Context&, play::States&) -> core::Result<void> {
         ADD_FAILURE() << "CREDITS must not run after Terminate";
         return {};
       }},
  };
  auto result = play::Run(*engine, table);
  ASSERT_TRUE(result) << result.error().Message;

  ASSERT_EQ(visits.size(), 3u);
  EXPECT_EQ(visits[0].play, "INTRO");
  EXPECT_EQ(visits[0].prev, "");
  EXPECT_EQ(visits[1].play, "META");
  EXPECT_EQ(visits[1].prev, "INTRO");
  EXPECT_EQ(visits[2].play, "META");
  EXPECT_EQ(visits[2].prev, "META");
  for (std::size_t i = 0; i < visits.size(); ++i) {
    EXPECT_TRUE(visits[i].localEmpty) << i;
    EXPECT_EQ(visits[i].firstByte, 0) << "a black frame lies between two plays (" << i << ")";
  }
  EXPECT_EQ(visits[1].numshows, visits[0].numshows + 1) << "the black frame was presented";
  EXPECT_EQ(engine.dir.Read("states/verse.json"), R"("tower\u003c1\u003e")");
  EXPECT_EQ(engine->FontHeight(7), 0);
}

TEST(Dispatcher, Failures) {
  auto quiet = [](core::Context&, play::States&) -> core::Result<void> { return {}; };
  auto failing = [](core::Context&, play::States& st) -> core::Result<void> {
    st.Control->SelVerseId = "lost";
    st.Control->NextPlay = "META";
    return core::Fail("boom");
  };
  struct Case {
    const char* name;
    play::PlayTable table;
    std::string message;
  };
  const Case cases[] = {
      {"no intro", {}, "Unknown play: 'INTRO'"},
      {"no successor", {{"INTRO", quiet}}, "Unknown play: ''"},
      {"failing play", {{"INTRO", failing}}, "Play 'INTRO' error: boom"},
  };
  for (const auto& c : cases) {
    Engine engine;
    engine.dir.Write("states/verse.json", R"("before")");
    auto result = play::Run(*engine, c.table);
    ASSERT_FALSE(result) << c.name;
    EXPECT_EQ(result.error().Message, c.message) << c.name;
    EXPECT_EQ(engine.dir.Read("states/verse.json"), R"("before")") << c.name;
  }
}

TEST(Dispatcher, ChosenVerseFile) {
  const std::string prefix = "Cannot init playstate: Cannot load verse Id from 'states/verse.json': ";
  struct Case {
    const char* content;  // null: no file
    std::string error;    // empty: accepted
    std::string id;
  };
  const Case cases[] = {
      {R"("")", "", ""},
      {"null", "", ""},
      {R"("tower")", "", "tower"},
      {nullptr, "", ""},  // a new install: no verse chosen yet
      {"42", prefix + "Cannot unmarshal json data: the value is an integer, expected string", ""},
      {"\"open", prefix + "Cannot unmarshal json data: [json.exception.parse_error.101]", ""},
  };
  for (const auto& c : cases) {
    Engine engine;
    std::filesystem::remove_all("states");
    if (c.content) engine.dir.Write("states/verse.json", c.content);
    std::string seen = "?";
    play::PlayTable table = {{"INTRO", [&](core::Context&, play::States& st) -> core::Result<void> {
                                seen = st.Control->SelVerseId;
                                st.Control->Terminate = true;
                                return {};
                              }}};
    auto result = play::Run(*engine, table);
    if (c.error.empty()) {
      ASSERT_TRUE(result) << result.error().Message;
      EXPECT_EQ(seen, c.id);
      EXPECT_EQ(engine.dir.Read("states/verse.json"), "\"" + c.id + "\"");
    } else {
      ASSERT_FALSE(result);
      EXPECT_EQ(result.error().Message.substr(0, c.error.size()), c.error);
    }
  }
}

}  // namespace
