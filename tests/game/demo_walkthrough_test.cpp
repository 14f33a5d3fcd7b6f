// game/WALKTHROUGH.md plays: followed step by step under the circles rule, every portal it
// opens is accessible at that moment, every thing it lays was taken before, and it reaches
// every place of circle 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "game/demo_game.h"

namespace {

using namespace demogame;

struct Walk {
  std::string verse;
  std::vector<std::string> steps;  // the commands in backquotes, in order
};

// "## ... `verse id` ..." opens a verse's section; "N. `command` ..." is a step.
std::vector<Walk> readWalkthrough() {
  std::ifstream in(GameDir() + "/WALKTHROUGH.md");
  std::vector<Walk> walks;
  std::regex heading(R"(^##\s.*`([a-z0-9_]+)`)"), step(R"(^\d+\.\s+`([^`]+)`)");
  std::string line;
  std::smatch m;
  while (std::getline(in, line)) {
    if (std::regex_search(line, m, heading)) {
      walks.push_back({m[1], {}});
    } else if (std::regex_search(line, m, step) && !walks.empty()) {
      walks.back().steps.push_back(m[1]);
    }
  }
  return walks;
}

// The player's progress, as the verse screen keeps it.
struct Progress {
  const Verse& v;
  std::string place;
  std::set<std::string> places, portals, things;

  bool circleAccessible(int c) const {
    for (size_t i = c + 1; i < v.circles.size(); ++i) {
      for (const auto& p : v.circles[i]) {
        if (!places.count(p.id)) return false;
      }
    }
    return true;
  }

  const Portal* portalHere(const std::string& id) const {
    for (const auto& [pid, portal] : v.FindPlace(place)->portals) {
      if (pid == id) return &portal;
    }
    return nullptr;
  }
};

std::vector<std::string> words(std::string s) {
  std::replace(s.begin(), s.end(), ',', ' ');
  std::istringstream in(s);
  std::vector<std::string> w;
  for (std::string x; in >> x;) w.push_back(x);
  return w;
}

void play(const Walk& walk) {
  SCOPED_TRACE("verse " + walk.verse);
  Verse v = ReadVerse(walk.verse);
  ASSERT_FALSE(v.circles.empty());
  // A new game starts at place 1 of the highest circle.
  Progress g{v, v.circles.back()[0].id, {v.circles.back()[0].id}, {}, {}};
  for (const auto& cmd : walk.steps) {
    SCOPED_TRACE("step `" + cmd + "` at " + g.place);
    auto w = words(cmd);
    ASSERT_GE(w.size(), 2u);
    const Place* here = v.FindPlace(g.place);
    if (w[0] == "take") {
      bool lies = false;
      for (const auto& [colour, thing] : here->info.HexColor2Thing) lies = lies || thing == w[1];
      ASSERT_TRUE(lies) << "the thing does not lie here";
      ASSERT_TRUE(g.things.insert(w[1]).second) << "taken before";
    } else if (w[0] == "open") {
      const Portal* portal = g.portalHere(w[1]);
      ASSERT_TRUE(portal) << "no such portal here";
      ASSERT_FALSE(g.portals.count(w[1])) << "already unlocked: use `go`";
      ASSERT_TRUE(g.circleAccessible(v.FindPlace(portal->Destination)->circle))
          << "the destination's circle is still closed";
      std::vector<std::string> laid(w.begin() + std::min<size_t>(3, w.size()), w.end());
      if (!portal->Phrases.empty()) {
        ASSERT_EQ(w.size() > 2 ? w[2] : "", "with");
      }
      ASSERT_EQ(laid.size(), portal->Phrases.size()) << "one thing per phrase";
      for (size_t i = 0; i < laid.size(); ++i) {
        EXPECT_TRUE(g.things.count(laid[i])) << laid[i] << " was not taken before";
        EXPECT_EQ(laid[i], portal->Phrases[i].Completes.at(0).Thing) << "phrase " << i + 1;
      }
      g.portals.insert(w[1]);
      g.places.insert(portal->Destination);
      g.place = portal->Destination;
    } else if (w[0] == "go") {
      const Portal* portal = g.portalHere(w[1]);
      ASSERT_TRUE(portal && g.portals.count(w[1])) << "no unlocked portal of that id here";
      g.place = portal->Destination;
    } else if (w[0] == "travel") {
      ASSERT_TRUE(g.places.count(w[1]) && w[1] != g.place) << "the circles map cannot go there";
      g.place = w[1];
    } else {
      FAIL() << "unknown step";
    }
  }
  for (const auto& p : v.circles[0]) EXPECT_TRUE(g.places.count(p.id)) << "never reached " << p.id;
  for (const auto& t : v.things) EXPECT_TRUE(g.things.count(t.Id)) << "never took " << t.Id;
}

TEST(DemoGame, WalkthroughPlaysUnderTheCirclesRule) {
  auto walks = readWalkthrough();
  std::vector<std::string> verses;
  for (const auto& w : walks) verses.push_back(w.verse);
  std::sort(verses.begin(), verses.end());
  EXPECT_EQ(verses, List(GameDir() + "/verses")) << "one section per verse";
  for (const auto& w : walks) play(w);
}

}  // namespace
