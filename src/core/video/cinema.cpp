#include "core/video/cinema.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <utility>

#include "core/video/frame_blocks.h"

namespace video {
namespace {

// Frame records reserved up front at most; beyond it the list grows as pictures come.
constexpr std::size_t CINEMA_RESERVE_FRAMES = 1 << 16;

std::string avError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

std::string megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1 << 20));
  return text;
}

struct InputCloser {
  void operator()(AVFormatContext* p) const { avformat_close_input(&p); }
};
struct CodecFreer {
  void operator()(AVCodecContext* p) const { avcodec_free_context(&p); }
};
struct PacketFreer {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFreer {
  void operator()(AVFrame* p) const { av_frame_free(&p); }
};
struct ScalerFreer {
  void operator()(SwsContext* p) const { sws_freeContext(p); }
};

// Ends a blocking read or probe of the input once the load is to stop.
int interrupted(void* opaque) {
  return static_cast<const std::stop_token*>(opaque)->stop_requested();
}

// Cycles per second: the average frame rate over the frame count. A stream without an
// average rate falls back on its base rate, and without either the cinema stands still
// (a 0/0 rate would make the frame position undefined).
double cycleRate(const AVStream* st) {
  AVRational fps = st->avg_frame_rate;
  if (fps.num <= 0 || fps.den <= 0) fps = st->r_frame_rate;
  if (fps.num <= 0 || fps.den <= 0) return 0;
  const std::int64_t count = st->nb_frames > 0 ? st->nb_frames : 1;
  return av_q2d(fps) / static_cast<double>(count);
}

// One load: the FFmpeg objects, released on every way out, and the frames made so far.
class Loader {
 public:
  Loader(Animage& animg, const std::string& fpath, std::stop_token stop)
      : animg_(animg), fpath_(fpath), stop_(std::move(stop)) {}

  core::Result<void> Run(std::uint64_t budgetBytes) {
    TRY(open());
    TRY(openDecoder());
    const AVStream* st = input_->streams[stream_];
    const std::int64_t announced = st->nb_frames;
    TRY(checkSize(budgetBytes, announced));
    blocks_ = std::make_unique<FrameBlocks>(frameBytes_, maxFrames_, announced);
    if (announced > 0)
      animg_.frames.reserve(
          std::min({static_cast<std::size_t>(announced), maxFrames_, CINEMA_RESERVE_FRAMES}));
    animg_.rate = cycleRate(st);
    TRY(decodeAll());
    if (animg_.frames.empty()) return core::Fail("No pictures in '" + fpath_ + "'!");
    blocks_->Trim();
    return {};
  }

 private:
  core::Result<void> cancelled() const {
    return core::Fail("Loading '" + fpath_ + "' was cancelled");
  }

  core::Result<void> open() {
    AVFormatContext* fmt = avformat_alloc_context();
    if (!fmt) return core::Fail("Error creating context: " + avError(AVERROR(ENOMEM)));
    fmt->interrupt_callback.callback = interrupted;
    fmt->interrupt_callback.opaque = &stop_;
    // On failure the library frees the context itself.
    int rc = avformat_open_input(&fmt, fpath_.c_str(), nullptr, nullptr);
    if (rc < 0)
      return stop_.stop_requested() ? cancelled()
                                    : core::Fail("Error creating context: " + avError(rc));
    input_.reset(fmt);
    rc = avformat_find_stream_info(fmt, nullptr);
    if (rc < 0)
      return stop_.stop_requested() ? cancelled()
                                    : core::Fail("Error creating context: " + avError(rc));
    stream_ = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (stream_ < 0) return core::Fail("No video stream found in '" + fpath_ + "'!");
    if (static_cast<unsigned>(stream_) >= fmt->nb_streams)
      return core::Fail("Error getting stream: " + avError(AVERROR_STREAM_NOT_FOUND));
    return {};
  }

  core::Result<void> openDecoder() {
    const AVCodecParameters* par = input_->streams[stream_]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    if (!codec) return core::Fail("No decoder for the video stream of '" + fpath_ + "'!");
    decoder_.reset(avcodec_alloc_context3(codec));
    if (!decoder_)
      return core::Fail("Cannot open the decoder of '" + fpath_ + "': " + avError(AVERROR(ENOMEM)));
    int rc = avcodec_parameters_to_context(decoder_.get(), par);
    if (rc < 0) return core::Fail("Cannot open the decoder of '" + fpath_ + "': " + avError(rc));
    // The decoder's own threads, one more than there are processors: the load keeps every
    // processor busy while this thread converts the pictures.
    decoder_->thread_count = 0;
    decoder_->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    rc = avcodec_open2(decoder_.get(), codec, nullptr);
    if (rc < 0) return core::Fail("Cannot open the decoder of '" + fpath_ + "': " + avError(rc));
    width_ = decoder_->width;
    height_ = decoder_->height;
    return {};
  }

