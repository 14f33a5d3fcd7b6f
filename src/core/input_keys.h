// Key codes and mouse button indices that screens and masters poll.
//
// A key code is SDL's scancode of the key: the position on the keyboard, whatever the
// layout prints on it.
#pragma once

#include <SDL_scancode.h>

namespace input {

// Mouse buttons, also the bit numbers of SDL's button mask.
inline constexpr int MBTN_LEFT = 0;
inline constexpr int MBTN_MID = 1;
inline constexpr int MBTN_RIGHT = 2;

inline constexpr int KEY_A = SDL_SCANCODE_A;
inline constexpr int KEY_B = SDL_SCANCODE_B;
inline constexpr int KEY_C = SDL_SCANCODE_C;
inline constexpr int KEY_D = SDL_SCANCODE_D;
inline constexpr int KEY_E = SDL_SCANCODE_E;
inline constexpr int KEY_F = SDL_SCANCODE_F;
inline constexpr int KEY_G = SDL_SCANCODE_G;
inline constexpr int KEY_H = SDL_SCANCODE_H;
inline constexpr int KEY_I = SDL_SCANCODE_I;
inline constexpr int KEY_J = SDL_SCANCODE_J;
inline constexpr int KEY_K = SDL_SCANCODE_K;
inline constexpr int KEY_L = SDL_SCANCODE_L;
inline constexpr int KEY_M = SDL_SCANCODE_M;
inline constexpr int KEY_N = SDL_SCANCODE_N;
inline constexpr int KEY_O = SDL_SCANCODE_O;
inline constexpr int KEY_P = SDL_SCANCODE_P;
inline constexpr int KEY_Q = SDL_SCANCODE_Q;
inline constexpr int KEY_R = SDL_SCANCODE_R;
inline constexpr int KEY_S = SDL_SCANCODE_S;
inline constexpr int KEY_T = SDL_SCANCODE_T;
inline constexpr int KEY_U = SDL_SCANCODE_U;
inline constexpr int KEY_V = SDL_SCANCODE_V;
inline constexpr int KEY_W = SDL_SCANCODE_W;
inline constexpr int KEY_X = SDL_SCANCODE_X;
inline constexpr int KEY_Y = SDL_SCANCODE_Y;
inline constexpr int KEY_Z = SDL_SCANCODE_Z;

inline constexpr int KEY_1 = SDL_SCANCODE_1;
inline constexpr int KEY_2 = SDL_SCANCODE_2;
inline constexpr int KEY_3 = SDL_SCANCODE_3;
inline constexpr int KEY_4 = SDL_SCANCODE_4;
inline constexpr int KEY_5 = SDL_SCANCODE_5;
inline constexpr int KEY_6 = SDL_SCANCODE_6;
inline constexpr int KEY_7 = SDL_SCANCODE_7;
inline constexpr int KEY_8 = SDL_SCANCODE_8;
inline constexpr int KEY_9 = SDL_SCANCODE_9;
inline constexpr int KEY_0 = SDL_SCANCODE_0;

inline constexpr int KEY_ENTER = SDL_SCANCODE_RETURN;
inline constexpr int KEY_ESCAPE = SDL_SCANCODE_ESCAPE;
inline constexpr int KEY_BACKSPACE = SDL_SCANCODE_BACKSPACE;
inline constexpr int KEY_TAB = SDL_SCANCODE_TAB;
inline constexpr int KEY_SPACE = SDL_SCANCODE_SPACE;

inline constexpr int KEY_F1 = SDL_SCANCODE_F1;
inline constexpr int KEY_F2 = SDL_SCANCODE_F2;
inline constexpr int KEY_F3 = SDL_SCANCODE_F3;
inline constexpr int KEY_F4 = SDL_SCANCODE_F4;
inline constexpr int KEY_F5 = SDL_SCANCODE_F5;
inline constexpr int KEY_F6 = SDL_SCANCODE_F6;
inline constexpr int KEY_F7 = SDL_SCANCODE_F7;
inline constexpr int KEY_F8 = SDL_SCANCODE_F8;
inline constexpr int KEY_F9 = SDL_SCANCODE_F9;
inline constexpr int KEY_F10 = SDL_SCANCODE_F10;
inline constexpr int KEY_F11 = SDL_SCANCODE_F11;
inline constexpr int KEY_F12 = SDL_SCANCODE_F12;

inline constexpr int KEY_HOME = SDL_SCANCODE_HOME;
inline constexpr int KEY_PGUP = SDL_SCANCODE_PAGEUP;
inline constexpr int KEY_END = SDL_SCANCODE_END;
inline constexpr int KEY_PGDOWN = SDL_SCANCODE_PAGEDOWN;

inline constexpr int KEY_RIGHT = SDL_SCANCODE_RIGHT;
inline constexpr int KEY_LEFT = SDL_SCANCODE_LEFT;
inline constexpr int KEY_DOWN = SDL_SCANCODE_DOWN;
inline constexpr int KEY_UP = SDL_SCANCODE_UP;

inline constexpr int KEY_KP_ENTER = SDL_SCANCODE_KP_ENTER;
inline constexpr int KEY_KP_1 = SDL_SCANCODE_KP_1;
inline constexpr int KEY_KP_2 = SDL_SCANCODE_KP_2;
inline constexpr int KEY_KP_3 = SDL_SCANCODE_KP_3;
inline constexpr int KEY_KP_4 = SDL_SCANCODE_KP_4;
inline constexpr int KEY_KP_5 = SDL_SCANCODE_KP_5;
inline constexpr int KEY_KP_6 = SDL_SCANCODE_KP_6;
inline constexpr int KEY_KP_7 = SDL_SCANCODE_KP_7;
inline constexpr int KEY_KP_8 = SDL_SCANCODE_KP_8;
inline constexpr int KEY_KP_9 = SDL_SCANCODE_KP_9;
inline constexpr int KEY_KP_0 = SDL_SCANCODE_KP_0;

// Pin the numbers: an SDL with another scancode numbering fails the build instead of
// silently moving every key.
static_assert(KEY_A == 4 && KEY_Z == 29);
static_assert(KEY_1 == 30 && KEY_9 == 38 && KEY_0 == 39);
static_assert(KEY_ENTER == 40 && KEY_ESCAPE == 41 && KEY_BACKSPACE == 42 && KEY_TAB == 43 &&
              KEY_SPACE == 44);
static_assert(KEY_F1 == 58 && KEY_F10 == 67 && KEY_F12 == 69);
static_assert(KEY_HOME == 74 && KEY_PGUP == 75 && KEY_END == 77 && KEY_PGDOWN == 78);
static_assert(KEY_RIGHT == 79 && KEY_LEFT == 80 && KEY_DOWN == 81 && KEY_UP == 82);
static_assert(KEY_KP_ENTER == 88 && KEY_KP_1 == 89 && KEY_KP_9 == 97 && KEY_KP_0 == 98);

}  // namespace input
