#pragma once
// Text forms of the values the settings file holds: how a number, a flag, an
// enumeration member or a set is written, and how a read text turns back into one.
// Names are compared without regard to case (ASCII), as the file's keys are.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/FontStyle.h"

// Leading and trailing blanks and control characters removed.
std::string TrimValue(std::string_view text);

// A value that begins and ends with the same quote (" or ') gets one more pair of
// double quotes, which the profile reader removes again.
std::string QuoteValue(std::string_view text);

bool SameName(std::string_view a, std::string_view b);

// Signed decimal, as written.
std::string IntegerText(std::int32_t value);
// Signed decimal, or "$" and up to eight hexadecimal digits taken as 32 bits
// (so "$80000008" is -2147483640); nullopt for any other text, the empty one included.
std::optional<std::int32_t> ParseInteger(std::string_view text);
// The same, giving 0 for text that is not a number.
std::int32_t IntegerValue(std::string_view text);

std::string BooleanText(bool value);
// "True" or "False" in any case; nullopt for anything else.
std::optional<bool> ParseBoolean(std::string_view text);

// An enumeration read as its member's name; nullopt when no name matches.
std::optional<int> ParseMember(std::string_view text, std::span<const std::string_view> names);

// A set as "[" names of the present members, in member order, joined by "," "]".
// Bit i of the mask stands for names[i].
std::string SetText(unsigned mask, std::span<const std::string_view> names);
// Words split at blanks, commas and square brackets; each word naming a member adds it.
unsigned ParseSet(std::string_view text, std::span<const std::string_view> names);

// Words of a text split at any of the separator characters; empty words dropped.
// The words look into the text, which must outlive them.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators);

// The four numbers of a placement key: decimal, joined by "," without blanks.
std::string JoinFour(const std::int32_t (&values)[4]);

// A stored-property entry "Component.Property": split at the first ".", both halves
// trimmed; nullopt without a "." or with an empty half.
std::optional<std::pair<std::string, std::string>> SplitEntry(std::string_view entry);

// A font's pitch as its member name ("fpFixed"), and back; nullopt for no member's name.
std::string PitchText(TFontPitch pitch);
std::optional<TFontPitch> ParsePitch(std::string_view text);

// A font's styles as a set ("[fsBold,fsItalic]"), and back, leniently as ParseSet reads.
std::string StylesText(const TFontStyles& styles);
TFontStyles ParseStyles(std::string_view text);
