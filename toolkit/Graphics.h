#pragma once
// Colours and fonts as the window layout describes them.
#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/FontStyle.h"
#include "toolkit/Handles.h"

// A colour: an RGB value, or a system colour index with the high bit set.
using TColor = std::int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

COLORREF ColorToRGB(TColor color);


// A font value. Height is in pixels of the font's resolution (negative: the
// character height); Size is the same in points.
struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  int Charset = DEFAULT_CHARSET;
  TColor Color = clWindowText;
  TFontPitch Pitch = TFontPitch::fpDefault;
  TFontStyles Style;
  int PixelsPerInch = 96;

  // Points and pixel height convert at PixelsPerInch, the resolution Height is measured at.
  int Size() const;
  void SetSize(int points);
  // The same font measured at another resolution: Height follows, Size stays.
  void SetPixelsPerInch(int dpi);
  bool operator==(const TFont&) const = default;

  LOGFONTW ToLogFont() const;
  static TFont FromLogFont(const LOGFONTW& lf, COLORREF color, int pixelsPerInch);
  UniqueFont CreateHandle() const;
};

int ScreenPixelsPerInch();
