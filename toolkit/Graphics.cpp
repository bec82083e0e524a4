#include "toolkit/Graphics.h"

#include "toolkit/Utf.h"

COLORREF ColorToRGB(TColor color) {
  if (color & clSystemColor) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}

int TFont::Size() const { return -MulDiv(Height, 72, PixelsPerInch); }

void TFont::SetSize(int points) { Height = -MulDiv(points, PixelsPerInch, 72); }

void TFont::SetPixelsPerInch(int dpi) {
  if (dpi == PixelsPerInch || dpi <= 0 || PixelsPerInch <= 0) return;
  Height = MulDiv(Height, dpi, PixelsPerInch);
  PixelsPerInch = dpi;
}

LOGFONTW TFont::ToLogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = Height;
  lf.lfWeight = Style.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = Style.Italic;
  lf.lfUnderline = Style.Underline;
  lf.lfStrikeOut = Style.StrikeOut;
  lf.lfCharSet = static_cast<BYTE>(Charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = Pitch == TFontPitch::fpFixed      ? FIXED_PITCH
                        : Pitch == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                          : DEFAULT_PITCH;
  const std::wstring face = Widen(Name);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return lf;
}

TFont TFont::FromLogFont(const LOGFONTW& lf, COLORREF color, int pixelsPerInch) {
  TFont f;
  f.Name = Narrow(lf.lfFaceName);
  f.Height = lf.lfHeight;
  f.Charset = lf.lfCharSet;
  f.Color = static_cast<TColor>(color);
  const int pitch = lf.lfPitchAndFamily & 3;
  f.Pitch = pitch == FIXED_PITCH ? TFontPitch::fpFixed : pitch == VARIABLE_PITCH ? TFontPitch::fpVariable
                                                                                 : TFontPitch::fpDefault;
  f.Style.Bold = lf.lfWeight >= FW_BOLD;
  f.Style.Italic = lf.lfItalic != 0;
  f.Style.Underline = lf.lfUnderline != 0;
  f.Style.StrikeOut = lf.lfStrikeOut != 0;
  f.PixelsPerInch = pixelsPerInch;
  return f;
}

UniqueFont TFont::CreateHandle() const {
  const LOGFONTW lf = ToLogFont();
  return UniqueFont(CreateFontIndirectW(&lf));
}

int ScreenPixelsPerInch() {
  HDC dc = GetDC(nullptr);
  const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return ppi;
}
