#include "play/meta/meta.h"

#include "play/background.h"
#include "play/meta/info.h"
#include "play/meta/local.h"
#include "play/verse/verse_load.h"

namespace meta {
namespace {

std::shared_ptr<video::Animage> loadPicture(core::Context& ctx, const char* path) {
  auto pic = ctx.LoadAnimage(path);
  return pic ? *pic : nullptr;
}

audio::Sound* loadSound(core::Context& ctx, const char* path) {
  auto snd = ctx.LoadSound(path);
  return snd ? *snd : nullptr;
}

}  // namespace

core::Result<void> Start(core::Context& ctx, play::States& st) {
  TRY(ctx.LangAddFile(META_TEXTS_FILE));
  Local& l = st.MakeLocal<Local>();
  TRY_ASSIGN(l.verseInfos, verse::LoadAllVerseInfos(ctx), "Cannot get verse infos: ");
  l.sortVerseInfosByTitle(ctx);
  setVerseFromId(st);

  // A missing picture leaves a gap: the layout measures it as 0 × 0.
  l.title = loadPicture(ctx, META_TITLE);
  l.arrow_left = loadPicture(ctx, META_ARROW_LEFT);
  l.arrow_right = loadPicture(ctx, META_ARROW_RIGHT);

  // The cinema loops behind every page; the music plays until the screen's sounds are
  // released between plays.
  play::LoadBackgroundCinema(ctx, META_CINEMA);
  if (audio::Sound* music = loadSound(ctx, META_MUSIC)) (void)ctx.PlaySoundLoop(music);

  l.sndChooseItem = loadSound(ctx, SND_CHOOSE_ITEM);
  l.sndChooseVerse = loadSound(ctx, SND_CHOOSE_VERSE);
  l.sndSelect = loadSound(ctx, SND_SELECT);
  l.sndUnselect = loadSound(ctx, SND_UNSELECT);
  l.sndTurnover = loadSound(ctx, SND_TURNOVER);
  return {};
}

core::Result<bool> Screen::Frame(core::Context& ctx, play::States& st) {
  std::optional<std::string> next;
  if (page == PAGE_MENU) {
    next = menuFrame(ctx, st, sel);
  } else if (page == PAGE_INFO) {
    next = infoFrame(ctx, st);
  } else {
    next = help.Frame(ctx, st);
  }
  if (!next) return true;

  // The selection stays on the item that opened a page, so the menu comes back with it.
  page = *next;
  if (page == PAGE_HELP) TRY(help.Open(ctx));
  return !page.empty();
}

core::Result<void> Play(core::Context& ctx, play::States& st) {
  TRY(Start(ctx, st));
  Screen screen;
  for (;;) {
    ctx.Sync();
    TRY_ASSIGN(bool running, screen.Frame(ctx, st), "");
    if (!running) return {};
  }
}

}  // namespace meta
