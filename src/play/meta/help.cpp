#include "play/meta/help.h"

#include "core/input_keys.h"
#include "core/low.h"
#include "play/meta/info.h"
#include "play/meta/local.h"
#include "play/meta/menu.h"

namespace meta {

core::Result<void> Help::Open(core::Context& ctx) {
  // Through the directory in use, so a language without its own help falls back with
  // the rest of its texts.
  const std::string dir = ctx.LangFullDir() + "/";
  for (std::size_t i = 0; i < pages.size(); ++i) {
    TRY_ASSIGN(pages[i], core::ReadStrings(dir + HELP_FILENAMES[i]), "");
  }
  page = 0;
  return {};
}

std::optional<std::string> Help::Frame(core::Context& ctx, play::States& st) {
  const Local& l = *st.LocalAs<Local>();
  printState p;
  p.init(ctx);

  ctx.VideoClear();
  ctx.DrawCinemaSingle();
  p.reset();
  for (const std::string& line : pages[page]) p.print(line);
  ctx.LockDraw();

  if (ctx.PollKey(input::KEY_F10)) {
    st.Control->Terminate = true;
    return "";
  }
  if (ctx.PollKey(input::KEY_SPACE)) {
    playSound(ctx, l.sndTurnover);
    page = (page + 1) % static_cast<int>(pages.size());
  }
  if (ctx.PollKey(input::KEY_ESCAPE)) {
    playSound(ctx, l.sndUnselect);
    return PAGE_MENU;
  }
  return std::nullopt;
}

}  // namespace meta
