// Small video files for the cinema tests, made with the ffmpeg command-line tool.
#pragma once

#include <cstdlib>
#include <string>

namespace testsupport {

// Runs ffmpeg with `args` (inputs, codecs) writing `path`; true when it succeeded.
inline bool MakeVideo(const std::string& path, const std::string& args) {
  const std::string cmd =
      "ffmpeg -hide_banner -loglevel error -nostdin -y " + args + " '" + path + "'";
  return std::system(cmd.c_str()) == 0;
}

// A clip of `frames` flat grey pictures at `fps`, picture n of luma 16 + 4n, so that every
// picture can be told from the others after decoding. H.264 with B-frames: the decoder holds
// pictures back until the end of the stream.
inline bool MakeNumberedClip(const std::string& path, int w, int h, int fps, int frames,
                             const std::string& extra = "") {
  return MakeVideo(path, "-f lavfi -i \"nullsrc=s=" + std::to_string(w) + "x" + std::to_string(h) +
                             ":r=" + std::to_string(fps) +
                             ",geq=lum='16+4*N':cb=128:cr=128\" -frames:v " +
                             std::to_string(frames) +
                             " -c:v libx264 -preset veryfast -x264-params bframes=3:b-adapt=0 -qp "
                             "4 -pix_fmt yuv420p " +
                             extra);
}

}  // namespace testsupport
