#include "play/meta/info.h"

#include "core/input_keys.h"
#include "play/font.h"
#include "play/meta/local.h"
#include "play/meta/menu.h"

namespace meta {

void printState::init(core::Context& c) {
  ctx = &c;
  w = c.VideoW() - 2 * HELP_MARGIN;
  x = -(c.VideoW() / 2) + HELP_MARGIN;
  y0 = -(c.VideoH() / 2) + HELP_MARGIN;
  sh = c.FontHeight(play::HELP) + HELP_SPACING;
}

void printState::print(const std::string& str) {
  auto [tw, th] = ctx->DrawStrWrapped(play::HELP, str, w, x, y, true, 240, 240, 240, 160);
  y += th > 0 ? th + HELP_SPACING : sh;
}

std::string languagesLine(const core::Context& ctx, const std::vector<std::string>& ids) {
  std::string line;
  for (const std::string& id : ids) {
    if (!line.empty()) line += ", ";
    line += ctx.LangNative(id) + " (" + id + ")";
  }
  return line;
}

std::optional<std::string> infoFrame(core::Context& ctx, play::States& st) {
  const Local& l = *st.LocalAs<Local>();
  const verse::VerseInfo& v = l.SelVerse();
  const std::string& lang = ctx.LangId();
  printState p;
  p.init(ctx);

  ctx.VideoClear();
  ctx.DrawCinemaSingle();
  ctx.DrawAnimage(v.Pic.get(), 0, 0, true, true);
  p.reset();
  p.print(ctx.LangGet("info_header"));
  p.print("");
  p.print(ctx.LangGet("info_title") + ": " + verse::Localised(v.Title, lang));
  p.print(ctx.LangGet("info_descript") + ": " + verse::Localised(v.Descript, lang));
  p.print(ctx.LangGet("info_version") + ": " + v.Version);
  p.print(ctx.LangGet("info_date") + ": " + v.Date);
  p.print(ctx.LangGet("info_authors") + ": " + v.Authors);
  p.print(ctx.LangGet("info_languages") + ": " + languagesLine(ctx, v.Languages));
  p.print(ctx.LangGet("info_comments") + ": " + v.Comments);
  p.print("");
  p.print(ctx.LangGet("meta_escape"));
  ctx.LockDraw();

  // F10 first: with Escape in the same frame the program still ends.
  if (ctx.PollKey(input::KEY_F10)) {
    st.Control->Terminate = true;
    return "";
  }
  if (ctx.PollKey(input::KEY_ESCAPE)) {
    playSound(ctx, l.sndUnselect);
    return PAGE_MENU;
  }
  return std::nullopt;
}

}  // namespace meta
