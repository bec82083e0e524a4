#pragma once
// JPEG streams decoded with libjpeg: the header alone when a picture is
// loaded, the whole image when it is first drawn. No window code.
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/Exception.h"

// A stream libjpeg cannot decode: "JPEG error #<libjpeg's message number>".
class EJPEG : public Exception {
 public:
  explicit EJPEG(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

struct TJpegHeader {
  int Width = 0;
  int Height = 0;
  int Components = 0;
};

enum class TJpegPixelFormat { jf24Bit, jf8Bit };

struct TPaletteEntry {
  std::uint8_t Red = 0, Green = 0, Blue = 0;
};

// Decoded rows, top row first, each Stride bytes (a multiple of 4, as device
// independent bitmaps want them): blue-green-red triples in 24-bit colour,
// indexes into Palette in 8-bit colour.
struct TJpegPixels {
  int Width = 0;
  int Height = 0;
  int Stride = 0;
  TJpegPixelFormat Format = TJpegPixelFormat::jf24Bit;
  std::vector<std::uint8_t> Bits;
  std::vector<TPaletteEntry> Palette;
};

// Both raise EJPEG when libjpeg gives up on the stream; warnings are ignored.
TJpegHeader ReadJpegHeader(std::span<const std::uint8_t> stream);
TJpegPixels DecodeJpeg(std::span<const std::uint8_t> stream, TJpegPixelFormat format);
