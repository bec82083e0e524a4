#pragma once
// Turns published properties into settings-file text and back. The key is the
// component's name, "_" and the property's; a font is stored as seven keys
// (Charset, Color, Height, Name, Pitch, Size, Style after "Font"). Heights are
// written at 96 dots per inch, so a file reads the same on any screen.
#include <string>
#include <string_view>

#include "app/IniFile.h"
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

class TPropsStorage {
 public:
  explicit TPropsStorage(const TIniFile& file) : file_(file) {}

  // Writes the property; a name the component does not publish writes nothing.
  void StoreProperty(TComponent& component, std::string_view property) const;
  // Reads the property back, its current value being the default. A text that does not
  // convert leaves it as it is; a failure of one font part does not stop the others.
  void LoadProperty(TComponent& component, std::string_view property) const;

  // One font part as text, and a read text applied to it.
  static std::string FontPartText(const TFont& font, int part);
  static void SetFontPart(TFont& font, int part, std::string_view text);
  static constexpr int kFontParts = 7;
  static std::string_view FontPartName(int part);

 private:
  std::string Read(const std::string& key, const std::string& current) const;
  void Write(const std::string& key, const std::string& value) const;

  const TIniFile& file_;
};
