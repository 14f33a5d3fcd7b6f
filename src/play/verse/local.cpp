#include "play/verse/local.h"

#include "core/dir.h"
#include "core/low.h"

namespace verse {

std::unique_ptr<Local> Init() { return std::make_unique<Local>(); }

namespace {

std::string stateDir(const Verse& v) { return "states/" + v.Info.Id + "/"; }

}  // namespace

core::Result<void> Local::resetVerseState() {
  if (!Verse) return core::Fail("Verse hasn't been loaded.");
  if (Verse->Places.empty() || Verse->Places.back().empty())
    return core::Fail("Verse has no place to start in.");
  Place = Verse->Places.back().front()->Info.Id;
  Places = {Place};
  Portals.clear();
  Things.clear();
  ThingsHashed.clear();
  return {};
}

void Local::clearVerseState() {
  Place.clear();
  Places.clear();
  Portals.clear();
  Things.clear();
  ThingsHashed.clear();
}

core::Result<void> Local::loadVerseState() {
  if (!Verse) return core::Fail("Verse hasn't been loaded.");
  const std::string dir = stateDir(*Verse);
  if (!core::Dir::Open(dir)) {
    // A new game: its state is saved at once and then read back like any other.
    TRY_PREFIX(resetVerseState(), "Cannot reset verse state: ");
    TRY_PREFIX(saveVerseState(), "Cannot save initial state: ");
  }
  clearVerseState();

  auto decode = [](const std::string& path, auto* dst) -> core::Result<void> {
    TRY_PREFIX(core::DecodeJSON(path, dst), "Cannot decode '" + path + "': ");
    return {};
  };

  TRY(decode(dir + "place.json", &Place));
  if (!Verse->PlaceId2Place.contains(Place))
    return core::Fail("Current place doesn't exist in verse: '" + Place + "'");

  std::vector<std::string> ids;
  TRY(decode(dir + "places.json", &ids));
  for (const auto& id : ids) {
    if (!Verse->PlaceId2Place.contains(id))
      return core::Fail("Found place doesn't exist in verse: '" + id + "'");
    Places.insert(id);
  }
  if (!Places.contains(Place)) return core::Fail("Current place is not found: '" + Place + "'");

  // Portal ids are not checked: a portal removed from the verse just has no effect.
  ids.clear();
  TRY(decode(dir + "portals.json", &ids));
  Portals.insert(ids.begin(), ids.end());

  TRY(decode(dir + "things.json", &Things));
  for (const auto& id : Things) {
    if (!Verse->ThingId2Thing.contains(id))
      return core::Fail("Acquired thing doesn't exist in verse: '" + id + "'");
    ThingsHashed.insert(id);
  }
  return {};
}

core::Result<void> Local::saveVerseState() const {
  if (!Verse) return core::Fail("Verse hasn't been loaded.");
  const std::string dir = stateDir(*Verse);
  TRY_PREFIX(core::MkdirAll(dir), "Cannot create dir '" + dir + "': ");
  auto encode = [&dir](const std::string& name, const auto& value) -> core::Result<void> {
    TRY_PREFIX(core::EncodeJSON(dir + name, value), "Cannot encode '" + dir + name + "': ");
    return {};
  };
  TRY(encode("place.json", Place));
  TRY(encode("places.json", std::vector<std::string>(Places.begin(), Places.end())));
  TRY(encode("portals.json", std::vector<std::string>(Portals.begin(), Portals.end())));
  TRY(encode("things.json", Things));
  return {};
}

core::Result<bool> Local::circleAccessible(int c) const {
  if (!Verse) return core::Fail("Verse hasn't been loaded");
  const int circles = static_cast<int>(Verse->Places.size());
  if (c < 0 || c >= circles) return core::Fail("No circle with index " + std::to_string(c));
  for (int i = c + 1; i < circles; ++i)
    for (const auto& place : Verse->Places[static_cast<std::size_t>(i)])
      if (!Places.contains(place->Info.Id)) return false;
  return true;
}

void Local::Transit(const std::string& id, std::array<int, 2> rectCenter, int rectWidth) {
  Mode = PM_TRANSIT;
  Place = id;
  TransitQuick = false;
  TransitRectCenter = rectCenter;
  TransitRectWidth = rectWidth;
}

void Local::TransitQuickly(const std::string& id) {
  Mode = PM_TRANSIT;
  Place = id;
  TransitQuick = true;
}

}  // namespace verse
