#include "core/input.h"

#include <SDL.h>

#include <algorithm>
#include <limits>

namespace input {
namespace {

// Settings and motions are whatever the player's files and mouse give: do the arithmetic
// wide and saturate, so an absurd value makes the cursor jump to a limit instead of
// overflowing.
int saturate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// The position moved by `delta`, kept from -(size >> 1) to (size >> 1) - 1 (the lower
// limit first, so a zero size ends on -1 rather than on an inverted range).
int clampToScreen(int pos, int delta, int size) {
  std::int64_t p = std::int64_t{pos} + delta;
  p = std::max<std::int64_t>(p, -(size >> 1));
  p = std::min<std::int64_t>(p, (size >> 1) - 1);
  return static_cast<int>(p);
}

}  // namespace

core::Result<std::unique_ptr<Context>> Init(const config::Config& cfg) {
  auto ctx = std::make_unique<Context>();

  // The engine draws its own cursor from relative motion. Some drivers cannot capture
  // the mouse; the cursor then still follows whatever motion arrives.
  (void)SDL_SetRelativeMouseMode(SDL_TRUE);

  int numKeys = 0;
  const Uint8* state = SDL_GetKeyboardState(&numKeys);
  if (!state) return core::Fail("Keyboard state inaccessible!");
  ctx->numKeys = numKeys;
  ctx->keyboardState = std::span<const std::uint8_t>(state, static_cast<std::size_t>(numKeys));
  ctx->keyboardQueue.assign(static_cast<std::size_t>(numKeys), false);

  ctx->width = cfg.XRes;
  ctx->height = cfg.YRes;
  ctx->mouseSensitivity = saturate(std::int64_t{cfg.MouseSensitivity} * 128 / 100);
  ctx->leftHand = cfg.LeftHand;
  return ctx;
}

void Context::moveCursor(int relX, int relY) {
  // An arithmetic shift floors: a scaled -0.5 moves by -1, a scaled +0.5 not at all.
  mouseMotionQueueX =
      saturate((std::int64_t{relX} * mouseSensitivity) >> MOUSE_SENSIT_SCALE_BINLOG);
  mouseMotionQueueY =
      saturate((std::int64_t{relY} * mouseSensitivity) >> MOUSE_SENSIT_SCALE_BINLOG);
  // The cursor moves per event, so every motion of the frame reaches it.
  mousePosX = clampToScreen(mousePosX, mouseMotionQueueX, width);
  mousePosY = clampToScreen(mousePosY, mouseMotionQueueY, height);
}

void Context::Sync() {
  std::fill(keyboardQueue.begin(), keyboardQueue.end(), false);
  mouseMotionQueueX = 0;
  mouseMotionQueueY = 0;
  mouseButtonQueue.fill(false);
  mouseWheelQueue = 0;

  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_MOUSEBUTTONDOWN:
        // SDL numbers the buttons 1 left, 2 middle, 3 right; the side buttons do nothing.
        if (e.button.button >= SDL_BUTTON_LEFT && e.button.button <= SDL_BUTTON_RIGHT)
          mouseButtonQueue[e.button.button - SDL_BUTTON_LEFT] = true;
        break;
      case SDL_MOUSEMOTION:
        moveCursor(e.motion.xrel, e.motion.yrel);
        break;
      case SDL_KEYDOWN:
        // Auto-repeat arrives as further key-downs, so a held key acts again in every
        // frame that receives one.
        if (e.key.keysym.scancode >= 0 && e.key.keysym.scancode < numKeys)
          keyboardQueue[static_cast<std::size_t>(e.key.keysym.scancode)] = true;
        break;
      case SDL_MOUSEWHEEL:
        mouseWheelQueue = e.wheel.y;
        break;
      // Everything else, the window's close request too, is dropped: the program ends
      // only through its screens.
      default:
        break;
    }
  }
  mouseButtonState = SDL_GetMouseState(nullptr, nullptr);
}

bool Context::PollKey(int scancode) {
  if (scancode < 0 || scancode >= numKeys) return false;
  auto entry = keyboardQueue[static_cast<std::size_t>(scancode)];
  bool down = entry;
  entry = false;
  return down;
}

bool Context::PollKeys(std::span<const int> scancodes) {
  bool any = false;
  for (int sc : scancodes) any = PollKey(sc) || any;
  return any;
}

bool Context::TestAllKeys() const {
  return std::any_of(keyboardState.begin(), keyboardState.end(),
                     [](std::uint8_t b) { return b != 0; });
}

int Context::physicalBtn(int btn) const {
  if (!leftHand) return btn;
  if (btn == MBTN_LEFT) return MBTN_RIGHT;
  if (btn == MBTN_RIGHT) return MBTN_LEFT;
  return btn;
}

bool Context::PollBtn(int btn) {
  if (btn < MBTN_LEFT || btn > MBTN_RIGHT) return false;
  bool& entry = mouseButtonQueue[static_cast<std::size_t>(physicalBtn(btn))];
  bool pressed = entry;
  entry = false;
  return pressed;
}

bool Context::TestBtn(int btn) const {
  if (btn < MBTN_LEFT || btn > MBTN_RIGHT) return false;
  return (mouseButtonState >> physicalBtn(btn)) & 1u;
}

bool Context::PosInRect(int x, int y, int w, int h) const {
  return x <= mousePosX && std::int64_t{mousePosX} < std::int64_t{x} + w && y <= mousePosY &&
         std::int64_t{mousePosY} < std::int64_t{y} + h;
}

bool Context::PosInCircle(int x, int y, int r) const {
  std::int64_t dx = std::int64_t{mousePosX} - x;
  std::int64_t dy = std::int64_t{mousePosY} - y;
  return dx * dx + dy * dy <= std::int64_t{r} * r;
}

bool Context::PosOnEdge() const {
  return mousePosX == -(width >> 1) || mousePosY == -(height >> 1) ||
         mousePosX == (width >> 1) - 1 || mousePosY == (height >> 1) - 1;
}

int Context::PollWheel() {
  int amount = mouseWheelQueue;
  mouseWheelQueue = 0;
  return amount;
}

}  // namespace input
