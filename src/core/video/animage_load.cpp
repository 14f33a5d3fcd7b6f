#include "core/video/animage_load.h"

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "core/video/picture_header.h"
#include "core/video/png_check.h"
#include "core/video/video.h"

namespace video {
namespace {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

struct FileDescriptor {
  int fd;
  ~FileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// Refuses a picture whose header declares more than the engine can hold; a file that is
// missing or of a kind without a readable header passes (the decoder judges it).
core::Result<void> checkPictureSize(const std::string& fpath) {
  const auto size = readPictureSize(fpath);
  if (!size || (size->width <= ANIMAGE_MAX_SIDE && size->height <= ANIMAGE_MAX_SIDE)) return {};
  return core::Fail("Picture '" + fpath + "' is " + std::to_string(size->width) + " x " +
                    std::to_string(size->height) + " pixels, too large to load (at most " +
                    std::to_string(ANIMAGE_MAX_SIDE) + " pixels a side)");
}

std::string frameName(const std::string& dirpath, int i, const std::string& ext) {
  char num[16];
  std::snprintf(num, sizeof num, "%04d", i);
  return dirpath + "/" + num + ext;
}

// Opens dirpath and checks that it is a directory; the three messages name dirpath.
core::Result<void> checkSequenceDir(const std::string& dirpath) {
  // open() rather than opendir(): a regular file must be reported as "not found", not as
  // unopenable.
  const FileDescriptor dir{::open(dirpath.c_str(), O_RDONLY | O_CLOEXEC)};
  if (dir.fd < 0) return core::Fail("Cannot open dir '" + dirpath + "'!");
  struct stat st;
  if (::fstat(dir.fd, &st) != 0) return core::Fail("Cannot get stats of dir '" + dirpath + "'!");
  if (!S_ISDIR(st.st_mode)) return core::Fail("Dir '" + dirpath + "' not found!");
  return {};
}

// Decodes the picture with the one decoder its first bytes name. Verses are shared between
// players, so a picture file is untrusted: only raster kinds whose size the header reader
// checks are decoded, and never by content sniffing, which would let a file that merely
// contains "<svg" reach the vector renderer at whatever size it declares.
core::Result<SurfacePtr> decodePicture(const std::string& fpath) {
  using Loader = SDL_Surface* (*)(SDL_RWops*);
  Loader load = nullptr;
  switch (readPictureKind(fpath)) {
    case PictureKind::UNREADABLE: {
      SurfacePtr surface(IMG_Load(fpath.c_str()));  // fails, with the loader's own text
      if (!surface) return core::Fail(IMG_GetError());
      return surface;
    }
    case PictureKind::OTHER:
      return core::Fail("Picture '" + fpath +
                        "' is not a PNG, JPEG, WEBP, TIFF, GIF, BMP or QOI file");
    case PictureKind::PNG:
      TRY(checkPngChunks(fpath));
      load = IMG_LoadPNG_RW;
      break;
    case PictureKind::JPEG: load = IMG_LoadJPG_RW; break;
    case PictureKind::WEBP: load = IMG_LoadWEBP_RW; break;
    case PictureKind::TIFF: load = IMG_LoadTIF_RW; break;
    case PictureKind::GIF: load = IMG_LoadGIF_RW; break;
    case PictureKind::BMP: load = IMG_LoadBMP_RW; break;
    case PictureKind::QOI: load = IMG_LoadQOI_RW; break;
  }
  SDL_RWops* rw = SDL_RWFromFile(fpath.c_str(), "rb");
  if (!rw) return core::Fail(SDL_GetError());
  SurfacePtr surface(load(rw));
  SDL_RWclose(rw);
  if (!surface) return core::Fail(IMG_GetError());
  return surface;
}

}  // namespace

void surface32topixels(SDL_Surface* surface, std::uint8_t* pixels) {
  const bool lock = SDL_MUSTLOCK(surface);
  if (lock) SDL_LockSurface(surface);
  const auto rowBytes = static_cast<std::size_t>(surface->w) * 4;
  const auto* src = static_cast<const std::uint8_t*>(surface->pixels);
  for (int row = 0; row < surface->h; ++row)
    std::memcpy(pixels + row * rowBytes, src + static_cast<std::size_t>(row) * surface->pitch,
                rowBytes);
  if (lock) SDL_UnlockSurface(surface);
}

core::Result<Frame> loadFrame(const std::string& fpath) {
  TRY(checkPictureSize(fpath));
  TRY_ASSIGN(SurfacePtr surface, decodePicture(fpath), "");
  // BGRA32 names the byte order blue, green, red, alpha on every machine (it is ARGB8888
  // on a little-endian one).
  SurfacePtr converted(SDL_ConvertSurfaceFormat(surface.get(), SDL_PIXELFORMAT_BGRA32, 0));
  if (!converted) return core::Fail(SDL_GetError());
  if (converted->format->format != SDL_PIXELFORMAT_BGRA32)
    return core::Fail("Cannot convert surface format for '" + fpath + "'!");
  Frame frame{converted->w, converted->h, {}};
  frame.pixels.resize(static_cast<std::size_t>(frame.width) * frame.height * 4);
  surface32topixels(converted.get(), frame.pixels.data());
  return frame;
}

core::Result<std::shared_ptr<Animage>> Context::LoadAnimage(const std::string& apath) {
  auto animg = std::make_shared<Animage>();
  // A picture too large to hold is an error of its own, not a reason to look for a
  // sequence.
  TRY(checkPictureSize(apath));
  if (auto frame = loadFrame(apath)) {
    animg->frames.push_back(std::move(*frame));
  } else {
    const auto dot = apath.rfind('.');
    if (dot == std::string::npos)
      return core::Fail("Cannot load picture '" + apath +
                        "' (and a path without '.' names no sequence): " + frame.error().Message);
    const std::string dirpath = apath.substr(0, dot), ext = apath.substr(dot);
    TRY(checkSequenceDir(dirpath));
    // Numbering starts at 1 and the first frame that does not load ends the sequence; the
    // directory's listing is never read.
    for (int i = 1;; ++i) {
      const std::string fpath = frameName(dirpath, i, ext);
      TRY(checkPictureSize(fpath));
      auto next = loadFrame(fpath);
      if (!next) break;
      // Blended drawing reads the next frame at the current frame's offsets.
      if (!animg->frames.empty() &&
          (next->width != animg->frames[0].width || next->height != animg->frames[0].height))
        return core::Fail("Frame '" + fpath + "' is " + std::to_string(next->width) + " x " +
                          std::to_string(next->height) + " pixels, unlike the " +
                          std::to_string(animg->frames[0].width) + " x " +
                          std::to_string(animg->frames[0].height) + " of the frames before it");
      animg->frames.push_back(std::move(*next));
    }
  }
  animages.push_back(animg);
  return animg;
}

}  // namespace video
