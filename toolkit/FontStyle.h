#pragma once
// The parts of a font value that need no window code, so the settings texts
// that describe them can be read and written anywhere.

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

struct TFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const TFontStyles&) const = default;
};
