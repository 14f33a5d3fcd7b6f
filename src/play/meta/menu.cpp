#include "play/meta/menu.h"

#include <array>

#include "core/input_keys.h"
#include "play/font.h"
#include "play/meta/local.h"
#include "play/play.h"

namespace meta {
namespace {

struct Item {
  const char* sel;    // selection name
  const char* label;  // text id in "meta.json"
  int key;            // shortcut
};

// Top to bottom; up and down move along this list and stop at its ends.
constexpr std::array<Item, 5> ITEMS = {{
    {SEL_INFO, "meta_info", input::KEY_I},
    {SEL_PLAY, "meta_play", input::KEY_P},
    {SEL_HELP, "meta_help", input::KEY_H},
    {SEL_CREDITS, "meta_credits", input::KEY_C},
    {SEL_QUIT, "meta_quit", input::KEY_Q},
}};

int itemIndex(const std::string& sel) {
  for (std::size_t i = 0; i < ITEMS.size(); ++i)
    if (sel == ITEMS[i].sel) return static_cast<int>(i);
  return -1;
}

int W0(const std::shared_ptr<video::Animage>& a) { return a ? a->W0() : 0; }
int H0(const std::shared_ptr<video::Animage>& a) { return a ? a->H0() : 0; }

void drawMenu(core::Context& ctx, const Local& l, const std::string& sel) {
  const int W = ctx.VideoW();
  const int H = ctx.VideoH();
  const int fM = ctx.FontHeight(play::META);
  const int fI = ctx.FontHeight(play::INTRO);
  const int bh = fM + 10;
  const int cY = H / 4;
  const int tH = H0(l.title);
  const verse::VerseInfo& v = l.SelVerse();
  const int pW = W0(v.Pic);
  const int pH = H0(v.Pic);

  // The title's top edge touches the top of the screen.
  const int yTitle = tH / 2 - H / 2;
  ctx.DrawAnimage(l.title.get(), 0, yTitle, true, true);

  const int y1 = yTitle + tH / 2 + fI;
  drawCenteredStr(
      ctx, play::META, 0, y1,
      ctx.LangGet("meta_verse") + ": «" + verse::Localised(v.Title, ctx.LangId()) + "»");

  const int y2 = y1 + 2 * fM + pH / 2;
  ctx.DrawAnimage(v.Pic.get(), 0, y2, true, true);
  // Both arrows, even for a single verse: left and right still answer.
  ctx.DrawAnimage(l.arrow_left.get(), -pW / 2 - 4 * W0(l.arrow_left), y2, false, true);
  ctx.DrawAnimage(l.arrow_right.get(), pW / 2 + 4 * W0(l.arrow_right), y2, false, true);

  // "info" hangs just below the verse picture; the others stand in a column from a
  // quarter of the screen's height below its centre.
  const std::array<int, 5> itemY = {y2 + pH / 2 + 2 * fM, cY, cY + bh, cY + 2 * bh, cY + 3 * bh};
  for (std::size_t i = 0; i < ITEMS.size(); ++i) {
    drawFramedCenteredStr(ctx, 0, itemY[i], BUTTON_WIDTH, bh, ctx.LangGet(ITEMS[i].label),
                          sel == ITEMS[i].sel);
  }

  // The fit pushes the hint back onto the screen: it sits in the bottom-left corner.
  if (!l.keyPressed)
    ctx.DrawStrWrapped(play::HELP, ctx.LangGet("meta_hint"), W / 2, -W / 2, H / 2, true, 176, 176,
                       176, 0);
}

// The menu's keys, in the order they are read. The next page name when the menu is left.
std::optional<std::string> menuInput(core::Context& ctx, play::States& st, Local& l,
                                     std::string& sel) {
  // Any held key hides the hint for the rest of the screen, even one the menu ignores.
  if (!l.keyPressed && ctx.TestAllKeys()) l.keyPressed = true;

  if (ctx.PollKey(input::KEY_F10)) {
    st.Control->Terminate = true;
    return "";
  }
  // A shortcut only moves the selection; of several in one frame the lowest item wins.
  for (const Item& item : ITEMS) {
    if (ctx.PollKey(item.key)) {
      playSound(ctx, l.sndChooseItem);
      sel = item.sel;
    }
  }
  if (pollKeyMove(ctx, Move::LEFT)) {
    setVerseByIndex(st, l.iSelVerse - 1);
    playSound(ctx, l.sndChooseVerse);
  }
  if (pollKeyMove(ctx, Move::RIGHT)) {
    setVerseByIndex(st, l.iSelVerse + 1);
    playSound(ctx, l.sndChooseVerse);
  }
  const int i = itemIndex(sel);
  if (pollKeyMove(ctx, Move::UP) && i > 0) {
    playSound(ctx, l.sndChooseItem);
    sel = ITEMS[i - 1].sel;
  }
  const int j = itemIndex(sel);
  if (pollKeyMove(ctx, Move::DOWN) && j >= 0 && j + 1 < static_cast<int>(ITEMS.size())) {
    playSound(ctx, l.sndChooseItem);
    sel = ITEMS[j + 1].sel;
  }

  if (!ctx.PollKey(input::KEY_ENTER) && !ctx.PollKey(input::KEY_KP_ENTER)) return std::nullopt;
  if (sel == SEL_INFO || sel == SEL_HELP) {
    playSound(ctx, l.sndSelect);
    return sel;
  }
  if (sel == SEL_PLAY) st.Control->NextPlay = play::PLAY_VERSE;
  if (sel == SEL_CREDITS) st.Control->NextPlay = play::PLAY_CREDITS;
  if (sel == SEL_QUIT) st.Control->Terminate = true;
  return "";
}

}  // namespace

bool pollKeyMove(core::Context& ctx, Move dir) {
  switch (dir) {
    case Move::RIGHT:
      return ctx.PollKeys({input::KEY_RIGHT, input::KEY_KP_6});
    case Move::UP:
      return ctx.PollKeys({input::KEY_UP, input::KEY_KP_8});
    case Move::LEFT:
      return ctx.PollKeys({input::KEY_LEFT, input::KEY_KP_4});
    case Move::DOWN:
      return ctx.PollKeys({input::KEY_DOWN, input::KEY_KP_2});
  }
  return false;
}

void drawCenteredStr(core::Context& ctx, video::Font font, int cx, int cy, const std::string& str) {
  // The loop spins between presentations; a locked frame would discard the rendering.
  if (ctx.video->drawlock) return;
  video::TextImage img = ctx.MakeStrImage(font, str, false, 0, 240, 240, 240);
  ctx.DrawStrImage(img.image.get(), cx - img.w / 2, cy - img.h / 2, 0);
}

void drawFramedCenteredStr(core::Context& ctx, int cx, int cy, int fw, int fh,
                           const std::string& str, bool active) {
  if (active)
    ctx.DrawRect(cx - fw / 2 - 1, cy - fh / 2 - 1, fw + 2, fh + 2, 240, 240, 240, 255, false);
  drawCenteredStr(ctx, play::META, cx, cy, str);
}

std::optional<std::string> menuFrame(core::Context& ctx, play::States& st, std::string& sel) {
  Local& l = *st.LocalAs<Local>();
  ctx.VideoClear();
  ctx.DrawCinemaSingle();
  drawMenu(ctx, l, sel);
  ctx.LockDraw();
  return menuInput(ctx, st, l, sel);
}

}  // namespace meta
