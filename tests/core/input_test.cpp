// Input driven by real SDL events pushed into SDL's queue; held keys come through the
// context's keyboard view, which pushed events do not reach.
#include "core/input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using namespace input;

class Input : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  void TearDown() override { SDL_Quit(); }

  static std::unique_ptr<Context> make(int width, int height, int sensitivity,
                                       bool leftHand = false) {
    config::Config cfg;
    cfg.XRes = width;
    cfg.YRes = height;
    cfg.MouseSensitivity = sensitivity;
    cfg.LeftHand = leftHand;
    auto res = Init(cfg);
    EXPECT_TRUE(res) << res.error().Message;
    return std::move(*res);
  }

  static void push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }
  static SDL_Event event(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    return e;
  }
  static void key(int scancode, Uint32 type = SDL_KEYDOWN, Uint8 repeat = 0) {
    SDL_Event e = event(type);
    e.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
    e.key.repeat = repeat;
    push(e);
  }
  static void button(Uint8 sdlButton, Uint32 type = SDL_MOUSEBUTTONDOWN) {
    SDL_Event e = event(type);
    e.button.button = sdlButton;
    push(e);
  }
  static void motion(int xrel, int yrel) {
    SDL_Event e = event(SDL_MOUSEMOTION);
    e.motion.xrel = xrel;
    e.motion.yrel = yrel;
    push(e);
  }
  static void wheel(int x, int y) {
    SDL_Event e = event(SDL_MOUSEWHEEL);
    e.wheel.x = x;
    e.wheel.y = y;
    push(e);
  }
};

TEST_F(Input, PollingConsumesTheFramesKeyPresses) {
  auto in = make(640, 480, 100);
  ASSERT_EQ(in->numKeys, SDL_NUM_SCANCODES);

  // Two presses in one frame act once.
  key(KEY_A);
  key(KEY_A);
  in->Sync();
  EXPECT_TRUE(in->PollKey(KEY_A));
  EXPECT_FALSE(in->PollKey(KEY_A));

  // PollKeys consumes every listed key, also those after the first hit.
  key(KEY_ESCAPE);
  key(KEY_F10);
  in->Sync();
  EXPECT_TRUE(in->PollKeys({KEY_ESCAPE, KEY_F10}));
  EXPECT_FALSE(in->PollKey(KEY_F10));
  EXPECT_FALSE(in->PollKeys({KEY_ESCAPE, KEY_F10}));

  // What a frame does not poll is gone after the next Sync; key-ups are not presses.
  key(KEY_I);
  in->Sync();
  key(KEY_I, SDL_KEYUP);
  in->Sync();
  EXPECT_FALSE(in->PollKey(KEY_I));

  // Auto-repeat of a held key acts again in every frame that receives it.
  for (int frame = 0; frame < 3; ++frame) {
    key(KEY_DOWN, SDL_KEYDOWN, frame > 0);
    in->Sync();
    EXPECT_TRUE(in->PollKey(KEY_DOWN)) << "frame " << frame;
  }

  // Scancodes outside SDL's range are never down, and do not touch memory out of range.
  key(KEY_SPACE);
  in->Sync();
  EXPECT_FALSE(in->PollKey(-1));
  EXPECT_FALSE(in->PollKey(in->numKeys));
  EXPECT_FALSE(in->PollKeys({-5, in->numKeys + 3}));
  EXPECT_TRUE(in->PollKey(KEY_SPACE));
}

TEST_F(Input, TestAllKeysReadsHeldKeysWithoutConsuming) {
  auto in = make(640, 480, 100);
  std::vector<std::uint8_t> held(static_cast<std::size_t>(in->numKeys), 0);
  in->keyboardState = held;
  key(KEY_T);
  in->Sync();
  EXPECT_FALSE(in->TestAllKeys()) << "a press that is no longer held";

  held[KEY_T] = 1;
  EXPECT_TRUE(in->TestAllKeys());
  EXPECT_TRUE(in->TestAllKeys());
  EXPECT_TRUE(in->PollKey(KEY_T)) << "testing left the queue alone";

  held[KEY_T] = 0;
  held[static_cast<std::size_t>(in->numKeys) - 1] = 1;  // the last scancode counts too
  EXPECT_TRUE(in->TestAllKeys());
}

