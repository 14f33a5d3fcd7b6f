// The front screens one after another under the dispatcher, as the program runs them.
#include <gtest/gtest.h>

#include "core/input_keys.h"
#include "play/credits/credits.h"
#include "play/intro/intro.h"
#include "play/meta/meta.h"
#include "play/play.h"
#include "support/engine.h"
#include "support/frames.h"
#include "support/verse_fixture.h"

namespace {

TEST(Screens, FromTheIntroThroughTheMenuAndTheCreditsToTheEnd) {
  testsupport::Engine engine;
  auto& dir = engine.dir;
  dir.Write("langs/eng/intro.json", R"({"quote":"Q"})");
  testsupport::WritePng(dir.Path() / intro::INTRO_LOGO_ENSHAPER, 4, 4);
  testsupport::WritePng(dir.Path() / intro::INTRO_LOGO_TOVAMERE_MIN, 4, 4);
  dir.Write("langs/eng/meta.json", R"({"meta_play":"Play"})");
  dir.Write("langs/eng/credits.txt", "Made by\nus\n");
  testsupport::VerseFixture verse(dir, "v");

  // A key held all along skips the intro in its first frame; the credits, which a key
  // held since their start does not end, scroll to their end (two lines on a screen 48
  // pixels high: about two seconds). The menu reads the keys pushed before it starts in
  // its first frame.
  testsupport::Frames frames(*engine);
  frames.Hold(input::KEY_SPACE);
  std::vector<std::string> ran;
  auto run = [&](const play::PlayFn& fn, std::vector<int> keys = {}) {
    return [&ran, &frames, fn, keys](core::Context& ctx, play::States& st) {
      ran.push_back(st.Control->CurrPlay);
      for (int k : keys) frames.Press(k);
      return fn(ctx, st);
    };
  };
  int menus = 0;
  play::PlayTable table = {
      {play::PLAY_INTRO, run(intro::Play)},
      {play::PLAY_META,
       [&](core::Context& ctx, play::States& st) {
         // First to the credits, then quit.
         int item = ++menus == 1 ? input::KEY_C : input::KEY_Q;
         return run(meta::Play, {item, input::KEY_ENTER})(ctx, st);
       }},
      {play::PLAY_CREDITS, run(credits::Play)},
  };
  auto res = play::Run(*engine, table);
  ASSERT_TRUE(res) << res.error().Message;
  EXPECT_EQ(ran, (std::vector<std::string>{"INTRO", "META", "CREDITS", "META"}));
  // No verse was chosen before: the menu chose the only one, and the program kept it.
  EXPECT_EQ(dir.Read("states/verse.json"), R"("v")");
}

}  // namespace
