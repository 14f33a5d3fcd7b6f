#include "core/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace audio {

void ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

namespace {

struct RWopsCloser {
  void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};
using RWopsPtr = std::unique_ptr<SDL_RWops, RWopsCloser>;

// Sample memory from SDL's allocator, growing as decoding goes, so that a chunk can take
// it over without a copy.
struct Samples {
  Uint8* data = nullptr;
  size_t len = 0;
  size_t cap = 0;

  Samples() = default;
  Samples(const Samples&) = delete;
  Samples& operator=(const Samples&) = delete;
  ~Samples() { SDL_free(data); }

  bool reserve(size_t want) {
    if (want <= cap) return true;
    void* grown = SDL_realloc(data, want);
    if (!grown) return false;
    data = static_cast<Uint8*>(grown);
    cap = want;
    return true;
  }
};

// vorbisfile reads through SDL's file access, as the mixer's own loaders do.
size_t rwRead(void* ptr, size_t size, size_t count, void* src) {
  return SDL_RWread(static_cast<SDL_RWops*>(src), ptr, size, count);
}
int rwSeek(void* src, ogg_int64_t offset, int whence) {
  return SDL_RWseek(static_cast<SDL_RWops*>(src), offset, whence) < 0 ? -1 : 0;
}
long rwTell(void* src) { return static_cast<long>(SDL_RWtell(static_cast<SDL_RWops*>(src))); }
// No close function: the RWops stays owned by LoadChunk.
constexpr ov_callbacks RW_CALLBACKS = {rwRead, rwSeek, nullptr, rwTell};

std::unexpected<core::Error> decodeError(const std::string& path, long code) {
  const char* text = "Vorbis decoding error";
  switch (code) {
    case OV_EREAD:
      text = "Read error";
      break;
    case OV_ENOTVORBIS:
      text = "Not Vorbis data";
      break;
    case OV_EVERSION:
      text = "Vorbis version mismatch";
      break;
    case OV_EBADHEADER:
      text = "Invalid Vorbis stream header";
      break;
    case OV_EBADLINK:
      text = "Invalid stream section";
      break;
    case OV_EFAULT:
      text = "Internal decoder fault";
      break;
    default:
      break;
  }
  return core::Fail("Cannot decode '" + path + "': " + text);
}

// Takes over `mem` (SDL's allocator, `len` bytes in the mixer's layout) as a chunk's samples.
// The chunk then has the shape the mixer's own loader gives: freeing it frees the samples.
core::Result<ChunkPtr> adoptSamples(Uint8* mem, Uint32 len) {
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(mem, len);
  if (!chunk) {
    SDL_free(mem);
    return core::Fail(Mix_GetError());
  }
  chunk->allocated = 1;
  return ChunkPtr(chunk);
}

// Decodes the whole stream and converts it to the mixer's layout (rate, channels, format).
core::Result<ChunkPtr> loadVorbis(OggVorbis_File& vf, const std::string& path,
                                  const MixerFormat& fmt, std::stop_token stop) {
  const vorbis_info* info = ov_info(&vf, -1);
  const int channels = info->channels;
  const long rate = info->rate;
  auto outOfMemory = [&path] { return core::Fail("Out of memory decoding '" + path + "'"); };

  // Decoded as signed 16-bit little-endian samples; the length is known up front for a
  // file, with room for the last read to find the end.
  constexpr size_t BYTES_PER_SAMPLE = 2;
  constexpr size_t SLACK = 4096;
  const ogg_int64_t frames = ov_pcm_total(&vf, -1);
  Samples pcm;
  if (!pcm.reserve(frames > 0 ? static_cast<size_t>(frames) * channels * BYTES_PER_SAMPLE + SLACK
                              : size_t{1} << 20))
    return outOfMemory();
  for (;;) {
    if (stop.stop_requested()) return core::Fail("Loading '" + path + "' was cancelled");
    if (pcm.len == pcm.cap && !pcm.reserve(pcm.cap * 2)) return outOfMemory();
    const int room = static_cast<int>(std::min<size_t>(pcm.cap - pcm.len, size_t{1} << 20));
    int section = 0;
    const long n =
        ov_read(&vf, reinterpret_cast<char*>(pcm.data + pcm.len), room, 0, 2, 1, &section);
    if (n == 0) break;
    if (n == OV_HOLE) continue;  // a gap in the data: decoding goes on after it
    if (n < 0) return decodeError(path, n);
    const vorbis_info* now = ov_info(&vf, section);
    if (now->channels != channels || now->rate != rate)
      return core::Fail("Cannot decode '" + path + "': its sections differ in sample layout");
    pcm.len += static_cast<size_t>(n);
  }
  if (pcm.len == 0) return ChunkPtr();

  if (fmt.format != AUDIO_S16LSB || fmt.channels != channels || fmt.freq != rate) {
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_S16LSB, static_cast<Uint8>(channels), static_cast<int>(rate),
                          fmt.format, static_cast<Uint8>(fmt.channels), fmt.freq) < 0)
      return core::Fail(SDL_GetError());
    cvt.len = static_cast<int>(pcm.len);
    if (!pcm.reserve(pcm.len * static_cast<size_t>(cvt.len_mult))) return outOfMemory();
    cvt.buf = pcm.data;
    if (SDL_ConvertAudio(&cvt) != 0) return core::Fail(SDL_GetError());
    pcm.len = static_cast<size_t>(cvt.len_cvt);
    if (pcm.len == 0) return ChunkPtr();
  }
  return adoptSamples(std::exchange(pcm.data, nullptr), static_cast<Uint32>(pcm.len));
}

}  // namespace

core::Result<ChunkPtr> LoadChunk(const std::string& path, const MixerFormat& fmt,
                                 std::stop_token stop) {
  RWopsPtr src(SDL_RWFromFile(path.c_str(), "rb"));
  if (!src) return core::Fail(SDL_GetError());

  char magic[4] = {};
  const size_t got = SDL_RWread(src.get(), magic, 1, sizeof magic);
  SDL_RWseek(src.get(), 0, RW_SEEK_SET);
  if (got == sizeof magic && std::memcmp(magic, "OggS", sizeof magic) == 0) {
    OggVorbis_File vf;
    // On failure vorbisfile releases its own state; the source stays open.
    int rc = ov_open_callbacks(src.get(), &vf, nullptr, 0, RW_CALLBACKS);
    if (rc == 0) {
      auto chunk = loadVorbis(vf, path, fmt, stop);
      ov_clear(&vf);
      return chunk;
    }
    if (rc != OV_ENOTVORBIS) return decodeError(path, rc);
    // Another codec in an Ogg container (Opus, FLAC): the mixer's loader knows it.
    SDL_RWseek(src.get(), 0, RW_SEEK_SET);
  }

  // WAVE, AIFF and VOC decode without the mixer's lock; the rarer compressed formats hold it.
  SDL_ClearError();
  Mix_Chunk* chunk = Mix_LoadWAV_RW(src.release(), 1);
  if (!chunk) {
    const char* text = Mix_GetError();
    if (*text != '\0') return core::Fail(text);
    return ChunkPtr();
  }
  return ChunkPtr(chunk);
}

}  // namespace audio
