// Keyboard and mouse: SDL's events turned into per-frame queues, and the engine's own
// virtual cursor.
//
// Sync drains SDL's event queue once per frame. The polling operations (PollKey, PollKeys,
// PollBtn, PollWheel) consume what arrived since the last Sync, so one press acts once;
// the testing operations (TestAllKeys, TestBtn) read what is held down now and consume
// nothing. The cursor is driven by relative mouse motion, scaled by the sensitivity, and
// kept inside the screen; its position is relative to the screen centre (x to the right,
// y downwards), like every drawing position.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "core/config.h"
#include "core/error.h"
#include "core/input_keys.h"

namespace input {

// Sensitivity is in units of 1/128: a scaled motion is (motion × sensitivity) >> 7.
inline constexpr int MOUSE_SENSIT_SCALE_BINLOG = 7;

struct Context {
  int numKeys = 0;  // scancodes in SDL's keyboard state
  // Held keys, one byte per scancode, nonzero = down now. At run time this views SDL's own
  // array, which SDL updates while Sync pumps events. Events pushed by tests do not reach
  // that array, so tests point this view at bytes of their own.
  std::span<const std::uint8_t> keyboardState;
  std::vector<bool> keyboardQueue;  // per scancode: went down since the last Sync, not polled
  int width = 0;
  int height = 0;
  int mouseSensitivity = 0;   // in 1/128
  bool leftHand = false;      // left and right buttons exchanged for polling and testing
  int mouseMotionQueueX = 0;  // scaled motion of the frame's last motion event
  int mouseMotionQueueY = 0;
  int mousePosX = 0;  // the virtual cursor, centre-relative
  int mousePosY = 0;
  std::uint32_t mouseButtonState = 0;      // SDL's button mask at the end of the last Sync
  std::array<bool, 3> mouseButtonQueue{};  // per MBTN_: pressed since the last Sync, not polled
  int mouseWheelQueue = 0;                 // vertical amount of the frame's last wheel event

  // Empties the queues and refills them from SDL's pending events. Once per frame.
  void Sync();

  // Whether the key went down since the last Sync; consumes it either way.
  bool PollKey(int scancode);
  // Whether any of the keys went down; consumes all of them, also those after a hit.
  bool PollKeys(std::span<const int> scancodes);
  bool PollKeys(std::initializer_list<int> scancodes) {
    return PollKeys(std::span(scancodes.begin(), scancodes.size()));
  }
  // Whether any key is held down now.
  bool TestAllKeys() const;

  // Whether the button was pressed since the last Sync; consumes it either way.
  bool PollBtn(int btn);
  // Whether the button is held down now.
  bool TestBtn(int btn) const;

  std::pair<int, int> MousePos() const { return {mousePosX, mousePosY}; }
  // x ≤ cursor x < x + w and y ≤ cursor y < y + h.
  bool PosInRect(int x, int y, int w, int h) const;
  // Within r of (x, y), the border included.
  bool PosInCircle(int x, int y, int r) const;
  // On the first or last column or row the cursor can reach.
  bool PosOnEdge() const;
  // The frame's wheel amount (positive: turned away from the player); consumes it.
  int PollWheel();

 private:
  int physicalBtn(int btn) const;
  void moveCursor(int relX, int relY);
};

// Captures the mouse for relative motion and takes the screen size (cfg's XRes and YRes,
// the real window size once video has started), sensitivity and hand from cfg.
[[nodiscard]] core::Result<std::unique_ptr<Context>> Init(const config::Config& cfg);

}  // namespace input