  // Refuses absurd picture sizes and videos that announce more frames than the budget holds,
  // before anything is allocated. A frame costs its pixels and its record.
  core::Result<void> checkSize(std::uint64_t budgetBytes, std::int64_t announced) {
    const int rc = av_image_check_size(static_cast<unsigned>(width_),
                                       static_cast<unsigned>(height_), 0, nullptr);
    if (rc < 0 || width_ <= 0 || height_ <= 0)
      return core::Fail("Invalid picture size " + std::to_string(width_) + " x " +
                        std::to_string(height_) + " in '" + fpath_ + "'!");
    frameBytes_ = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4;
    budgetBytes_ = budgetBytes;
    maxFrames_ = static_cast<std::size_t>(budgetBytes / (frameBytes_ + sizeof(Frame)));
    if (announced > 0 && static_cast<std::uint64_t>(announced) > maxFrames_)
      return tooLarge(static_cast<std::uint64_t>(announced));
    return {};
  }

  core::Result<void> tooLarge(std::uint64_t frames) const {
    const std::uint64_t need = frames * (frameBytes_ + sizeof(Frame));
    return core::Fail("Cinema '" + fpath_ + "' is too large: " + std::to_string(frames) +
                      " pictures of " + std::to_string(width_) + " x " + std::to_string(height_) +
                      " need " + megabytes(need) + ", more than the " + megabytes(budgetBytes_) +
                      " a cinema may use");
  }

  core::Result<void> decodeAll() {
    std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    picture_.reset(av_frame_alloc());
    if (!packet || !picture_)
      return core::Fail("Fatal error during decoding: " + avError(AVERROR(ENOMEM)));
    for (;;) {
      if (stop_.stop_requested()) return cancelled();
      const int rc = av_read_frame(input_.get(), packet.get());
      if (rc == AVERROR_EOF) break;
      if (rc < 0)
        return stop_.stop_requested() ? cancelled()
                                      : core::Fail("Error getting next packet: " + avError(rc));
      if (packet->stream_index == stream_) {
        auto sent = send(packet.get());
        av_packet_unref(packet.get());
        TRY(sent);
      } else {
        av_packet_unref(packet.get());
      }
    }
    // The end of the file: the pictures the decoder still holds back.
    return send(nullptr);
  }

  // Sends one packet (none: the end of the stream) and takes every picture that is ready.
  core::Result<void> send(const AVPacket* packet) {
    for (;;) {
      const int rc = avcodec_send_packet(decoder_.get(), packet);
      if (rc == AVERROR(EAGAIN)) {
        // The decoder's output is full: take pictures, then send again.
        TRY(receive());
        continue;
      }
      if (rc < 0 && !(rc == AVERROR_EOF && !packet))
        return core::Fail("Fatal error during decoding: " + avError(rc));
      return receive();
    }
  }

  core::Result<void> receive() {
    for (;;) {
      const int rc = avcodec_receive_frame(decoder_.get(), picture_.get());
      if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return {};
      if (rc < 0) return core::Fail("Fatal error during decoding: " + avError(rc));
      auto kept = keep(*picture_);
      av_frame_unref(picture_.get());
      TRY(kept);
      if (stop_.stop_requested()) return cancelled();
    }
  }

  // Converts one picture straight into the next frame's bytes.
  core::Result<void> keep(const AVFrame& pic) {
    // The scaler follows the picture's own size and format; a stream that changes size on
    // the way is brought to its first size, since all frames of an animage are equal.
    scaler_.reset(sws_getCachedContext(scaler_.release(), pic.width, pic.height,
                                       static_cast<AVPixelFormat>(pic.format), width_, height_,
                                       AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!scaler_) return core::Fail("Cannot convert pixel format of '" + fpath_ + "'!");
    // Stops as soon as the frames would exceed the budget.
    if (animg_.frames.size() >= maxFrames_) return tooLarge(animg_.frames.size() + 1);
    auto pixels = blocks_->Next();
    if (!pixels)
      return core::Fail("Cannot keep the pictures of '" + fpath_ + "': ", pixels.error());
    std::uint8_t* dst[4] = {pixels->data(), nullptr, nullptr, nullptr};
    const int dstStride[4] = {width_ * 4, 0, 0, 0};
    const int rows =
        sws_scale(scaler_.get(), pic.data, pic.linesize, 0, pic.height, dst, dstStride);
    if (rows < 0) return core::Fail("Error rescaling: " + avError(rows));
    if (rows != height_) return core::Fail("Error rescaling: " + avError(AVERROR_UNKNOWN));
    animg_.frames.push_back(Frame{width_, height_, std::move(*pixels)});
    return {};
  }

  Animage& animg_;
  const std::string& fpath_;
  std::stop_token stop_;
  std::unique_ptr<AVFormatContext, InputCloser> input_;
  std::unique_ptr<AVCodecContext, CodecFreer> decoder_;
  std::unique_ptr<AVFrame, FrameFreer> picture_;
  std::unique_ptr<SwsContext, ScalerFreer> scaler_;
  std::unique_ptr<FrameBlocks> blocks_;
  int stream_ = -1;
  int width_ = 0;
  int height_ = 0;
  std::size_t frameBytes_ = 0;
  std::size_t maxFrames_ = 0;  // frames the budget holds
  std::uint64_t budgetBytes_ = 0;
};

}  // namespace

core::Result<void> loadFromVideo(Animage& animg, const std::string& fpath,
                                 std::uint64_t budgetBytes, std::stop_token stop) {
  // The engine prints nothing of its own accord: the library's warnings about damaged
  // files would otherwise go to the standard error stream.
  static std::once_flag quiet;
  std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
  animg.reset();
  Loader loader(animg, fpath, std::move(stop));
  return loader.Run(budgetBytes);
}

}  // namespace video
