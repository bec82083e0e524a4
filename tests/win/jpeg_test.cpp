// The JPEG decoder and graphic: the About picture decoded, and damaged streams.
#include <gtest/gtest.h>

#include "app/JpegImage.h"

namespace {
std::vector<std::uint8_t> Artwork() {
  TJPEGImage image;
  image.LoadFromResource(L"ABOUTIMAGE");
  return {image.Stream().begin(), image.Stream().end()};
}

int ErrorCode(const std::vector<std::uint8_t>& stream) {
  try {
    DecodeJpeg(stream, TJpegPixelFormat::jf24Bit);
  } catch (const EJPEG& e) {
    EXPECT_EQ(e.what(), "JPEG error #" + std::to_string(e.Code()));
    return e.Code();
  }
  return 0;
}

// Colours the drawing script paints in flat areas of the picture.
struct Sample {
  int x, y;
  TPaletteEntry color;
};
const Sample kSamples[] = {
    {5, 5, {244, 239, 228}},    // paper, top-left
    {240, 120, {244, 239, 228}}, // paper, right
    {24, 248, {35, 57, 91}},    // the strip
    {145, 84, {42, 157, 143}},  // the iris
    {125, 88, {35, 57, 91}},    // the pupil
};

TPaletteEntry PixelAt(const TJpegPixels& p, int x, int y) {
  const std::uint8_t* at = p.Bits.data() + y * p.Stride;
  if (p.Format == TJpegPixelFormat::jf8Bit) return p.Palette[at[x]];
  return {at[3 * x + 2], at[3 * x + 1], at[3 * x]};
}
}  // namespace

TEST(Jpeg, AboutPictureDecodesToTheDrawnColours) {
  const auto stream = Artwork();
  const TJpegHeader header = ReadJpegHeader(stream);
  EXPECT_EQ(header.Width, 250);
  EXPECT_EQ(header.Height, 298);
  EXPECT_EQ(header.Components, 3);
  // Baseline, JFIF 1.02 at 100 x 100 dots per inch.
  EXPECT_EQ(stream[11], 1);
  EXPECT_EQ(stream[12], 2);
  EXPECT_EQ(stream[13], 1);
  EXPECT_EQ(stream[15], 100);
  EXPECT_EQ(stream[17], 100);
  for (auto [format, tolerance] : {std::pair{TJpegPixelFormat::jf24Bit, 10}, {TJpegPixelFormat::jf8Bit, 28}}) {
    const TJpegPixels p = DecodeJpeg(stream, format);
    ASSERT_EQ(p.Width, 250);
    ASSERT_EQ(p.Height, 298);
    EXPECT_LE(p.Palette.size(), format == TJpegPixelFormat::jf8Bit ? 256u : 0u);
    for (const Sample& s : kSamples) {
      const TPaletteEntry c = PixelAt(p, s.x, s.y);
      SCOPED_TRACE(testing::Message() << "at " << s.x << "," << s.y << " bits " << (format == TJpegPixelFormat::jf8Bit ? 8 : 24));
      EXPECT_NEAR(c.Red, s.color.Red, tolerance);
      EXPECT_NEAR(c.Green, s.color.Green, tolerance);
      EXPECT_NEAR(c.Blue, s.color.Blue, tolerance);
    }
  }
}

TEST(Jpeg, DamagedStreamsRaiseLibjpegsMessageNumber) {
  const auto full = Artwork();
  struct Case {
    const char* name;
    std::vector<std::uint8_t> stream;
    int code;  // 0: decodes, with warnings only
  };
  const Case cases[] = {
      {"empty", {}, 42},
      {"cut to 100 bytes", {full.begin(), full.begin() + 100}, 51},
      {"cut in the middle", {full.begin(), full.begin() + full.size() / 2}, 0},
      {"whole", full, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorCode(c.stream), c.code) << c.name;
  EXPECT_THROW(TJPEGImage().LoadFromStream({full.begin(), full.begin() + 100}), EJPEG);
}

TEST(Jpeg, DecodedWhenFirstDrawnAndNotBefore) {
  TJPEGImage image;
  image.LoadFromStream(Artwork());
  auto copy = image.Clone();
  EXPECT_EQ(copy->Width(), 250);
  EXPECT_EQ(static_cast<TJPEGImage&>(*copy).Pixels(), nullptr);
  HDC dc = GetDC(nullptr);
  copy->Draw(dc, 0, 0);
  ReleaseDC(nullptr, dc);
  ASSERT_NE(static_cast<TJPEGImage&>(*copy).Pixels(), nullptr);
  EXPECT_EQ(static_cast<TJPEGImage&>(*copy).Pixels()->Format, TJpegPixelFormat::jf24Bit);
  EXPECT_EQ(image.Pixels(), nullptr);
}
