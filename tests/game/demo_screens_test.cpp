// The demo game's files around the verses: settings, languages, fonts, the pictures,
// sounds and cinemas of the intro, the menu, the credits and the cursor.
#include <gtest/gtest.h>

#include "core/config.h"
#include "core/low.h"
#include "game/demo_game.h"

namespace {

using namespace demogame;

struct FontsConfig {
  std::string SystemFile, IntroFile, MetaFile, HelpFile, CreditsFile, HoverFile, PhraseFile;
  int SystemSize = 0, IntroSize = 0, MetaSize = 0, HelpSize = 0, CreditsSize = 0, HoverSize = 0,
      PhraseSize = 0;
};
JSON_RECORD(FontsConfig, SystemFile, IntroFile, MetaFile, HelpFile, CreditsFile, HoverFile,
            PhraseFile, SystemSize, IntroSize, MetaSize, HelpSize, CreditsSize, HoverSize,
            PhraseSize)

const std::string game = GameDir() + "/";

TEST(DemoGame, SettingsOpenTheShippedWindow) {
  config::Config c;
  ASSERT_TRUE(core::DecodeJSON(game + "config.json", &c));
  EXPECT_EQ(c.XRes, 1280);
  EXPECT_EQ(c.YRes, 720);
  EXPECT_FALSE(c.FullScr);
  EXPECT_EQ(c.Framerate, 60);
  EXPECT_EQ(c.Lang, "eng");
  for (int vol : {c.VolSound, c.VolMusic, c.VolSpeech}) EXPECT_TRUE(vol > 0 && vol <= 128);
  std::string verse = "unread";
  ASSERT_TRUE(core::DecodeJSON(game + "states/verse.json", &verse));
  EXPECT_EQ(verse, "");
}

TEST(DemoGame, EveryLanguageHasEveryText) {
  std::map<std::string, std::string> natives;
  ASSERT_TRUE(core::DecodeJSON(game + "langs/natives.json", &natives));
  EXPECT_EQ(natives.size(), 2u);
  for (const auto& [lang, native] : natives) {
    SCOPED_TRACE(lang);
    std::string dir = game + "langs/" + lang + "/";
    std::map<std::string, std::string> intro, meta;
    ASSERT_TRUE(core::DecodeJSON(dir + "intro.json", &intro));
    EXPECT_FALSE(intro["quote"].empty());
    ASSERT_TRUE(core::DecodeJSON(dir + "meta.json", &meta));
    for (const char* key :
         {"meta_info", "meta_play", "meta_help", "meta_credits", "meta_quit", "meta_verse",
          "meta_hint", "meta_escape", "info_header", "info_title", "info_descript", "info_version",
          "info_date", "info_authors", "info_languages", "info_comments"}) {
      EXPECT_FALSE(meta[key].empty()) << key;
    }
    for (const char* file : {"credits.txt", "help1.txt", "help2.txt", "help3.txt"}) {
      auto text = core::ReadFile(dir + file);
      ASSERT_TRUE(text) << file;
      // A last line without a line feed would be lost by a line reader that drops it.
      EXPECT_TRUE(text->size() > 100 && text->back() == '\n') << file;
    }
  }
}

TEST(DemoGame, FontsOfEverySlotArePresent) {
  FontsConfig f;
  ASSERT_TRUE(core::DecodeJSON(game + "fonts/fonts.json", &f));
  std::pair<std::string, int> slots[] = {{f.SystemFile, f.SystemSize},   {f.IntroFile, f.IntroSize},
                                         {f.MetaFile, f.MetaSize},       {f.HelpFile, f.HelpSize},
                                         {f.CreditsFile, f.CreditsSize}, {f.HoverFile, f.HoverSize},
                                         {f.PhraseFile, f.PhraseSize}};
  for (const auto& [file, size] : slots) {
    EXPECT_TRUE(IsFile(game + "fonts/" + file)) << file;
    EXPECT_TRUE(size >= 10 && size <= 48) << file;
  }
  EXPECT_TRUE(IsFile(game + "fonts/LICENSE-DejaVu.txt"));
}

TEST(DemoGame, ScreenPicturesSoundsAndCinemasArePresent) {
  for (const char* cursor : {"def", "look", "zone", "talk", "talk_shine", "talk_darkshine", "hand",
                             "take", "take_shine", "use", "useon", "zoomin", "zoomin_shine"}) {
    EXPECT_TRUE(LoadPicture(game + "animages/cursors/" + cursor + ".png")) << cursor;
  }
  // The engine's logo is a numbered sequence; the intro runs it once and keeps its last frame.
  auto logo = LoadPicture(game + "animages/intro/orlevanth.png");
  ASSERT_TRUE(logo);
  EXPECT_EQ(logo->w, 256);
  EXPECT_GT(logo->frames, 1);
  EXPECT_TRUE(LoadPicture(game + "animages/intro/tovameremin.png"));
  for (const char* pic : {"title", "arrow_left", "arrow_right"}) {
    EXPECT_TRUE(LoadPicture(game + "animages/meta/" + pic + ".png")) << pic;
  }
  for (const char* snd :
       {"intro/tovamere_enshaper", "meta/choose_item", "meta/choose_verse", "meta/select",
        "meta/unselect", "meta/turnover", "musics/meta", "musics/credits"}) {
    EXPECT_TRUE(IsOgg(game + "sounds/" + snd + ".ogg")) << snd;
  }
  for (const char* cinema : {"meta", "credits"}) {
    auto v = ProbeVideo(game + "cinemas/" + cinema + ".mp4");
    ASSERT_TRUE(v) << cinema;
    EXPECT_GT(v->frames, 1);
  }
}

}  // namespace
