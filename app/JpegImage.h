#pragma once
// The JPEG graphic: its header is read when the stream is loaded, the image is
// decoded when it is first drawn, to 8-bit colour with a palette on a display
// of 256 colours or fewer, otherwise to 24-bit colour.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "app/JpegDecoder.h"
#include "toolkit/Picture.h"

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage() = default;

  // Raises EJPEG when the header cannot be read; the graphic is then unchanged.
  void LoadFromStream(std::span<const std::uint8_t> stream);
  // An RCDATA resource of the program.
  void LoadFromResource(const wchar_t* name);

  int Width() const override { return header_.Width; }
  int Height() const override { return header_.Height; }
  void Draw(HDC dc, int x, int y) override;
  std::unique_ptr<TGraphic> Clone() const override;

  std::span<const std::uint8_t> Stream() const;
  // The decoded image, present once drawn.
  const TJpegPixels* Pixels() const { return pixels_ ? &*pixels_ : nullptr; }

 private:
  std::shared_ptr<const std::vector<std::uint8_t>> stream_;  // never changed once loaded: copies share it
  TJpegHeader header_;
  std::optional<TJpegPixels> pixels_;
  bool failed_ = false;
};
