#pragma once
// The file list's rules for masks, attributes and the texts of its entries.
#include <cstdint>
#include <string>
#include <string_view>

#include "filebrowser/filelist/FileListTypes.h"
#include "toolkit/FormatSettings.h"

// The platform's file attribute bits.
inline constexpr std::uint32_t kAttrReadOnly = 1;
inline constexpr std::uint32_t kAttrHidden = 2;
inline constexpr std::uint32_t kAttrSystem = 4;
inline constexpr std::uint32_t kAttrDirectory = 16;
inline constexpr std::uint32_t kAttrArchive = 32;
inline constexpr std::uint32_t kAttrNormal = 128;

// The text before the first ";" (or the whole mask); that text and its ";" leave the mask.
// The part is not trimmed, so a blank after ";" belongs to the next pattern.
std::string NextMaskPart(std::string& mask);
// The mask without blanks (code 32 only) at either end; "*.*" when nothing is left.
std::string TrimMaskBlanks(std::string_view mask);

// "A", "R", "H", "S" for archive, read-only, hidden and system, in that order.
std::string AttributeLetters(std::uint32_t attrs);
// A match is admitted when its directory bit equals the allowance's and the allowance has
// each of its read-only, hidden and system bits. Archive and normal are not tested.
bool AdmitAttributes(std::uint32_t attrs, std::uint32_t allowance);
// The attribute bits of the members of the set, ORed.
std::uint32_t AttributeAllowance(TFileType type);

// Sub-item 0 of a folder-view entry: kilobytes (as SizeToKBText) or plain bytes, " " for folders.
std::string EntrySizeText(TFileSize unit, std::string_view kind, std::int64_t size);
// The caption of a file or folder: the name, or without the text from its last "." when
// `hideFileExt` is set.
std::string CaptionFor(std::string_view name, bool hideFileExt);

// The date pattern of a format; df_Customize takes the locale's short date pattern.
std::string DatePatternFor(TDtFormat format, std::string_view localeShortDate);
// The time pattern of a format: the toolkit's long or short time pattern, or for
// tfCustomize the locale's time pattern without its marker, followed by " AM/PM".
std::string TimePatternFor(TTmFormat format, const TFormatSettings& settings,
                           std::string_view localeTimeFormat);

// Sub-items 1 and 2 of a drive: whole thousands of kilobytes, grouped, then " Mb";
// "0 Mb" for anything below 1000 KB.
std::string DriveSizeText(std::int64_t kb, std::string_view thousandSep);
