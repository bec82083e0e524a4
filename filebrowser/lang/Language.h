#pragma once

#include <cstddef>
#include <cstdint>

// The interface languages of the file-browser controls, one byte each; the
// values are fixed (0 is lnSysDefault, then the languages in this order).
enum TLanguage : std::uint8_t {
  lnSysDefault,
  lnEnglish,
  lnChinese_Tra,
  lnChinese_Sim,
  lnDutch,
  lnFrench,
  lnGerman,
  lnItalian,
  lnPolish,
  lnPortuguese,
  lnSlovak,
  lnSpanish,
};

// Number of TLanguage members, lnSysDefault included.
inline constexpr std::size_t kLanguageCount = static_cast<std::size_t>(lnSpanish) + 1;

// True for the eleven concrete languages (not lnSysDefault, nor a value outside the enum).
constexpr bool IsConcreteLanguage(TLanguage lang) noexcept { return lang >= lnEnglish && lang <= lnSpanish; }

// Replaces lnSysDefault by the language that the platform language identifier
// `langId` names (primary language in bits 0-9, sub-language in bits 10-15);
// unknown languages become English. Any other value is returned unchanged.
TLanguage ResolveLanguage(TLanguage value, std::uint16_t langId) noexcept;

// Language of the tree side (combo and stand-alone tree): their shared
// messages and the stand-alone tree's menu.
extern TLanguage TreeLanguage;
// Language of the file lists: their shared messages, their menu and the
// drive type names of the drives view.
extern TLanguage ListLanguage;
