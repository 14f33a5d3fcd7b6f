// Zone labels: for every coloured zone of a place, where its label goes on the screen and
// what it says, computed once when the verse loads.
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "core/low.h"
#include "core/video/animage.h"
#include "play/verse/verse_load.h"

namespace verse {
namespace {

void buildPlaceLabels(const Verse& v, Place& place, int screenW, int screenH,
                      const std::string& lang) {
  place.PortalLabels.clear();
  place.ThingLabels.clear();

  // When two portals share a colour, the later one in the place's list wins.
  std::unordered_map<std::string, const Portal*> colour2portal;
  for (const auto& portal : place.Portals) colour2portal[portal.HexColor] = &portal;

  const video::Animage* zones = place.PicZones.get();
  if (!zones || zones->frames.empty()) return;
  const video::Frame& frame = zones->frames.front();
  const int zw = frame.width;
  const int zh = frame.height;
  if (zw <= 0 || zh <= 0) return;
  // The zones picture is fitted to the screen and centred, like the place's cinema.
  const double scale =
      std::min(static_cast<double>(screenW) / zw, static_cast<double>(screenH) / zh);

  // Only the first pixel of each colour in row order counts: the zone's topmost, then
  // leftmost pixel. Colours are compared as 24-bit numbers and named only when first met.
  std::unordered_set<std::uint32_t> seen;
  for (int y = 0; y < zh; ++y) {
    const std::uint8_t* row = frame.pixels.data() + static_cast<std::size_t>(y) * zw * 4;
    for (int x = 0; x < zw; ++x) {
      const std::uint8_t* px = row + static_cast<std::size_t>(x) * 4;
      const std::uint32_t rgb = (std::uint32_t{px[2]} << 16) | (std::uint32_t{px[1]} << 8) | px[0];
      if (rgb == 0 || !seen.insert(rgb).second) continue;
      const std::string colour = core::RGB2Hex(px[2], px[1], px[0]);
      const int sx = static_cast<int>(std::trunc((x - zw / 2) * scale));
      const int sy = static_cast<int>(std::trunc((y - zh / 2) * scale));
      if (auto portal = colour2portal.find(colour); portal != colour2portal.end()) {
        // A colour that names a portal is never looked up among the things.
        auto dest = v.PlaceId2Place.find(portal->second->Destination);
        if (dest != v.PlaceId2Place.end())
          place.PortalLabels.push_back(
              {sx, sy, portal->second->Id, Localised(dest->second->Info.Title, lang)});
        continue;
      }
      auto thingId = place.Info.HexColor2Thing.find(colour);
      if (thingId == place.Info.HexColor2Thing.end()) continue;
      auto thing = v.ThingId2Thing.find(thingId->second);
      if (thing == v.ThingId2Thing.end()) continue;
      place.ThingLabels.push_back(
          {sx, sy, thingId->second, Localised(thing->second->Info.Title, lang)});
    }
  }
}

}  // namespace

core::Result<void> buildZoneLabels(Verse& v, core::Context& ctx) {
  const std::string& lang = ctx.LangId();
  for (auto& circle : v.Places)
    for (auto& place : circle) buildPlaceLabels(v, *place, ctx.VideoW(), ctx.VideoH(), lang);
  return {};
}

}  // namespace verse
