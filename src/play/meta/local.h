// The menu's own record, kept in States.Local while the meta screen runs: the verse
// catalogue with the selected verse, the screen's pictures and sounds, and whether the
// player has touched a key yet.
#pragma once

#include <memory>
#include <vector>

#include "core/context.h"
#include "play/state.h"
#include "play/verse/verse.h"

namespace meta {

inline constexpr char META_TEXTS_FILE[] = "meta.json";
inline constexpr char META_TITLE[] = "animages/meta/title.png";
inline constexpr char META_ARROW_LEFT[] = "animages/meta/arrow_left.png";
inline constexpr char META_ARROW_RIGHT[] = "animages/meta/arrow_right.png";
inline constexpr char META_CINEMA[] = "cinemas/meta.mp4";
inline constexpr char META_MUSIC[] = "sounds/musics/meta.ogg";
inline constexpr char SND_CHOOSE_ITEM[] = "sounds/meta/choose_item.ogg";
inline constexpr char SND_CHOOSE_VERSE[] = "sounds/meta/choose_verse.ogg";
inline constexpr char SND_SELECT[] = "sounds/meta/select.ogg";
inline constexpr char SND_UNSELECT[] = "sounds/meta/unselect.ogg";
inline constexpr char SND_TURNOVER[] = "sounds/meta/turnover.ogg";

struct Local {
  // Every verse found, sorted by title; never empty while the screen runs.
  std::vector<verse::VerseInfo> verseInfos;
  int iSelVerse = 0;  // the selected verse, an index into verseInfos
  // Pictures that failed to load stay null: they draw nothing and measure 0 × 0.
  std::shared_ptr<video::Animage> title;
  std::shared_ptr<video::Animage> arrow_left;
  std::shared_ptr<video::Animage> arrow_right;
  // Sounds that failed to load stay null and are never heard.
  audio::Sound* sndChooseItem = nullptr;   // the selection moved
  audio::Sound* sndChooseVerse = nullptr;  // another verse chosen
  audio::Sound* sndSelect = nullptr;       // a page is opened
  audio::Sound* sndUnselect = nullptr;     // a page is left
  audio::Sound* sndTurnover = nullptr;     // a help page is turned
  bool keyPressed = false;                 // a key has been held: the hint is gone

  // Sorts verseInfos by their titles in the player's language, byte by byte, a missing
  // title counting as empty. An exchange sort: entry i is swapped with every later entry
  // whose title is smaller, so verses of equal title do not keep their order.
  void sortVerseInfosByTitle(const core::Context& ctx);
  // The selected verse.
  const verse::VerseInfo& SelVerse() const { return verseInfos[iSelVerse]; }
};

// Selects the verse named by Control.SelVerseId; when no verse has that id, the first one,
// whose id is written back.
void setVerseFromId(play::States& st);
// Selects the verse at index i taken cyclically, and names it in Control.SelVerseId.
void setVerseByIndex(play::States& st, int i);

// Starts a sound once; one that failed to load is simply not heard.
void playSound(core::Context& ctx, audio::Sound* snd);

}  // namespace meta
