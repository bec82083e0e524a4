#include "toolkit/FontDialog.h"

#include <commdlg.h>

#include "toolkit/Application.h"

TFontDialog::TFontDialog(TComponent* owner) : TComponent(owner) {}

void TFontDialog::ChangeScale(int multiplier, int divisor) {
  if (multiplier != divisor) font_.SetPixelsPerInch(MulDiv(font_.PixelsPerInch, multiplier, divisor));
}

bool TFontDialog::Execute(HWND owner) {
  LOGFONTW lf = font_.ToLogFont();
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = ColorToRGB(font_.Color);
  if (!Application->Modal().ChooseFontDialog(cf)) return false;
  font_ = TFont::FromLogFont(lf, cf.rgbColors, font_.PixelsPerInch);
  return true;
}
