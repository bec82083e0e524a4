#include "app/PropsStorage.h"

#include "app/IniText.h"
#include "app/PublishedProps.h"

namespace {
constexpr std::string_view kFontPartNames[] = {"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"};
constexpr int kStoredPixelsPerInch = 96;

enum FontPart { fpCharset, fpColor, fpHeight, fpName, fpPitch, fpSize, fpStyle };

// Values are written as they read back: trimmed, and quoted when the profile reader would strip quotes.
std::string Stored(std::string_view text) { return QuoteValue(TrimValue(text)); }
}  // namespace

std::string_view TPropsStorage::FontPartName(int part) { return kFontPartNames[part]; }

std::string TPropsStorage::FontPartText(const TFont& font, int part) {
  switch (part) {
    case fpCharset: return IntegerText(font.Charset);
    case fpColor: return IntegerText(font.Color);
    case fpHeight: return IntegerText(MulDiv(font.Height, kStoredPixelsPerInch, font.PixelsPerInch));
    case fpName: return font.Name;
    case fpPitch: return PitchText(font.Pitch);
    case fpSize: return IntegerText(font.Size());
    default: return StylesText(font.Style);
  }
}

void TPropsStorage::SetFontPart(TFont& font, int part, std::string_view text) {
  switch (part) {
    case fpCharset: font.Charset = IntegerValue(text) & 0xFF; break;
    case fpColor: font.Color = IntegerValue(text); break;
    case fpHeight: font.Height = MulDiv(IntegerValue(text), font.PixelsPerInch, kStoredPixelsPerInch); break;
    case fpName: font.Name = std::string(text); break;
    case fpPitch:
      // A name that is no member leaves the pitch as it is.
      if (const std::optional<TFontPitch> pitch = ParsePitch(text)) font.Pitch = *pitch;
      break;
    case fpSize: font.SetSize(IntegerValue(text)); break;
    default: font.Style = ParseStyles(text); break;
  }
}

std::string TPropsStorage::Read(const std::string& key, const std::string& current) const {
  return TrimValue(file_.ReadString(key, current));
}

void TPropsStorage::Write(const std::string& key, const std::string& value) const {
  file_.WriteString(key, Stored(value));
}

void TPropsStorage::StoreProperty(TComponent& component, std::string_view property) const {
  const TPublishedProperty found = FindProperty(component, property);
  const std::string key = component.Name() + "_" + std::string(found.Name);
  if (const auto* p = std::get_if<TPropertyAccess<int>>(&found.Access)) Write(key, IntegerText(p->Get()));
  else if (const auto* b = std::get_if<TPropertyAccess<bool>>(&found.Access)) Write(key, BooleanText(b->Get()));
  else if (const auto* s = std::get_if<TPropertyAccess<std::string>>(&found.Access)) Write(key, s->Get());
  else if (const auto* f = std::get_if<TPropertyAccess<TFont>>(&found.Access)) {
    const TFont font = f->Get();
    for (int part = 0; part < kFontParts; ++part)
      Write(key + std::string(FontPartName(part)), FontPartText(font, part));
  }
}

void TPropsStorage::LoadProperty(TComponent& component, std::string_view property) const {
  const TPublishedProperty found = FindProperty(component, property);
  const std::string key = component.Name() + "_" + std::string(found.Name);
  if (const auto* p = std::get_if<TPropertyAccess<int>>(&found.Access)) {
    p->Set(IntegerValue(Read(key, IntegerText(p->Get()))));
  } else if (const auto* b = std::get_if<TPropertyAccess<bool>>(&found.Access)) {
    if (const std::optional<bool> value = ParseBoolean(Read(key, BooleanText(b->Get())))) b->Set(*value);
  } else if (const auto* s = std::get_if<TPropertyAccess<std::string>>(&found.Access)) {
    s->Set(Read(key, s->Get()));
  } else if (const auto* f = std::get_if<TPropertyAccess<TFont>>(&found.Access)) {
    // Part by part, each defaulting to the font as the parts before left it; Size after
    // Height, so the stored point size decides.
    TFont font = f->Get();
    for (int part = 0; part < kFontParts; ++part) {
      try {
        const std::string partKey = key + std::string(FontPartName(part));
        SetFontPart(font, part, Read(partKey, FontPartText(font, part)));
      } catch (const std::exception&) {
        // This part keeps its value; the next one follows.
      }
    }
    f->Set(font);
  }
}
