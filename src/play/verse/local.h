// The state of one run of the verse screen: the loaded verse, the player's progress (saved
// per verse under "states/"), what the screen is doing and the running journey.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/error.h"
#include "play/verse/verse.h"

namespace verse {

// What the verse screen is doing.
enum PlayMode : int {
  PM_LOOK = 0,              // the player looks at the place, hovers zones, clicks
  PM_INVENTORY = 1,         // the inventory over the place
  PM_CIRCLES = 2,           // the circles overview
  PM_TRANSIT = 3,           // a journey to Place
  PM_PORTAL = 4,            // a portal screen
  PM_PORTAL_INVENTORY = 5,  // the inventory over a portal screen
  PM_PORTAL_OPENING = 6,    // an unlocked portal opening
};

// The cursor picture to show in a frame.
enum CursorMode : int {
  CM_DEFAULT = 0,
  CM_NONE = 1,
  CM_LOOK = 2,
  CM_ZONE = 3,
  CM_TALK = 4,
  CM_TALK_SHINE = 5,
  CM_TALK_DARKSHINE = 6,
  CM_HAND = 7,
  CM_TAKE = 8,
  CM_TAKE_SHINE = 9,
  CM_USE = 10,
  CM_USEON = 11,
  CM_ZOOMIN = 12,
  CM_ZOOMIN_SHINE = 13,
};

constexpr int TRANSIT_STAGE_IDLE = 0;
constexpr int TRANSIT_STAGE_LOAD = 1;
constexpr int TRANSIT_STAGE_RUN = 2;

struct Local {
  PlayMode Mode = PM_LOOK;
  CursorMode Cursor = CM_LOOK;
  bool Exit = false;  // ends the verse screen after the current frame
  std::unique_ptr<verse::Verse> Verse;
  std::string Place;  // the current place; during a journey already the destination
  std::set<std::string> Places;   // visited, or opened a portal to
  std::set<std::string> Portals;  // unlocked
  std::vector<std::string> Things;      // acquired, in order: the inventory order
  std::set<std::string> ThingsHashed;   // the same ids, for lookup
  std::string Thing;  // the thing in the player's hand, empty for none
  std::string Hover;  // text next to the cursor in this frame
  bool TransitQuick = false;
  double TransitLambda = 0;
  std::array<int, 2> TransitRectCenter{};
  int TransitRectWidth = 0;  // negative: a plain cross-fade
  int TransitStage = TRANSIT_STAGE_IDLE;

  // Reads the progress of Verse from "states/<verse id>/", starting a new game (and saving
  // it) when that directory does not exist yet.
  [[nodiscard]] core::Result<void> loadVerseState();
  // Writes the progress of Verse to "states/<verse id>/".
  [[nodiscard]] core::Result<void> saveVerseState() const;
  // Whether portals into circle c may be opened now: once every place of every higher
  // circle has been visited.
  [[nodiscard]] core::Result<bool> circleAccessible(int c) const;

  // Starts a journey to place `id` growing out of the given rectangle.
  void Transit(const std::string& id, std::array<int, 2> rectCenter, int rectWidth);
  // Starts a journey to place `id` without cross-fade.
  void TransitQuickly(const std::string& id);

  [[nodiscard]] core::Result<void> resetVerseState();
  void clearVerseState();
};

// A fresh record: nothing loaded, looking, with the look cursor.
std::unique_ptr<Local> Init();

}  // namespace verse
