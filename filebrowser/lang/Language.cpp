#include "filebrowser/lang/Language.h"

TLanguage TreeLanguage = lnSysDefault;
TLanguage ListLanguage = lnSysDefault;

namespace {

// Primary language identifiers of the platform.
constexpr std::uint16_t kLangChinese = 0x04;
constexpr std::uint16_t kLangGerman = 0x07;
constexpr std::uint16_t kLangEnglish = 0x09;
constexpr std::uint16_t kLangSpanish = 0x0A;
constexpr std::uint16_t kLangFrench = 0x0C;
constexpr std::uint16_t kLangItalian = 0x10;
constexpr std::uint16_t kLangDutch = 0x13;
constexpr std::uint16_t kLangPolish = 0x15;
constexpr std::uint16_t kLangPortuguese = 0x16;
constexpr std::uint16_t kLangSlovak = 0x1B;

constexpr std::uint16_t kSubLangChineseSimplified = 0x02;

}  // namespace

TLanguage ResolveLanguage(TLanguage value, std::uint16_t langId) noexcept {
  if (value != lnSysDefault) return value;

  const auto primary = static_cast<std::uint16_t>(langId & 0x3FF);
  const auto sub = static_cast<std::uint16_t>((langId >> 10) & 0x3F);
  switch (primary) {
    case kLangChinese:
      // Only the mainland sub-language counts as simplified script.
      return sub == kSubLangChineseSimplified ? lnChinese_Sim : lnChinese_Tra;
    case kLangGerman:
      return lnGerman;
    case kLangEnglish:
      return lnEnglish;
    case kLangSpanish:
      return lnSpanish;
    case kLangFrench:
      return lnFrench;
    case kLangItalian:
      return lnItalian;
    case kLangDutch:
      return lnDutch;
    case kLangPolish:
      return lnPolish;
    case kLangPortuguese:
      return lnPortuguese;
    case kLangSlovak:
      return lnSlovak;
    default:
      return lnEnglish;
  }
}
