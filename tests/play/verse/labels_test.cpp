#include <gtest/gtest.h>

#include "core/video/animage.h"
#include "play/verse/verse_load.h"
#include "support/engine.h"

namespace {

using testsupport::Engine;

// A zones picture from rows of characters: '.' black, other letters colours of `palette`.
std::shared_ptr<video::Animage> zones(const std::vector<std::string>& rows,
                                      const std::map<char, std::uint32_t>& palette) {
  auto a = std::make_shared<video::Animage>();
  video::Frame f;
  f.height = static_cast<int>(rows.size());
  f.width = static_cast<int>(rows[0].size());
  f.pixels.assign(static_cast<std::size_t>(f.width) * f.height * 4, 0);
  for (int y = 0; y < f.height; ++y)
    for (int x = 0; x < f.width; ++x) {
      char ch = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      std::uint32_t rgb = ch == '.' ? 0 : palette.at(ch);
      std::uint8_t* p = &f.pixels[(static_cast<std::size_t>(y) * f.width + x) * 4];
      p[0] = rgb & 0xff;
      p[1] = (rgb >> 8) & 0xff;
      p[2] = (rgb >> 16) & 0xff;
      p[3] = 0x80;  // alpha is ignored
    }
  a->frames.push_back(std::move(f));
  return a;
}

// One circle: "here" (the place under test) and "there" (a destination); thing "key".
struct Fixture {
  verse::Verse v;
  verse::Place* here;

  Fixture() {
    auto& circle = v.Places.emplace_back();
    for (const char* id : {"here", "there"}) {
      auto& p = circle.emplace_back(std::make_unique<verse::Place>());
      p->Info.Id = id;
      p->Info.Title = {{"eng", std::string("Title of ") + id}};
      v.PlaceId2Place[id] = p.get();
    }
    here = circle[0].get();
    auto& key = v.Things.emplace_back(std::make_unique<verse::Thing>());
    key->Info.Id = "key";
    key->Info.Title = {{"deu", "Schlüssel"}};  // no English title: the label text is empty
    v.ThingId2Thing["key"] = key.get();
  }
  void portal(const std::string& id, const std::string& colour, const std::string& dest) {
    auto& p = here->Portals.emplace_back();
    p.Id = id;
    p.HexColor = colour;
    p.Destination = dest;
  }
};

std::string cfg(int w, int h) {
  return R"({"XRes":)" + std::to_string(w) + R"(,"YRes":)" + std::to_string(h) +
         R"(,"Framerate":60,"Mute":true,"Lang":"eng"})";
}

using L = std::tuple<int, int, std::string, std::string>;
std::vector<L> flat(const std::vector<verse::ZoneLabel>& labels) {
  std::vector<L> out;
  for (const auto& l : labels) out.emplace_back(l.sx, l.sy, l.id, l.text);
  return out;
}

TEST(ZoneLabels, OneLabelPerColourAtItsFirstPixel) {
  Engine engine(cfg(80, 60));  // zones 8 × 6: scale 10
  Fixture fx;
  fx.portal("door", "ff0000", "there");
  fx.portal("arch", "0000ff", "there");
  fx.portal("arch2", "0000ff", "here");  // the later portal of one colour wins
  fx.portal("void", "00ffff", "nowhere");  // a destination the verse lacks: no label
  fx.here->Info.HexColor2Thing = {{"00ff00", "key"}, {"ff0000", "key"}, {"ffff00", "ghost"}};
  fx.here->PicZones = zones(
      {
          "..RRR...",  // a ring: its topmost, leftmost pixel counts
          "..R.R.G.",  // G: a thing
          "..RRR...",  //
          "B.....C.",  // B: two portals of one colour; C: no label
          "......Y.",  // Y: a thing id the verse lacks
          "W......G",  // W: a colour nobody uses; G again: a second area, no second label
      },
      {{'R', 0xff0000}, {'G', 0x00ff00}, {'B', 0x0000ff}, {'C', 0x00ffff}, {'Y', 0xffff00},
       {'W', 0xffffff}});
  ASSERT_TRUE(verse::buildZoneLabels(fx.v, *engine));
  // Pixel (x, y) lands at ((x − 4) · 10, (y − 3) · 10).
  EXPECT_EQ(flat(fx.here->PortalLabels),
            (std::vector<L>{{-20, -30, "door", "Title of there"}, {-40, 0, "arch2", "Title of here"}}));
  EXPECT_EQ(flat(fx.here->ThingLabels), (std::vector<L>{{20, -20, "key", ""}}));
}

TEST(ZoneLabels, FittingToTheScreen) {
  struct Case {
    int screenW, screenH, zonesW, zonesH, x, y, sx, sy;
  };
  const Case cases[] = {
      {1920, 1080, 960, 540, 0, 0, -960, -540},
      {1920, 1080, 960, 540, 480, 270, 0, 0},
      {1280, 1024, 1000, 500, 10, 10, -627, -307},
      {1280, 1024, 1000, 500, 999, 499, 638, 318},
  };
  for (const auto& c : cases) {
    Engine engine(cfg(c.screenW, c.screenH));
    Fixture fx;
    fx.portal("door", "ff0000", "there");
    auto a = std::make_shared<video::Animage>();
    video::Frame f;
    f.width = c.zonesW;
    f.height = c.zonesH;
    f.pixels.assign(static_cast<std::size_t>(f.width) * f.height * 4, 0);
    f.pixels[(static_cast<std::size_t>(c.y) * f.width + c.x) * 4 + 2] = 0xff;
    a->frames.push_back(std::move(f));
    fx.here->PicZones = a;
    ASSERT_TRUE(verse::buildZoneLabels(fx.v, *engine));
    ASSERT_EQ(fx.here->PortalLabels.size(), 1u);
    EXPECT_EQ(fx.here->PortalLabels[0].sx, c.sx) << c.screenW << " " << c.x;
    EXPECT_EQ(fx.here->PortalLabels[0].sy, c.sy) << c.screenW << " " << c.y;
  }
}

TEST(ZoneLabels, ZonesWithoutFramesGiveNoLabels) {
  Engine engine;
  Fixture fx;
  fx.portal("door", "ff0000", "there");
  fx.here->PicZones = std::make_shared<video::Animage>();
  fx.here->PortalLabels.push_back({1, 1, "stale", ""});
  ASSERT_TRUE(verse::buildZoneLabels(fx.v, *engine));
  EXPECT_TRUE(fx.here->PortalLabels.empty());
}

}  // namespace
