#include "play/play.h"

#include "play/credits/credits.h"
#include "play/font.h"
#include "play/intro/intro.h"
#include "play/meta/meta.h"

namespace play {
namespace {

// The screens the engine has; a play joins this table when its screen exists.
PlayTable playTable() {
  return {
      {PLAY_INTRO, intro::Play},
      {PLAY_META, meta::Play},
      {PLAY_CREDITS, credits::Play},
  };
}

void prePlay(States& st) { st.Local.reset(); }

void postPlay(core::Context& ctx, States& st) {
  Control& c = *st.Control;
  c.PrevPlay = c.CurrPlay;
  c.CurrPlay = c.NextPlay;
  c.NextPlay.clear();
  // One black frame between plays, whatever the pacing or the draw lock say.
  ctx.VideoForceClear();
  ctx.VideoForceShow();
  ctx.Stop();
  // Everything the play loaded is released before the next one starts loading.
  ctx.Clean();
}

}  // namespace

core::Result<void> Play(core::Context& ctx) { return Run(ctx, playTable()); }

core::Result<void> Run(core::Context& ctx, const PlayTable& plays) {
  TRY_PREFIX(LoadFonts(ctx), "Cannot load fonts: ");
  Control control;
  States st;
  st.Control = &control;
  TRY_PREFIX(control.Init(), "Cannot init playstate: ");

  while (!control.Terminate) {
    prePlay(st);
    auto play = plays.find(control.CurrPlay);
    if (play == plays.end()) return core::Fail("Unknown play: '" + control.CurrPlay + "'");
    auto result = play->second(ctx, st);
    if (!result) return core::Fail("Play '" + control.CurrPlay + "' error: ", result.error());
    postPlay(ctx, st);
  }

  TRY_PREFIX(control.Drop(), "Cannot drop playstate: ");
  return {};
}

}  // namespace play
