#include "game/demo_game.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/low.h"

namespace fs = std::filesystem;

namespace demogame {

namespace {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// One picture file in the engine's pixel layout, or null.
Surface loadFrame(const std::string& path) {
  Surface raw(IMG_Load(path.c_str()));
  if (!raw) return nullptr;
  return Surface(SDL_ConvertSurfaceFormat(raw.get(), SDL_PIXELFORMAT_ARGB8888, 0));
}

}  // namespace

std::optional<Picture> LoadPicture(const std::string& path, bool withColours) {
  std::vector<Surface> frames;
  if (auto one = loadFrame(path)) {
    frames.push_back(std::move(one));
  } else {
    auto dot = path.rfind('.');
    if (dot == std::string::npos || !IsDir(path.substr(0, dot))) return std::nullopt;
    for (int i = 1;; ++i) {
      char num[16];
      std::snprintf(num, sizeof num, "/%04d", i);
      auto f = loadFrame(path.substr(0, dot) + num + path.substr(dot));
      if (!f) break;
      frames.push_back(std::move(f));
    }
    if (frames.empty()) return std::nullopt;
  }
  Picture p{frames[0]->w, frames[0]->h, static_cast<int>(frames.size()), {}};
  for (auto& f : frames) {
    if (f->w != p.w || f->h != p.h) return std::nullopt;  // a sequence keeps one size
  }
  if (withColours) {
    const SDL_Surface* s = frames[0].get();
    for (int y = 0; y < s->h; ++y) {
      const auto* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
      for (int x = 0; x < s->w; ++x) {
        const Uint8* px = row + 4 * x;  // blue, green, red, alpha
        p.colours.insert(core::RGB2Hex(px[2], px[1], px[0]));
      }
    }
  }
  return p;
}

std::optional<Video> ProbeVideo(const std::string& path) {
  AVFormatContext* fmt = nullptr;
  if (avformat_open_input(&fmt, path.c_str(), nullptr, nullptr) < 0) return std::nullopt;
  std::optional<Video> v;
  if (avformat_find_stream_info(fmt, nullptr) >= 0) {
    int i = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (i >= 0) {
      const AVStream* st = fmt->streams[i];
      long frames = st->nb_frames;
      if (frames <= 0) {  // containers without a frame count: count the packets
        AVPacket* pkt = av_packet_alloc();
        while (av_read_frame(fmt, pkt) >= 0) {
          if (pkt->stream_index == i) ++frames;
          av_packet_unref(pkt);
        }
        av_packet_free(&pkt);
      }
      v = Video{st->codecpar->width, st->codecpar->height, frames};
    }
  }
  avformat_close_input(&fmt);
  return v;
}

bool IsOgg(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(64, '\0');
  in.read(head.data(), head.size());
  return in.gcount() == 64 && head.compare(0, 4, "OggS") == 0 &&
         head.find("vorbis") != std::string::npos;
}

bool IsFile(const std::string& path) { return fs::is_regular_file(path); }
bool IsDir(const std::string& path) { return fs::is_directory(path); }

std::vector<std::string> List(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string GameDir() { return std::string(ORL_SOURCE_DIR) + "/game"; }

const Place* Verse::FindPlace(const std::string& pid) const {
  for (const auto& circle : circles) {
    for (const auto& p : circle) {
      if (p.id == pid) return &p;
    }
  }
  return nullptr;
}

const Portal* Verse::FindPortal(const std::string& pid) const {
  for (const auto& circle : circles) {
    for (const auto& p : circle) {
      for (const auto& [id, portal] : p.portals) {
        if (id == pid) return &portal;
      }
    }
  }
  return nullptr;
}

namespace {

template <class T>
void decode(const std::string& path, T* dst) {
  auto r = core::DecodeJSON(path, dst);
  EXPECT_TRUE(r) << path << ": " << (r ? "" : r.error().Message);
}

}  // namespace

namespace {

// One entry of a circle directory: a place directory NN + separator + id.
void readPlace(const std::string& cdir, const std::string& name, int c,
               std::vector<Place>* circle) {
  SCOPED_TRACE(cdir + name);
  ASSERT_GE(name.size(), 4u) << "a place directory is NN, a separator and the id";
  ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(name[0])) &&
              std::isdigit(static_cast<unsigned char>(name[1])));
  int number = std::stoi(name.substr(0, 2));
  ASSERT_TRUE(number >= 1 && number <= static_cast<int>(circle->size()))
      << "places of a circle are numbered 1 to N";
  Place& p = (*circle)[number - 1];
  ASSERT_TRUE(p.id.empty()) << "place number " << number << " is used twice";
  p.circle = c;
  p.number = number;
  p.id = name.substr(3);
  p.dir = cdir + name + "/";
  decode(p.dir + "place.json", &p.info);
  if (IsDir(p.dir + "portals")) {
    for (const auto& file : List(p.dir + "portals")) {
      Portal portal;
      decode(p.dir + "portals/" + file, &portal);
      p.portals.emplace_back(file.size() > 5 ? file.substr(0, file.size() - 5) : "", portal);
    }
  }
}

}  // namespace

Verse ReadVerse(const std::string& id) {
  Verse v;
  v.id = id;
  v.dir = GameDir() + "/verses/" + id + "/";
  decode(v.dir + "verse.json", &v.info);
  // Circles: places/0/, places/1/, ... up to the first missing number.
  for (int c = 0; IsDir(v.dir + "places/" + std::to_string(c)); ++c) {
    std::string cdir = v.dir + "places/" + std::to_string(c) + "/";
    auto names = List(cdir);
    std::vector<Place> circle(names.size());
    for (const auto& name : names) readPlace(cdir, name, c, &circle);
    v.circles.push_back(std::move(circle));
  }
  decode(v.dir + "things/things.json", &v.things);
  return v;
}

}  // namespace demogame
