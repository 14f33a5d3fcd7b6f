// Small sound files made on the spot: a PCM WAVE file written by hand and an Ogg Vorbis file
// encoded with libvorbisenc, both holding a sine tone.
#pragma once

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace testsupport {

inline double toneSample(long frame, int rate) {
  return 0.5 * std::sin(2 * std::numbers::pi * 440.0 * static_cast<double>(frame) / rate);
}

// A 16-bit PCM WAVE file of `frames` sample frames.
inline std::string WavBytes(int rate, int channels, long frames) {
  auto le = [](std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  };
  const auto dataLen = static_cast<std::uint32_t>(frames * channels * 2);
  std::string out = "RIFF";
  le(out, 36 + dataLen, 4);
  out += "WAVEfmt ";
  le(out, 16, 4);
  le(out, 1, 2);  // PCM
  le(out, static_cast<std::uint32_t>(channels), 2);
  le(out, static_cast<std::uint32_t>(rate), 4);
  le(out, static_cast<std::uint32_t>(rate * channels * 2), 4);
  le(out, static_cast<std::uint32_t>(channels * 2), 2);
  le(out, 16, 2);
  out += "data";
  le(out, dataLen, 4);
  for (long f = 0; f < frames; ++f) {
    auto s = static_cast<std::int16_t>(toneSample(f, rate) * 32767);
    for (int c = 0; c < channels; ++c) le(out, static_cast<std::uint16_t>(s), 2);
  }
  return out;
}

// An Ogg Vorbis file of `frames` sample frames (0 gives a valid stream without samples).
inline std::string OggBytes(int rate, int channels, long frames) {
  std::string out;
  vorbis_info vi;
  vorbis_info_init(&vi);
  vorbis_encode_init_vbr(&vi, channels, rate, 0.0f);
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1);
  ogg_page og;
  ogg_packet op;

  auto page = [&out](const ogg_page& pg) {
    out.append(reinterpret_cast<const char*>(pg.header), static_cast<std::size_t>(pg.header_len));
    out.append(reinterpret_cast<const char*>(pg.body), static_cast<std::size_t>(pg.body_len));
  };
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  while (ogg_stream_flush(&os, &og) != 0) page(og);

  auto drain = [&] {
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &op) != 0) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og) != 0) page(og);
      }
    }
  };
  constexpr long BLOCK = 4096;
  for (long done = 0; done < frames; done += BLOCK) {
    const long n = std::min(BLOCK, frames - done);
    float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
    for (long i = 0; i < n; ++i)
      for (int c = 0; c < channels; ++c) buf[c][i] = static_cast<float>(toneSample(done + i, rate));
    vorbis_analysis_wrote(&vd, static_cast<int>(n));
    drain();
  }
  vorbis_analysis_wrote(&vd, 0);
  drain();
  while (ogg_stream_flush(&os, &og) != 0) page(og);

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace testsupport
