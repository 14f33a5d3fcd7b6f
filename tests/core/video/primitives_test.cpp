// Rectangles, lines and circles, checked on the bytes of a small buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "core/video/pixel.h"
#include "core/video/video.h"

namespace {

using Point = std::pair<int, int>;

// A black buffer whose alpha bytes hold 77 (never to be written).
struct Buffer {
  int w, h;
  std::vector<std::uint8_t> px;
  Buffer(int w_, int h_) : w(w_), h(h_), px(static_cast<std::size_t>(w_) * h_ * 4, 0) {
    for (std::size_t i = 3; i < px.size(); i += 4) px[i] = 77;
  }
  video::Canvas canvas() { return {px.data(), w, h}; }
  const std::uint8_t* at(int x, int y) const {
    return &px[(static_cast<std::size_t>(y) * w + x) * 4];
  }

  // How many times each pixel was blended with white at alpha 128: one blend over black
  // gives 127, two 191, three 223.
  std::map<Point, int> blends() const {
    static const std::map<int, int> count = {{127, 1}, {191, 2}, {223, 3}, {239, 4}};
    std::map<Point, int> out;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint8_t* p = at(x, y);
        EXPECT_EQ(p[3], 77) << "alpha byte written at " << x << "," << y;
        if (p[0] == 0) continue;
        EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]);
        auto it = count.find(p[0]);
        out[{x, y}] = it == count.end() ? -1 : it->second;
      }
    return out;
  }
};

const video::Color HALF_WHITE{255, 255, 255, 128};

std::map<Point, int> once(std::initializer_list<Point> pts) {
  std::map<Point, int> m;
  for (auto p : pts) m[p] = 1;
  return m;
}

TEST(Primitives, BlendsColourBytesInOrderAndKeepsAlpha) {
  Buffer b(4, 1);
  video::putPixel(b.canvas(), 0, 0, {200, 100, 50, 128});
  // red to byte 2, green to byte 1, blue to byte 0: value × 128 >> 8 over black
  EXPECT_EQ(b.at(0, 0)[0], 25);
  EXPECT_EQ(b.at(0, 0)[1], 50);
  EXPECT_EQ(b.at(0, 0)[2], 100);
  EXPECT_EQ(b.at(0, 0)[3], 77);
  video::putPixel(b.canvas(), 1, 0, {255, 255, 255, 255});
  EXPECT_EQ(b.at(1, 0)[0], 254) << "white at alpha 255 over black";
  video::putPixel(b.canvas(), 2, 0, {255, 255, 255, 0});
  EXPECT_EQ(b.at(2, 0)[0], 0) << "alpha 0 changes nothing";
  // Outside the buffer: nothing, and no out-of-bounds write.
  const auto before = b.px;
  for (Point p : {Point{-1, 0}, Point{4, 0}, Point{0, -1}, Point{0, 1}})
    video::putPixel(b.canvas(), p.first, p.second, HALF_WHITE);
  EXPECT_EQ(b.px, before);
}

TEST(Primitives, RectanglesBlendEachPixelOnce) {
  Buffer outline(16, 16), filled(16, 16);
  video::putRect(outline.canvas(), 10, 10, 3, 3, HALF_WHITE);
  video::putFillRect(filled.canvas(), 10, 10, 3, 3, HALF_WHITE);
  EXPECT_EQ(outline.blends(),
            once({{10, 10}, {11, 10}, {12, 10}, {12, 11}, {12, 12}, {11, 12}, {10, 12}, {10, 11}}));
  auto all = once({{11, 11}});
  for (auto [p, n] : outline.blends()) all[p] = n;
  EXPECT_EQ(filled.blends(), all);
}

TEST(Primitives, RectanglesAreClippedAndThinOnesStayInside) {
  struct Case {
    int x, y, w, h;
    bool fill;
    std::map<Point, int> expect;
  };
  const Case cases[] = {
      // partly off the top-left corner
      {-1, -1, 3, 3, true, once({{0, 0}, {1, 0}, {0, 1}, {1, 1}})},
      {-1, -1, 3, 3, false, once({{1, 0}, {1, 1}, {0, 1}})},
      // partly off the bottom-right corner of the 6 × 4 buffer
      {4, 2, 4, 4, false, once({{4, 2}, {5, 2}, {4, 3}})},
      {4, 2, 4, 4, true, once({{4, 2}, {5, 2}, {4, 3}, {5, 3}})},
      // one pixel thin: the outline is the whole rectangle, nothing outside it
      {2, 1, 1, 3, false, once({{2, 1}, {2, 2}, {2, 3}})},
      {1, 0, 3, 1, false, once({{1, 0}, {2, 0}, {3, 0}})},
      // empty or wholly outside
      {2, 2, 0, 3, false, {}},
      {2, 2, 3, -1, true, {}},
      {6, 0, 3, 3, true, {}},
      {-2000000000, -5, 2147483647, 6, true,
       once({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}})},
  };
  for (const auto& c : cases) {
    Buffer b(6, 4);
    if (c.fill)
      video::putFillRect(b.canvas(), c.x, c.y, c.w, c.h, HALF_WHITE);
    else
      video::putRect(b.canvas(), c.x, c.y, c.w, c.h, HALF_WHITE);
    EXPECT_EQ(b.blends(), c.expect) << c.x << "," << c.y << " " << c.w << "x" << c.h;
  }
}

