// A meta screen on a headless engine: the menu's texts, verses written by the verse
// fixture, the fonts, and a Frames driver. Sounds are loaded only by tests that listen.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/sound.h"
#include "play/font.h"
#include "play/meta/local.h"
#include "play/meta/meta.h"
#include "support/engine.h"
#include "support/frames.h"
#include "support/sound_files.h"
#include "support/verse_fixture.h"

namespace testsupport {

inline const char* META_CONFIG =
    R"({"XRes":320,"YRes":240,"Framerate":1000,"Mute":true,"Lang":"eng"})";
// Sound on SDL's silent driver, so that the menu's sounds load and play.
inline const char* META_CONFIG_SOUND =
    R"({"XRes":320,"YRes":240,"Framerate":1000,"Mute":false,"VolSound":100,"Lang":"eng"})";

inline const char* META_TEXTS =
    R"({"meta_info":"Info","meta_play":"Play","meta_help":"Help","meta_credits":"Credits",)"
    R"("meta_quit":"Quit","meta_verse":"Verse","meta_hint":"Press a key","meta_escape":"Esc",)"
    R"("info_header":"About","info_title":"Title","info_languages":"Languages"})";

class MetaTest : public testing::Test {
 protected:
  explicit MetaTest(const char* config = META_CONFIG) : engine(config), frames(*engine) {
    st.Control = &control;
    EXPECT_TRUE(play::LoadFonts(*engine));
    engine.dir.Write("langs/eng/meta.json", META_TEXTS);
  }

  // A verse `id` with the given "verse.json".
  void Verse(const std::string& id, const std::string& json) {
    VerseFixture v(engine.dir, id);
    v.File("verse.json", json);
  }
  static std::string Titled(const std::string& title) {
    return R"({"Title":{"eng":")" + title + R"("},"Format":"orlevanth1"})";
  }
  // The five sounds of the menu, each a short tone.
  void Sounds() {
    for (const char* snd : {meta::SND_CHOOSE_ITEM, meta::SND_CHOOSE_VERSE, meta::SND_SELECT,
                            meta::SND_UNSELECT, meta::SND_TURNOVER})
      engine.dir.Write(snd, OggBytes(44100, 2, 441));
  }

  void Start() {
    auto res = meta::Start(*engine, st);
    ASSERT_TRUE(res) << res.error().Message;
  }
  meta::Local& L() { return *st.LocalAs<meta::Local>(); }
  // One frame of the screen; false once it has ended.
  bool Frame() {
    frames.Sync();
    auto res = screen.Frame(*engine, st);
    EXPECT_TRUE(res) << res.error().Message;
    return res && *res;
  }

  Engine engine;
  Frames frames;
  play::Control control;
  play::States st;
  meta::Screen screen;
};

}  // namespace testsupport