TEST_F(Input, MotionScalesFloorsAndClampsTheCursor) {
  struct Case {
    const char* what;
    int width, height, sensitivity;
    std::vector<std::pair<int, int>> motions;  // one event each, all in one frame
    std::pair<int, int> pos;                   // the cursor after the frame
    std::pair<int, int> queue;                 // the frame's last scaled motion
    bool onEdge;
  };
  const Case cases[] = {
      {"unscaled at 100", 640, 480, 100, {{5, -3}}, {5, -3}, {5, -3}, false},
      {"50 floors +1 to 0 and -1 to -1", 640, 480, 50, {{1, -1}}, {0, -1}, {0, -1}, false},
      {"50 floors +-3 to 1 and -2", 640, 480, 50, {{3, -3}}, {1, -2}, {1, -2}, false},
      {"150 floors +-1 to 1 and -2", 640, 480, 150, {{1, -1}}, {1, -2}, {1, -2}, false},
      {"99 truncates to 126/128", 640, 480, 99, {{128, -128}}, {126, -126}, {126, -126}, false},
      {"negative inverts", 640, 480, -100, {{4, -2}}, {-4, 2}, {-4, 2}, false},
      {"every event moves, the queue keeps the last", 640, 480, 100, {{3, 1}, {4, 2}}, {7, 3},
       {4, 2}, false},
      {"clamped at the right and bottom", 1280, 720, 100, {{1000, 1000}}, {639, 359},
       {1000, 1000}, true},
      {"clamped at the left and top", 1280, 720, 100, {{-1000, -1000}}, {-640, -360},
       {-1000, -1000}, true},
      {"clamped then moved back in", 1280, 720, 100, {{1000, 0}, {-1, 0}}, {638, 0}, {-1, 0},
       false},
      {"odd sizes", 5, 3, 100, {{-9, 9}}, {-2, 0}, {-9, 9}, true},
      {"huge sensitivity saturates", 1280, 720, INT_MAX, {{1000, -1000}}, {639, -360},
       {INT_MAX, INT_MIN}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto in = make(c.width, c.height, c.sensitivity);
    EXPECT_EQ(in->MousePos(), std::make_pair(0, 0)) << "the cursor starts at the centre";
    for (auto [x, y] : c.motions) motion(x, y);
    in->Sync();
    EXPECT_EQ(in->MousePos(), c.pos);
    EXPECT_EQ(std::make_pair(in->mouseMotionQueueX, in->mouseMotionQueueY), c.queue);
    EXPECT_EQ(in->PosOnEdge(), c.onEdge);
    // The position stays, the motion queue empties.
    in->Sync();
    EXPECT_EQ(in->MousePos(), c.pos);
    EXPECT_EQ(std::make_pair(in->mouseMotionQueueX, in->mouseMotionQueueY), std::make_pair(0, 0));
  }
}

TEST_F(Input, CursorAreas) {
  auto in = make(640, 480, 100);
  motion(5, 0);
  in->Sync();
  struct Case {
    const char* what;
    bool got, want;
  };
  const Case cases[] = {
      {"circle border along an axis", in->PosInCircle(0, 0, 5), true},
      {"circle just short", in->PosInCircle(0, 0, 4), false},
      {"circle border on a diagonal", in->PosInCircle(2, 4, 5), true},  // 3² + 4² = 5²
      {"rect left edge included", in->PosInRect(5, 0, 1, 1), true},
      {"rect right edge excluded", in->PosInRect(0, 0, 5, 1), false},
      {"rect bottom edge excluded", in->PosInRect(0, -1, 10, 1), false},
      {"rect around", in->PosInRect(-10, -10, 20, 20), true},
      {"empty rect", in->PosInRect(5, 0, 0, 0), false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST_F(Input, ButtonsPolledOnceAndExchangedForTheLeftHand) {
  struct Case {
    bool leftHand;
    Uint8 sdlButton;
    std::array<bool, 3> polled;  // PollBtn of MBTN_LEFT, MBTN_MID, MBTN_RIGHT
  };
  const Case cases[] = {
      {false, SDL_BUTTON_LEFT, {true, false, false}},
      {false, SDL_BUTTON_MIDDLE, {false, true, false}},
      {false, SDL_BUTTON_RIGHT, {false, false, true}},
      {true, SDL_BUTTON_RIGHT, {true, false, false}},
      {true, SDL_BUTTON_LEFT, {false, false, true}},
      {true, SDL_BUTTON_MIDDLE, {false, true, false}},
      {false, SDL_BUTTON_X1, {false, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "leftHand " << c.leftHand << " button " << +c.sdlButton);
    auto in = make(640, 480, 100, c.leftHand);
    button(c.sdlButton);
    button(c.sdlButton, SDL_MOUSEBUTTONUP);
    in->Sync();
    for (int b = MBTN_LEFT; b <= MBTN_RIGHT; ++b) {
      EXPECT_EQ(in->PollBtn(b), c.polled[static_cast<std::size_t>(b)]) << "MBTN " << b;
      EXPECT_FALSE(in->PollBtn(b)) << "polled twice, MBTN " << b;
    }
    EXPECT_FALSE(in->PollBtn(3));
    EXPECT_FALSE(in->PollBtn(-1));
  }
}

TEST_F(Input, TestBtnReadsTheHeldMaskWithTheSameExchange) {
  // SDL's held-button mask is not fed by pushed events: set it as Sync would have read it.
  auto right = make(640, 480, 100, false);
  auto left = make(640, 480, 100, true);
  for (auto* in : {right.get(), left.get()}) {
    in->Sync();
    EXPECT_EQ(in->mouseButtonState, 0u) << "no mouse button is down on a headless machine";
    in->mouseButtonState = SDL_BUTTON_LMASK | SDL_BUTTON_MMASK;
  }
  EXPECT_TRUE(right->TestBtn(MBTN_LEFT));
  EXPECT_FALSE(right->TestBtn(MBTN_RIGHT));
  EXPECT_FALSE(left->TestBtn(MBTN_LEFT));
  EXPECT_TRUE(left->TestBtn(MBTN_RIGHT));
  for (auto* in : {right.get(), left.get()}) {
    EXPECT_TRUE(in->TestBtn(MBTN_MID));
    EXPECT_TRUE(in->TestBtn(MBTN_MID)) << "testing consumes nothing";
    EXPECT_FALSE(in->TestBtn(3));
  }
}

TEST_F(Input, WheelTakesTheFramesLastEvent) {
  auto in = make(640, 480, 100);
  wheel(0, 1);
  wheel(0, 1);
  in->Sync();
  EXPECT_EQ(in->PollWheel(), 1) << "assigned, not summed";
  EXPECT_EQ(in->PollWheel(), 0);

  wheel(0, 2);
  wheel(5, -3);
  in->Sync();
  EXPECT_EQ(in->PollWheel(), -3);

  wheel(4, 0);  // sideways only
  in->Sync();
  EXPECT_EQ(in->PollWheel(), 0);

  wheel(0, 2);
  in->Sync();
  in->Sync();
  EXPECT_EQ(in->PollWheel(), 0) << "an unpolled turn is gone after the next Sync";
}

TEST_F(Input, CloseRequestIsTakenAndIgnored) {
  auto in = make(640, 480, 100);
  push(event(SDL_QUIT));
  SDL_Event close = event(SDL_WINDOWEVENT);
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  push(close);
  key(KEY_ENTER);
  in->Sync();
  EXPECT_FALSE(SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) << "Sync drains the queue";
  EXPECT_TRUE(in->PollKey(KEY_ENTER)) << "events after the close request still arrive";
}

}  // namespace
