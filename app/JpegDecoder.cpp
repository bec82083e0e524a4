#include "app/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <string>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

EJPEG::EJPEG(int code) : Exception("JPEG error #" + std::to_string(code)), code_(code) {}

namespace {
// libjpeg ends a fatal error by calling error_exit, which must not return; the
// default one calls exit. Ours jumps back to the guard that started the step.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

extern "C" void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// A picture in a window has nowhere to print warnings.
extern "C" void OutputMessage(j_common_ptr) {}

// Owns the decompressor; destroying it frees everything libjpeg allocated.
class Decompressor {
 public:
  explicit Decompressor(std::span<const std::uint8_t> stream) : stream_(stream) {
    info_.err = jpeg_std_error(&errors_.pub);
    errors_.pub.error_exit = ErrorExit;
    errors_.pub.output_message = OutputMessage;
    Guard([](Decompressor& d) { jpeg_create_decompress(&d.info_); });
    created_ = true;
  }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
  ~Decompressor() {
    if (created_) jpeg_destroy_decompress(&info_);
  }

  jpeg_decompress_struct& Info() { return info_; }

  // Runs one step of libjpeg calls. The step may hold no object with a
  // destructor: a fatal error leaves its frames by longjmp.
  void Guard(void (*step)(Decompressor&)) {
    if (Run(step, *this) != 0) throw EJPEG(errors_.pub.msg_code);
  }

  void ReadHeader() {
    Guard([](Decompressor& d) {
      // An empty stream is libjpeg's "input file empty" error as well.
      jpeg_mem_src(&d.info_, d.stream_.data(), static_cast<unsigned long>(d.stream_.size()));
      jpeg_read_header(&d.info_, TRUE);
    });
  }

 private:
  static int Run(void (*step)(Decompressor&), Decompressor& d) {
    if (setjmp(d.errors_.jump) != 0) return 1;
    step(d);
    return 0;
  }

  std::span<const std::uint8_t> stream_;
  ErrorManager errors_{};
  jpeg_decompress_struct info_{};
  bool created_ = false;

 public:
  // Where the scanline step writes: set before it runs.
  std::uint8_t* rows = nullptr;
  int stride = 0;
};

int AlignedStride(int width, int bytesPerPixel) { return (width * bytesPerPixel + 3) & ~3; }
}  // namespace

TJpegHeader ReadJpegHeader(std::span<const std::uint8_t> stream) {
  Decompressor d(stream);
  d.ReadHeader();
  const auto& info = d.Info();
  return {static_cast<int>(info.image_width), static_cast<int>(info.image_height), info.num_components};
}

TJpegPixels DecodeJpeg(std::span<const std::uint8_t> stream, TJpegPixelFormat format) {
  Decompressor d(stream);
  d.ReadHeader();
  auto& info = d.Info();
  info.scale_num = info.scale_denom = 1;
  if (format == TJpegPixelFormat::jf8Bit) {
    info.out_color_space = JCS_RGB;
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = 256;
  } else {
    info.out_color_space = JCS_EXT_BGR;
  }
  d.Guard([](Decompressor& dd) { jpeg_start_decompress(&dd.Info()); });

  TJpegPixels out;
  out.Format = format;
  out.Width = static_cast<int>(info.output_width);
  out.Height = static_cast<int>(info.output_height);
  out.Stride = AlignedStride(out.Width, format == TJpegPixelFormat::jf8Bit ? 1 : 3);
  out.Bits.assign(static_cast<size_t>(out.Stride) * static_cast<size_t>(out.Height), 0);
  if (format == TJpegPixelFormat::jf8Bit) {
    out.Palette.resize(static_cast<size_t>(info.actual_number_of_colors));
    for (size_t i = 0; i < out.Palette.size(); ++i) {
      // A grey picture quantizes to one component.
      const int c = info.out_color_components;
      out.Palette[i] = {info.colormap[0][i], info.colormap[c > 1 ? 1 : 0][i], info.colormap[c > 2 ? 2 : 0][i]};
    }
  }
  d.rows = out.Bits.data();
  d.stride = out.Stride;
  d.Guard([](Decompressor& dd) {
    auto& in = dd.Info();
    while (in.output_scanline < in.output_height) {
      JSAMPROW row = dd.rows + static_cast<size_t>(in.output_scanline) * static_cast<size_t>(dd.stride);
      jpeg_read_scanlines(&in, &row, 1);
    }
    jpeg_finish_decompress(&in);
  });
  return out;
}
