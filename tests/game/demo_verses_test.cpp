// The verses of the demo game follow the layout rules the verse loader enforces, and what
// it reads only during play (cinemas, sounds, speeches) is there too.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "game/demo_game.h"

namespace {

using namespace demogame;

// The engine decodes a whole cinema at 4 bytes per pixel and holds two during a journey.
constexpr long long CINEMA_BUDGET = 160LL << 20;

bool isZoneColour(const std::string& c) {
  if (c.size() != 6 || c == "000000") return false;
  for (char ch : c) {
    if (!std::isdigit(static_cast<unsigned char>(ch)) && (ch < 'a' || ch > 'f')) return false;
  }
  return true;
}

void expectTexts(const Texts& t, const std::vector<std::string>& langs, const std::string& what) {
  for (const auto& lang : langs) {
    auto it = t.find(lang);
    EXPECT_TRUE(it != t.end() && !it->second.empty()) << what << " has no " << lang << " text";
  }
}

// Everything of one place: pictures, cinema, sounds, thing and portal zones, portals.
void checkPlace(const Verse& v, const Place& p, std::set<std::string>* portalIds) {
  SCOPED_TRACE(p.dir);
  const auto& langs = v.info.Languages;
  expectTexts(p.info.Title, langs, "title");
  EXPECT_TRUE(LoadPicture(p.dir + "here.png")) << "here-picture";
  EXPECT_TRUE(LoadPicture(p.dir + "there.png")) << "there-picture";
  auto zones = LoadPicture(p.dir + "zones.png", true);
  ASSERT_TRUE(zones) << "zones picture";
  EXPECT_TRUE(IsOgg(v.dir + "ambients/" + p.info.Ambient)) << p.info.Ambient;
  EXPECT_TRUE(IsOgg(v.dir + "musics/" + p.info.Music)) << p.info.Music;
  auto cinema = ProbeVideo(v.dir + "cinemas/" + p.info.Cinema);
  ASSERT_TRUE(cinema) << p.info.Cinema;
  // The zones picture is fitted to the screen like the cinema, so a zone lies over what it
  // marks only when both have the same proportions.
  EXPECT_EQ(1LL * zones->w * cinema->h, 1LL * zones->h * cinema->w) << "zones vs cinema size";
  EXPECT_LE(4LL * cinema->w * cinema->h * cinema->frames, CINEMA_BUDGET) << p.info.Cinema;

  std::set<std::string> thingColours;
  for (const auto& [colour, thing] : p.info.HexColor2Thing) {
    EXPECT_TRUE(isZoneColour(colour)) << colour;
    EXPECT_TRUE(zones->colours.count(colour)) << "thing " << thing << ": no " << colour << " zone";
    bool known = false;
    for (const auto& t : v.things) known = known || t.Id == thing;
    EXPECT_TRUE(known) << "unknown thing " << thing;
    thingColours.insert(colour);
  }
  EXPECT_EQ(IsDir(p.dir + "portals"), !p.portals.empty()) << "a portals directory is never empty";
  std::set<std::string> used = thingColours;
  used.insert("000000");
  for (const auto& [id, portal] : p.portals) used.insert(portal.HexColor);
  // Flat colours only: blended edges would make colours that name nothing.
  std::vector<std::string> stray;
  for (const auto& colour : zones->colours) {
    if (!used.count(colour)) stray.push_back(colour);
  }
  EXPECT_TRUE(stray.empty()) << stray.size() << " stray colours, as "
                             << (stray.empty() ? "" : stray.front());
  for (const auto& [id, portal] : p.portals) {
    SCOPED_TRACE("portal " + id);
    EXPECT_TRUE(IsFile(p.dir + "portals/" + id + ".json"));
    EXPECT_TRUE(portalIds->insert(id).second) << "portal id used twice";
    EXPECT_TRUE(v.FindPlace(portal.Destination)) << "no place " << portal.Destination;
    EXPECT_TRUE(isZoneColour(portal.HexColor)) << portal.HexColor;
    EXPECT_TRUE(zones->colours.count(portal.HexColor)) << "no zone of " << portal.HexColor;
    EXPECT_FALSE(thingColours.count(portal.HexColor)) << "a thing's zone would hide it";
    EXPECT_TRUE(portal.RectCenter[0] >= 0 && portal.RectCenter[0] < cinema->w &&
                portal.RectCenter[1] >= 0 && portal.RectCenter[1] < cinema->h);
    EXPECT_TRUE(portal.RectWidth > 0 && portal.RectWidth <= cinema->w);
    for (const auto& phrase : portal.Phrases) {
      expectTexts(phrase.Content, langs, "phrase");
      ASSERT_FALSE(phrase.Completes.empty()) << "the first completion names the right thing";
      for (const auto& c : phrase.Completes) {
        bool known = false;
        for (const auto& t : v.things) known = known || t.Id == c.Thing;
        EXPECT_TRUE(known) << "completion with unknown thing " << c.Thing;
        expectTexts(c.Content, langs, "completion " + c.Thing);
      }
    }
    for (const auto& lang : langs) {
      EXPECT_TRUE(IsOgg(v.dir + "speeches/" + lang + "/portals/" + id + ".ogg")) << lang;
    }
  }
}

void checkVerse(const std::string& id) {
  SCOPED_TRACE("verse " + id);
  Verse v = ReadVerse(id);
  EXPECT_EQ(v.info.Format, "orlevanth1");
  EXPECT_EQ(v.info.Languages, (std::vector<std::string>{"eng", "deu"}));
  expectTexts(v.info.Title, v.info.Languages, "verse title");
  expectTexts(v.info.Descript, v.info.Languages, "verse description");
  EXPECT_TRUE(LoadPicture(v.dir + "picture.png")) << "verse picture";
  EXPECT_TRUE(LoadPicture(v.dir + "places/hidden.png")) << "hidden place picture";

  ASSERT_FALSE(v.circles.empty()) << "places/0/ is required";
  std::set<std::string> placeIds, portalIds;
  for (const auto& circle : v.circles) {
    ASSERT_FALSE(circle.empty()) << "a circle has places";
    for (const auto& p : circle) {
      ASSERT_FALSE(p.id.empty()) << "a place number is missing";
      EXPECT_TRUE(placeIds.insert(p.id).second) << "place id " << p.id << " used twice";
    }
  }
  for (const auto& circle : v.circles) {
    for (const auto& p : circle) checkPlace(v, p, &portalIds);
  }

  std::set<std::string> thingIds;
  for (const auto& t : v.things) {
    SCOPED_TRACE("thing " + t.Id);
    EXPECT_TRUE(thingIds.insert(t.Id).second) << "thing id used twice";
    expectTexts(t.Title, v.info.Languages, "thing title");
    auto pic = LoadPicture(v.dir + "things/" + t.Pic);
    ASSERT_TRUE(pic) << t.Pic;
    EXPECT_TRUE(pic->w <= 72 && pic->h <= 72) << "fits an inventory slot";
    bool lies = false;
    for (const auto& circle : v.circles) {
      for (const auto& p : circle) {
        for (const auto& [colour, thing] : p.info.HexColor2Thing) lies = lies || thing == t.Id;
      }
    }
    EXPECT_TRUE(lies) << "the thing lies nowhere and cannot be taken";
  }
  for (const char* kind : {"loop", "open"}) {
    std::string dir = v.dir + "sounds/portals/" + kind;
    EXPECT_TRUE(IsDir(dir)) << dir;
    for (const auto& f : List(dir)) EXPECT_TRUE(IsOgg(dir + "/" + f)) << f;
  }
}

TEST(DemoGame, VersesFollowTheLayout) {
  auto ids = List(GameDir() + "/verses");
  ASSERT_EQ(ids, (std::vector<std::string>{"garden", "lighthouse"}));
  for (const auto& id : ids) checkVerse(id);
}

TEST(DemoGame, MainVerseIsACompleteGame) {
  Verse v = ReadVerse("lighthouse");
  size_t places = 0;
  for (const auto& c : v.circles) places += c.size();
  EXPECT_GE(v.circles.size(), 3u);
  EXPECT_GE(places, 8u);
  EXPECT_GE(v.things.size(), 5u);
  // One here-picture of the verse is animated, a numbered sequence.
  int animated = 0;
  for (const auto& c : v.circles) {
    for (const auto& p : c) {
      auto here = LoadPicture(p.dir + "here.png");
      if (here && here->frames > 1 && !IsFile(p.dir + "here.png")) ++animated;
    }
  }
  EXPECT_GE(animated, 1);
  // Some completions name a thing other than the right one: wrong but plausible answers.
  int wrong = 0;
  for (const auto& c : v.circles) {
    for (const auto& p : c) {
      for (const auto& [id, portal] : p.portals) {
        for (const auto& ph : portal.Phrases) wrong += static_cast<int>(ph.Completes.size()) - 1;
      }
    }
  }
  EXPECT_GE(wrong, 5);
}

}  // namespace
