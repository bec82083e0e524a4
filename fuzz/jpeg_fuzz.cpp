// Feeds the JPEG decoder damaged streams: truncated and bit-flipped copies of
// its seeds (small hand-made pictures, and the About picture), mixed with
// libFuzzer's own mutations. A stream may fail only with the decoder's own error;
// anything else is a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "app/JpegDecoder.h"
#include "fuzz/FuzzCheck.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {
// Decoding a huge bogus picture proves nothing but takes long: every decoding path
// is reached with small pictures (the seeds are 16 x 16), and a test decodes the
// About picture whole.
constexpr long long kMaxDecodedPixels = 1 << 14;

void CheckPixels(const TJpegHeader& header, const TJpegPixels& p) {
  Check(p.Width == header.Width && p.Height == header.Height);
  const int bytes = p.Format == TJpegPixelFormat::jf8Bit ? 1 : 3;
  Check(p.Stride % 4 == 0 && p.Stride >= p.Width * bytes);
  Check(p.Bits.size() == static_cast<size_t>(p.Stride) * static_cast<size_t>(p.Height));
  if (p.Format == TJpegPixelFormat::jf8Bit) {
    // The palette fills a bitmap's colour table of 256 entries.
    Check(!p.Palette.empty() && p.Palette.size() <= 256);
    for (int y = 0; y < p.Height; ++y)
      for (int x = 0; x < p.Width; ++x) Check(p.Bits[static_cast<size_t>(y * p.Stride + x)] < p.Palette.size());
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> stream(data, size);
  try {
    const TJpegHeader header = ReadJpegHeader(stream);
    Check(header.Width > 0 && header.Height > 0);
    if (static_cast<long long>(header.Width) * header.Height > kMaxDecodedPixels) return 0;
    CheckPixels(header, DecodeJpeg(stream, TJpegPixelFormat::jf24Bit));
    // The 256-colour form costs up to a thousand times the other, in libjpeg's
    // two-pass quantizer rather than in our code: pictures of at most 64 pixels
    // whose stream is a multiple of 64 bytes long take it too (a seed starts there).
    if (size % 64 == 0 && header.Width * header.Height <= 64)
      CheckPixels(header, DecodeJpeg(stream, TJpegPixelFormat::jf8Bit));
  } catch (const EJPEG& e) {
    Check(e.Code() > 0 && std::string(e.what()) == "JPEG error #" + std::to_string(e.Code()));
  }
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
  std::minstd_rand random(seed);
  switch (random() % 3) {
    case 0:  // cut short
      return size == 0 ? 0 : random() % size;
    case 1: {  // a few bits flipped
      if (size == 0) return 0;
      const unsigned flips = 1 + random() % 8;
      for (unsigned i = 0; i < flips; ++i) data[random() % size] ^= static_cast<uint8_t>(1u << (random() % 8));
      return size;
    }
    default:
      return LLVMFuzzerMutate(data, size, maxSize);
  }
}
