#include "play/verse/local.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;
using Ids = std::vector<std::string>;

// A verse "v" with the given circles of place ids and things, built without the loader.
std::unique_ptr<verse::Verse> makeVerse(const std::vector<Ids>& circles, const Ids& things = {}) {
  auto v = std::make_unique<verse::Verse>();
  v->Info.Id = "v";
  for (std::size_t c = 0; c < circles.size(); ++c) {
    auto& circle = v->Places.emplace_back();
    for (const auto& id : circles[c]) {
      auto& place = circle.emplace_back(std::make_unique<verse::Place>());
      place->Info.Id = id;
      v->PlaceId2Place[id] = place.get();
      v->PlaceId2Circle[id] = static_cast<int>(c);
    }
  }
  for (const auto& id : things) {
    auto& thing = v->Things.emplace_back(std::make_unique<verse::Thing>());
    thing->Info.Id = id;
    v->ThingId2Thing[id] = thing.get();
  }
  return v;
}

std::unique_ptr<verse::Local> localFor(std::unique_ptr<verse::Verse> v) {
  auto local = verse::Init();
  local->Verse = std::move(v);
  return local;
}

TEST(VerseState, FirstEntryStartsANewGameAndReadsItBack) {
  TempDir dir;
  auto local = localFor(makeVerse({{"gate"}, {"hall", "yard"}, {"tower", "cellar"}}, {"key"}));
  EXPECT_EQ(local->Mode, verse::PM_LOOK);
  EXPECT_EQ(local->Cursor, verse::CM_LOOK);
  ASSERT_TRUE(local->loadVerseState());
  EXPECT_EQ(dir.Read("states/v/place.json"), R"("tower")");
  EXPECT_EQ(dir.Read("states/v/places.json"), R"(["tower"])");
  EXPECT_EQ(dir.Read("states/v/portals.json"), "[]");
  EXPECT_EQ(dir.Read("states/v/things.json"), "[]");
  EXPECT_EQ(local->Place, "tower");
  EXPECT_EQ(local->Places, std::set<std::string>{"tower"});
  EXPECT_TRUE(local->Portals.empty());
  EXPECT_TRUE(local->Things.empty());
}

TEST(VerseState, SavedProgressRoundTrips) {
  TempDir dir;
  auto local = localFor(makeVerse({{"gate"}, {"hall"}}, {"key", "lamp"}));
  ASSERT_TRUE(local->loadVerseState());
  local->Place = "gate";
  local->Places = {"hall", "gate"};
  local->Portals = {"door", "gone"};
  local->Things = {"lamp", "key", "lamp"};
  ASSERT_TRUE(local->saveVerseState());

  auto back = localFor(makeVerse({{"gate"}, {"hall"}}, {"key", "lamp"}));
  ASSERT_TRUE(back->loadVerseState());
  EXPECT_EQ(back->Place, "gate");
  EXPECT_EQ(back->Places, (std::set<std::string>{"gate", "hall"}));
  EXPECT_EQ(back->Portals, (std::set<std::string>{"door", "gone"})) << "unknown portals are kept";
  EXPECT_EQ(back->Things, (Ids{"lamp", "key", "lamp"})) << "a thing listed twice stays twice";
  EXPECT_EQ(back->ThingsHashed, (std::set<std::string>{"key", "lamp"}));
}

TEST(VerseState, BrokenSaveFiles) {
  const std::string d = "states/v/";
  struct Case {
    const char* name;
    std::string file, content;  // one file replaced in a valid state directory
    std::string message;
  };
  const Case cases[] = {
      {"unknown place", "place.json", R"("moon")", "Current place doesn't exist in verse: 'moon'"},
      {"place not visited", "place.json", R"("hall")", "Current place is not found: 'hall'"},
      {"unknown visited place", "places.json", R"(["gate","moon"])",
       "Found place doesn't exist in verse: 'moon'"},
      {"unknown thing", "things.json", R"(["key","ghost"])",
       "Acquired thing doesn't exist in verse: 'ghost'"},
      {"missing file", "portals.json", "",
       "Cannot decode '" + d + "portals.json': Cannot read json: " + std::strerror(ENOENT)},
      {"wrong type", "things.json", R"({"key":true})",
       "Cannot decode '" + d + "things.json': Cannot unmarshal json data: the value is an object, "
       "expected list"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    dir.Write(d + "place.json", R"("gate")");
    dir.Write(d + "places.json", R"(["gate"])");
    dir.Write(d + "portals.json", "[]");
    dir.Write(d + "things.json", R"(["key"])");
    if (c.content.empty()) std::filesystem::remove(d + c.file);
    else dir.Write(d + c.file, c.content);
    auto local = localFor(makeVerse({{"gate"}, {"hall"}}, {"key"}));
    auto res = local->loadVerseState();
    ASSERT_FALSE(res) << c.name;
    EXPECT_EQ(res.error().Message, c.message) << c.name;
  }
}

TEST(VerseState, NothingWithoutAVerse) {
  TempDir dir;
  auto local = verse::Init();
  EXPECT_EQ(local->loadVerseState().error().Message, "Verse hasn't been loaded.");
  EXPECT_EQ(local->resetVerseState().error().Message, "Verse hasn't been loaded.");
  EXPECT_EQ(local->circleAccessible(0).error().Message, "Verse hasn't been loaded");
}

TEST(VerseState, CirclesOpenFromTheHighestDown) {
  auto local = localFor(makeVerse({{"a"}, {"b1", "b2"}, {"c1", "c2"}}));
  struct Step {
    std::set<std::string> visited;
    bool open0, open1, open2;
  };
  const Step steps[] = {
      {{}, false, false, true},
      {{"c1"}, false, false, true},
      {{"c1", "c2"}, false, true, true},
      {{"c1", "c2", "b1"}, false, true, true},
      {{"c1", "c2", "b1", "b2"}, true, true, true},
      {{"b1", "b2"}, false, false, true},
  };
  for (const auto& s : steps) {
    local->Places = s.visited;
    EXPECT_EQ(*local->circleAccessible(0), s.open0);
    EXPECT_EQ(*local->circleAccessible(1), s.open1);
    EXPECT_EQ(*local->circleAccessible(2), s.open2);
  }
  for (int c : {-1, 3}) {
    auto res = local->circleAccessible(c);
    ASSERT_FALSE(res);
    EXPECT_EQ(res.error().Message, "No circle with index " + std::to_string(c));
  }
  EXPECT_TRUE(*localFor(makeVerse({{"only"}}))->circleAccessible(0));
}

TEST(VerseState, Journeys) {
  auto local = verse::Init();
  local->TransitStage = verse::TRANSIT_STAGE_RUN;
  local->Transit("hall", {120, -40}, 64);
  EXPECT_EQ(local->Mode, verse::PM_TRANSIT);
  EXPECT_EQ(local->Place, "hall");
  EXPECT_FALSE(local->TransitQuick);
  EXPECT_EQ(local->TransitRectCenter, (std::array<int, 2>{120, -40}));
  EXPECT_EQ(local->TransitRectWidth, 64);
  EXPECT_EQ(local->TransitStage, verse::TRANSIT_STAGE_RUN) << "the stage is not touched";
  local->TransitQuickly("gate");
  EXPECT_EQ(local->Place, "gate");
  EXPECT_TRUE(local->TransitQuick);
  EXPECT_EQ(local->TransitRectWidth, 64) << "the rectangle is left as it was";
}

}  // namespace