TEST(Primitives, LinesThroughTheExamplesAndClipping) {
  struct Case {
    int x1, y1, x2, y2;
    std::map<Point, int> expect;
  };
  const Case cases[] = {
      {5, 5, 5, 5, once({{5, 5}})},
      {0, 0, 3, 1, once({{0, 0}, {1, 0}, {2, 1}, {3, 1}})},
      {3, 1, 0, 0, once({{3, 1}, {2, 1}, {1, 0}, {0, 0}})},
      {0, 0, 1, 3, once({{0, 0}, {0, 1}, {1, 2}, {1, 3}})},
      // points outside are skipped and the line goes on
      {-2, 2, 2, -2, once({{0, 0}})},
      {-3, 4, 3, 4, once({{0, 4}, {1, 4}, {2, 4}, {3, 4}})},
      {7, 9, 7, -5, once({{7, 0}, {7, 1}, {7, 2}, {7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}})},
  };
  for (const auto& c : cases) {
    Buffer b(8, 8);
    video::putLine(b.canvas(), c.x1, c.y1, c.x2, c.y2, HALF_WHITE);
    EXPECT_EQ(b.blends(), c.expect) << c.x1 << "," << c.y1 << " → " << c.x2 << "," << c.y2;
  }
}

TEST(Primitives, LinesInEveryOctantStayOnTheIdealLine) {
  // From the centre of a 41 × 41 buffer to every point of a square ring of radius 17: one
  // pixel per step of the longer axis, 8-connected, from end to end, and every pixel within
  // half a pixel (along the shorter axis) of the ideal line.
  const int c = 20, r = 17;
  std::vector<Point> ends;
  for (int i = -r; i <= r; ++i) {
    ends.push_back({c + i, c - r});
    ends.push_back({c + i, c + r});
    ends.push_back({c - r, c + i});
    ends.push_back({c + r, c + i});
  }
  for (auto [ex, ey] : ends) {
    Buffer b(41, 41);
    video::putLine(b.canvas(), c, c, ex, ey, HALF_WHITE);
    const auto pts = b.blends();
    const int dx = ex - c, dy = ey - c;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    ASSERT_EQ(pts.size(), static_cast<std::size_t>(steps + 1)) << ex << "," << ey;
    EXPECT_TRUE(pts.count({c, c}) && pts.count({ex, ey}));
    std::set<int> majors;
    for (auto [p, n] : pts) {
      EXPECT_EQ(n, 1);
      const bool xMajor = std::abs(dx) >= std::abs(dy);
      const int major = xMajor ? p.first - c : p.second - c;
      const int minor = xMajor ? p.second - c : p.first - c;
      majors.insert(major);
      const double slope = xMajor ? static_cast<double>(dy) / dx : static_cast<double>(dx) / dy;
      const double ideal = major * slope;
      EXPECT_LE(std::abs(minor - ideal), 0.5 + 1e-9) << "to " << ex << "," << ey;
    }
    EXPECT_EQ(majors.size(), pts.size()) << "one pixel per step, to " << ex << "," << ey;
  }
}

TEST(Primitives, CirclesRepeatTheirAxisAndDiagonalPoints) {
  Buffer one(11, 11);
  video::putCircle(one.canvas(), 5, 5, 1, HALF_WHITE);
  EXPECT_EQ(one.blends(),
            (std::map<Point, int>{{{5, 4}, 3}, {{5, 6}, 3}, {{4, 5}, 3}, {{6, 5}, 3}}));

  Buffer five(11, 11);
  video::putCircle(five.canvas(), 5, 5, 5, HALF_WHITE);
  std::map<Point, int> expect;
  for (int sx : {-1, 1})
    for (int sy : {-1, 1}) {
      const int offsets[][3] = {{3, 3, 2}, {4, 2, 2}, {2, 4, 2}, {1, 5, 1}, {5, 1, 1}};
      for (const auto& o : offsets) expect[{5 + sx * o[0], 5 + sy * o[1]}] = o[2];
    }
  for (Point p : {Point{0, 5}, Point{10, 5}, Point{5, 0}, Point{5, 10}}) expect[p] = 1;
  EXPECT_EQ(expect.size(), 24u);
  EXPECT_EQ(five.blends(), expect);

  // Clipped at the buffer's edges: only the visible points.
  Buffer corner(4, 4);
  video::putCircle(corner.canvas(), 0, 0, 2, HALF_WHITE);
  for (auto [p, n] : corner.blends()) EXPECT_LE(p.first * p.first + p.second * p.second, 8);
}

TEST(Primitives, ContextDrawsAtScreenCentreUnlessLocked) {
  video::Context ctx;
  ctx.width = 20;
  ctx.height = 10;
  ctx.pixels.assign(20 * 10 * 4, 0);
  auto px = [&](int x, int y) { return ctx.pixels[(static_cast<std::size_t>(y) * 20 + x) * 4]; };

  ctx.DrawRect(-1, -1, 2, 2, 255, 255, 255, 128, true);  // buffer (9, 4) … (10, 5)
  EXPECT_EQ(px(9, 4), 127);
  EXPECT_EQ(px(10, 5), 127);
  EXPECT_EQ(px(11, 5), 0);
  ctx.DrawCircle(-6, 0, 1, 255, 255, 255, 128);  // around buffer (4, 5)
  EXPECT_EQ(px(4, 4), 223);

  const auto before = ctx.pixels;
  ctx.LockDraw();
  ctx.DrawRect(-10, -5, 20, 10, 255, 255, 255, 255, true);
  ctx.DrawRect(-10, -5, 20, 10, 255, 255, 255, 255, false);
  ctx.DrawCircle(0, 0, 3, 255, 255, 255, 255);
  EXPECT_EQ(ctx.pixels, before);
}

}  // namespace
