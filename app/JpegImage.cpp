#include "app/JpegImage.h"

#include "toolkit/Exception.h"
#include "toolkit/Handles.h"

namespace {
struct PaletteTraits {
  using Handle = HPALETTE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};
using UniquePalette = UniqueHandle<PaletteTraits>;

bool PaletteDisplay(HDC dc) { return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) <= 8; }
}  // namespace

void TJPEGImage::LoadFromStream(std::span<const std::uint8_t> stream) {
  const TJpegHeader header = ReadJpegHeader(stream);
  stream_ = std::make_shared<const std::vector<std::uint8_t>>(stream.begin(), stream.end());
  header_ = header;
  pixels_.reset();
  failed_ = false;
}

void TJPEGImage::LoadFromResource(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw Exception("Resource not found");
  LoadFromStream({static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info)});
}

std::span<const std::uint8_t> TJPEGImage::Stream() const {
  if (!stream_) return {};
  return *stream_;
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->stream_ = stream_;
  copy->header_ = header_;
  return copy;
}

void TJPEGImage::Draw(HDC dc, int x, int y) {
  if (!stream_ || failed_) return;
  const TJpegPixelFormat format = PaletteDisplay(dc) ? TJpegPixelFormat::jf8Bit : TJpegPixelFormat::jf24Bit;
  if (!pixels_ || pixels_->Format != format) {
    try {
      pixels_ = DecodeJpeg(*stream_, format);
    } catch (...) {
      // Reported once (a stream libjpeg rejects, or a picture too big for
      // memory); every later paint would only raise it again.
      failed_ = true;
      throw;
    }
  }
  const TJpegPixels& p = *pixels_;
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } bmi{};
  bmi.header.biSize = sizeof bmi.header;
  bmi.header.biWidth = p.Width;
  bmi.header.biHeight = -p.Height;  // top row first
  bmi.header.biPlanes = 1;
  bmi.header.biCompression = BI_RGB;
  UniquePalette palette;
  HPALETTE oldPalette = nullptr;
  if (p.Format == TJpegPixelFormat::jf8Bit) {
    bmi.header.biBitCount = 8;
    bmi.header.biClrUsed = static_cast<DWORD>(p.Palette.size());
    struct {
      WORD version, count;
      PALETTEENTRY entries[256];
    } logical{0x300, static_cast<WORD>(p.Palette.size()), {}};
    for (size_t i = 0; i < p.Palette.size(); ++i) {
      const TPaletteEntry& e = p.Palette[i];
      bmi.colors[i] = {e.Blue, e.Green, e.Red, 0};
      logical.entries[i] = {e.Red, e.Green, e.Blue, 0};
    }
    palette.reset(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&logical)));
    if (palette) {
      oldPalette = SelectPalette(dc, palette.get(), FALSE);
      RealizePalette(dc);
    }
  } else {
    bmi.header.biBitCount = 24;
  }
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(p.Width), static_cast<DWORD>(p.Height), 0, 0, 0,
                    static_cast<UINT>(p.Height), p.Bits.data(), reinterpret_cast<const BITMAPINFO*>(&bmi),
                    DIB_RGB_COLORS);
  if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
}
