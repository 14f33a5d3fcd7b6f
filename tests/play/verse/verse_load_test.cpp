#include "play/verse/verse_load.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "core/video/animage.h"
#include "support/engine.h"
#include "support/verse_fixture.h"

namespace {

using testsupport::Engine;
using testsupport::VerseFixture;

// Circles 0 {gate} and 1 {hall, yard}; hall has a door to gate; one thing, "key".
void writeValidVerse(VerseFixture& f) {
  f.Place(0, "01_gate");
  f.Place(1, "01_hall");
  f.Place(1, "02_yard");
  f.Portal(1, "01_hall", "door.json", VerseFixture::PortalTo("gate"));
  f.File("things/things.json", R"([{"Id":"key","Pic":"key.png","Title":{"eng":"Key"}}])");
  f.Png("things/key.png");
}

// Loads the valid verse after `change`.
core::Result<std::unique_ptr<verse::Verse>> loadChanged(
    Engine& engine, const std::function<void(VerseFixture&)>& change) {
  VerseFixture f(engine.dir);
  writeValidVerse(f);
  change(f);
  return verse::loadVerse(*engine, "v");
}

TEST(VerseLoad, ValidVerse) {
  Engine engine;
  VerseFixture f(engine.dir);
  writeValidVerse(f);
  f.File("verse.json", R"({"Id":"ignored","Title":{"eng":"T"},"Format":"orlevanth1"})");
  f.File(VerseFixture::placeDir(0, "01_gate") + "place.json",
         R"({"Id":"ignored","Cinema":"gate.mp4","HexColor2Thing":{"00ff00":"key"}})");
  auto v = verse::loadVerse(*engine, "v");
  ASSERT_TRUE(v) << v.error().Message;
  EXPECT_EQ((*v)->Info.Id, "v");
  ASSERT_EQ((*v)->Places.size(), 2u);
  ASSERT_EQ((*v)->Places[1].size(), 2u);
  EXPECT_EQ((*v)->Places[1][0]->Info.Id, "hall");
  EXPECT_EQ((*v)->Places[1][1]->Info.Id, "yard");
  const verse::Place& gate = *(*v)->Places[0][0];
  EXPECT_EQ(gate.Info.Id, "gate");
  EXPECT_EQ(gate.Info.Cinema, "gate.mp4");
  EXPECT_EQ(gate.Info.HexColor2Thing.at("00ff00"), "key");
  EXPECT_TRUE(gate.Portals.empty()) << "no portals directory: no portals";
  ASSERT_EQ((*v)->Places[1][0]->Portals.size(), 1u);
  EXPECT_EQ((*v)->Places[1][0]->Portals[0].Id, "door");
  EXPECT_EQ((*v)->PlaceId2Path.at("yard"), "verses/v/places/1/02_yard/");
  EXPECT_EQ((*v)->PlaceId2Circle.at("yard"), 1);
  EXPECT_EQ((*v)->PlaceId2Place.at("gate"), &gate);
  ASSERT_EQ((*v)->Things.size(), 1u);
  EXPECT_EQ((*v)->ThingId2Thing.at("key")->Info.Title.at("eng"), "Key");
  EXPECT_EQ((*v)->ThingId2Thing.at("key")->Pic->W0(), 4);
  EXPECT_GT(gate.PicHere->rate, 0) << "the here-picture runs";
  EXPECT_EQ(gate.PicThere->rate, 0);
  EXPECT_TRUE((*v)->PortalLoopSounds.empty());
}

TEST(VerseLoad, NamesOnDisk) {
  struct Case {
    const char* name;
    std::function<void(VerseFixture&)> change;
    std::function<void(const verse::Verse&)> check;
  };
  const Case cases[] = {
      {"a separator of any kind",
       [](VerseFixture& f) {
         f.Remove("places/1/02_yard");
         f.Place(1, "02-library");
       },
       [](const verse::Verse& v) { EXPECT_EQ(v.Places[1][1]->Info.Id, "library"); }},
      {"circles end at the first gap",
       [](VerseFixture& f) { f.Place(3, "01_attic"); },
       [](const verse::Verse& v) {
         EXPECT_EQ(v.Places.size(), 2u);
         EXPECT_FALSE(v.PlaceId2Place.contains("attic"));
       }},
      {"a portal file of any name",
       [](VerseFixture& f) { f.Portal(1, "02_yard", "door.txt", VerseFixture::PortalTo("gate")); },
       [](const verse::Verse& v) { EXPECT_EQ(v.Places[1][1]->Portals[0].Id, "doo"); }},
      {"a destination in a later circle",
       [](VerseFixture& f) {
         f.Portal(0, "01_gate", "up.json", VerseFixture::PortalTo("yard"));
       },
       [](const verse::Verse& v) { EXPECT_EQ(v.Places[0][0]->Portals[0].Destination, "yard"); }},
      {"no things",
       [](VerseFixture& f) { f.File("things/things.json", "[]"); },
       [](const verse::Verse& v) { EXPECT_TRUE(v.Things.empty()); }},
  };
  for (const auto& c : cases) {
    Engine engine;
    auto v = loadChanged(engine, c.change);
    ASSERT_TRUE(v) << c.name << ": " << v.error().Message;
    c.check(**v);
  }
}

TEST(VerseLoad, BrokenVerses) {
  const std::string enoent = std::strerror(ENOENT);
  const std::string p0 = "verses/v/places/0/";
  const std::string p1 = "verses/v/places/1/";
  struct Case {
    const char* name;
    std::function<void(VerseFixture&)> change;
    std::string message;
  };
  const Case cases[] = {
      {"no verse.json", [](VerseFixture& f) { f.Remove("verse.json"); },
       "Cannot get verse 'v' info: Cannot decode 'verses/v/verse.json': Cannot read json: " +
           enoent},
      {"no picture", [](VerseFixture& f) { f.Remove("picture.png"); },
       "Cannot get verse 'v' info: Cannot load verse picture: Cannot open dir "
       "'verses/v/picture'!"},
      {"format in other letter case",
       [](VerseFixture& f) { f.File("verse.json", R"({"Format":"Orlevanth1"})"); },
       "Format 'Orlevanth1' is unknown"},
      {"no circle 0", [](VerseFixture& f) { f.Remove("places/0"); },
       "No circle dirs ('0', '1', ...) found in 'verses/v/places' or enumeration doesn't start "
       "from 0"},
      {"empty circle", [](VerseFixture& f) { f.Remove("places/1/01_hall"); f.Remove("places/1/02_yard"); },
       "Circle exists, but has no places: '" + p1 + "'"},
      {"stray file in a circle", [](VerseFixture& f) { f.File("places/0/notes.txt", "x"); },
       "Wrong dirname of place 'notes.txt': 'no' is not a two-digit place number"},
      {"stray file with a place's name", [](VerseFixture& f) { f.File("places/0/02_x", "x"); },
       "Cannot decode '" + p0 + "02_x/place.json': Cannot read json: " + std::strerror(ENOTDIR)},
      {"one-digit number",
       [](VerseFixture& f) { f.Remove("places/0/01_gate"); f.Place(0, "1_gate"); },
       "Wrong dirname of place '1_gate': '1_' is not a two-digit place number"},
      {"number beyond the circle",
       [](VerseFixture& f) { f.Remove("places/0/01_gate"); f.Place(0, "02_gate"); },
       "Wrong dirname of place '02_gate': place number 02 is not between 1 and 1, the number of "
       "places in the circle"},
      {"number zero",
       [](VerseFixture& f) { f.Remove("places/0/01_gate"); f.Place(0, "00_gate"); },
       "Wrong dirname of place '00_gate': place number 00 is not between 1 and 1, the number of "
       "places in the circle"},
      {"no place id",
       [](VerseFixture& f) { f.Remove("places/0/01_gate"); f.Place(0, "01_"); },
       "Wrong dirname of place '01_': it needs two digits, a separator and a place id, as in "
       "'01_hall'"},
      {"duplicate place id", [](VerseFixture& f) { f.Place(2, "01_gate"); },
       "Place ID duplicate: '" + p0 + "01_gate/' and 'verses/v/places/2/01_gate/'"},
      {"broken place.json",
       [](VerseFixture& f) { f.File("places/0/01_gate/place.json", R"({"Cinema":1})"); },
       "Cannot decode '" + p0 +
           "01_gate/place.json': Cannot unmarshal json data: 'Cinema' is an integer, expected "
           "string"},
      {"no zones picture", [](VerseFixture& f) { f.Remove("places/0/01_gate/zones.png"); },
       "Cannot load zones picture at '" + p0 + "01_gate/': Cannot open dir '" + p0 +
           "01_gate/zones'!"},
      {"no here picture", [](VerseFixture& f) { f.Remove("places/0/01_gate/here.png"); },
       "Cannot load here-picture at '" + p0 + "01_gate/': Cannot open dir '" + p0 +
           "01_gate/here'!"},
      {"no there picture", [](VerseFixture& f) { f.Remove("places/0/01_gate/there.png"); },
       "Cannot load there-picture at '" + p0 + "01_gate/': Cannot open dir '" + p0 +
           "01_gate/there'!"},
      {"empty portals dir", [](VerseFixture& f) { f.Mkdir("places/0/01_gate/portals"); },
       "Portal dir exists, but has no portal defs: '" + p0 + "01_gate/portals/'"},
      {"portal name too short",
       [](VerseFixture& f) { f.Portal(0, "01_gate", ".json", VerseFixture::PortalTo("hall")); },
       "Portal file name '" + p0 +
           "01_gate/portals/.json' leaves no portal id: the id is the name without its last "
           "five characters, as in 'door.json'"},
      {"duplicate portal id",
       [](VerseFixture& f) { f.Portal(0, "01_gate", "door.json", VerseFixture::PortalTo("hall")); },
       "Portal ID duplicate: '" + p0 + "01_gate/portals/door.json' and '" + p1 +
           "01_hall/portals/door.json'"},
      {"missing destination",
       [](VerseFixture& f) { f.Portal(1, "02_yard", "well.json", VerseFixture::PortalTo("moon")); },
       "Destination place 'moon' of portal '" + p1 +
           "02_yard/portals/well.json' doesn't exist in verse"},
      {"no hidden picture", [](VerseFixture& f) { f.Remove("places/hidden.png"); },
       "Cannot load hidden place picture: Cannot open dir 'verses/v/places/hidden'!"},
      {"no things.json", [](VerseFixture& f) { f.Remove("things/things.json"); },
       "Cannot decode json: Cannot read json: " + enoent},
      {"no thing picture", [](VerseFixture& f) { f.Remove("things/key.png"); },
       "Cannot load thing image: Cannot open dir 'verses/v/things/key'!"},
      {"duplicate thing",
       [](VerseFixture& f) {
         f.File("things/things.json", R"([{"Id":"key","Pic":"key.png"},{"Id":"key","Pic":"key.png"}])");
       },
       "Thing ID duplicate: 'key'"},
      {"no loop sounds dir", [](VerseFixture& f) { f.Remove("sounds/portals/loop"); },
       "Cannot open portal loop sounds dir 'verses/v/sounds/portals/loop/'"},
      {"no open sounds dir", [](VerseFixture& f) { f.Remove("sounds/portals/open"); },
       "Cannot open portal open sounds dir 'verses/v/sounds/portals/open/'"},
  };
  for (const auto& c : cases) {
    Engine engine;
    auto v = loadChanged(engine, c.change);
    ASSERT_FALSE(v) << c.name;
    EXPECT_EQ(v.error().Message, c.message) << c.name;
  }
}

TEST(VerseCatalogue, ListsEveryVerse) {
  Engine engine;
  VerseFixture a(engine.dir, "alpha");
  VerseFixture b(engine.dir, "beta");
  b.File("verse.json", R"({"Title":{"eng":"Beta"},"Format":"whatever"})");
  auto infos = verse::LoadAllVerseInfos(*engine);
  ASSERT_TRUE(infos) << infos.error().Message;
  ASSERT_EQ(infos->size(), 2u);
  std::set<std::string> ids = {(*infos)[0].Id, (*infos)[1].Id};
  EXPECT_EQ(ids, (std::set<std::string>{"alpha", "beta"})) << "formats are not checked here";
  EXPECT_GT((*infos)[0].Pic->rate, 0) << "the verse picture runs";

  struct Case {
    const char* name;
    std::function<void(testsupport::TempDir&)> change;
    std::string message;
  };
  const Case cases[] = {
      {"no verses dir", [](auto& d) { std::filesystem::remove_all(d.Path() / "verses"); },
       std::string("Cannot open 'verses': ") + std::strerror(ENOENT)},
      {"empty verses dir",
       [](auto& d) {
         std::filesystem::remove_all(d.Path() / "verses");
         std::filesystem::create_directory(d.Path() / "verses");
       },
       "No verse dirs found in 'verses'"},
      {"a plain file", [](auto& d) { d.Write("verses/readme.txt", "hi"); },
       "'verses/readme.txt' is not a dir"},
      {"a broken verse", [](auto& d) { d.Write("verses/gamma/verse.json", "{"); },
       "Cannot get verse 'gamma' info: Cannot decode 'verses/gamma/verse.json': Cannot unmarshal "
       "json data: [json.exception.parse_error.101]"},
  };
  for (const auto& c : cases) {
    Engine e;
    VerseFixture ok(e.dir, "alpha");
    c.change(e.dir);
    auto res = verse::LoadAllVerseInfos(*e);
    ASSERT_FALSE(res) << c.name;
    EXPECT_EQ(res.error().Message.substr(0, c.message.size()), c.message) << c.name;
  }
}

}  // namespace
