// Writes small verse directories for tests: a valid verse "v" by default, which each test
// then changes or breaks file by file.
#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace testsupport {

// Writes a w × h PNG whose pixels are 0xRRGGBB values (opaque), row by row.
inline void WritePng(const std::filesystem::path& path, int w, int h,
                     const std::vector<std::uint32_t>& rgb = {}) {
  std::filesystem::create_directories(path.parent_path());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * w + x;
      std::uint32_t v = i < rgb.size() ? rgb[i] : 0;
      static_cast<std::uint32_t*>(s->pixels)[y * (s->pitch / 4) + x] = 0xff000000u | v;
    }
  IMG_SavePNG(s, path.string().c_str());
  SDL_FreeSurface(s);
}

class VerseFixture {
 public:
  // A verse `id` under dir/verses/ with its description, picture, hidden picture, empty
  // things and the two portal sound directories; no circles yet.
  VerseFixture(const TempDir& dir, std::string id = "v") : dir_(dir), id_(std::move(id)) {
    File("verse.json",
         R"({"Title":{"eng":"Test verse"},"Format":"orlevanth1","Languages":["eng"]})");
    Png("picture.png");
    Png("places/hidden.png");
    File("things/things.json", "[]");
    Mkdir("sounds/portals/loop");
    Mkdir("sounds/portals/open");
  }

  std::string Root() const { return "verses/" + id_ + "/"; }

  // A place directory `name` (as "01_hall") in circle c with its three pictures.
  void Place(int c, const std::string& name, const std::string& json = "") {
    const std::string d = placeDir(c, name);
    File(d + "place.json",
         json.empty() ? R"({"Title":{"eng":")" + name.substr(std::min<std::size_t>(3, name.size())) +
                            R"("}})"
                      : json);
    Png(d + "here.png");
    Png(d + "there.png");
    Png(d + "zones.png");
  }

  void Portal(int c, const std::string& place, const std::string& file, const std::string& json) {
    File(placeDir(c, place) + "portals/" + file, json);
  }

  static std::string PortalTo(const std::string& dest, const std::string& colour = "ff0000") {
    return R"({"Destination":")" + dest + R"(","HexColor":")" + colour +
           R"(","RectCenter":[2,2],"RectWidth":2,"Phrases":[]})";
  }

  void File(const std::string& rel, const std::string& bytes) const {
    dir_.Write("verses/" + id_ + "/" + rel, bytes);
  }
  void Png(const std::string& rel, int w = 4, int h = 4,
           const std::vector<std::uint32_t>& rgb = {}) const {
    WritePng(dir_.Path() / ("verses/" + id_ + "/" + rel), w, h, rgb);
  }
  void Mkdir(const std::string& rel) const {
    std::filesystem::create_directories(dir_.Path() / ("verses/" + id_ + "/" + rel));
  }
  void Remove(const std::string& rel) const {
    std::filesystem::remove_all(dir_.Path() / ("verses/" + id_ + "/" + rel));
  }

  static std::string placeDir(int c, const std::string& name) {
    return "places/" + std::to_string(c) + "/" + name + "/";
  }

 private:
  const TempDir& dir_;
  std::string id_;
};

}  // namespace testsupport
