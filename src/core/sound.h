// A loaded sound and the loading of sound files into the mixer's sample layout.
#pragma once

#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>

#include "core/error.h"

struct Mix_Chunk;

namespace audio {

struct ChunkDeleter {
  void operator()(Mix_Chunk* chunk) const;
};
// A mixer chunk: decoded samples with their own volume. Freeing it halts every channel
// that still plays it.
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// `Sound::channel` when the sound was never started or was stopped by StopSound.
constexpr int SOUND_CHANNEL_NONE = -2;
// `Sound::channel` when the last start failed.
constexpr int SOUND_CHANNEL_FAILED = -1;

struct Sound {
  ChunkPtr chunk;                    // null when not loaded or freed
  int channel = SOUND_CHANNEL_NONE;  // mixer channel the sound was last started on
};

// The sample layout of the open mixer; every chunk is converted to it when loaded.
struct MixerFormat {
  int freq = 0;
  std::uint16_t format = 0;
  int channels = 0;
};

// Loads the whole file at `path` into a chunk of `fmt`'s layout. Ogg Vorbis files are
// decoded here, outside the mixer's audio lock, so that a long load never stalls the sounds
// already playing; other formats go through the mixer's own loader. A file without samples
// gives a null chunk and no error. When `stop` is requested the load ends early with an
// error.
[[nodiscard]] core::Result<ChunkPtr> LoadChunk(const std::string& path, const MixerFormat& fmt,
                                               std::stop_token stop = {});

}  // namespace audio
