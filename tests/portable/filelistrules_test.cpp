#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/folders/DirTreeRules.h"
#include "toolkit/FormatSettings.h"

namespace {

// The parts a listing searches for a mask, in order.
std::vector<std::string> MaskParts(std::string_view mask) {
  std::string rest = TrimMaskBlanks(mask);
  std::vector<std::string> parts;
  while (!rest.empty()) parts.push_back(NextMaskPart(rest));
  return parts;
}

using Parts = std::vector<std::string>;

TEST(Mask, NextPartTakesTheTextBeforeTheFirstSemicolon) {
  std::string mask = "*.txt;*.ini";
  EXPECT_EQ(NextMaskPart(mask), "*.txt");
  EXPECT_EQ(mask, "*.ini");
  EXPECT_EQ(NextMaskPart(mask), "*.ini");
  EXPECT_EQ(mask, "");
}

TEST(Mask, BlanksAtTheEndsGoBlanksAfterASemicolonStay) {
  EXPECT_EQ(MaskParts("  *.txt;*.ini  "), (Parts{"*.txt", "*.ini"}));
  EXPECT_EQ(MaskParts("*.txt; *.ini"), (Parts{"*.txt", " *.ini"}));
  EXPECT_EQ(MaskParts("*.txt ;*.ini"), (Parts{"*.txt ", "*.ini"}));
  // Only code 32 is trimmed.
  EXPECT_EQ(MaskParts("\t*.txt"), (Parts{"\t*.txt"}));
}

TEST(Mask, EmptyPartsAndEmptyMasks) {
  EXPECT_EQ(MaskParts("*.txt;;*.ini"), (Parts{"*.txt", "", "*.ini"}));
  EXPECT_EQ(MaskParts("*.txt;"), (Parts{"*.txt"}));
  EXPECT_EQ(MaskParts(";*.txt"), (Parts{"", "*.txt"}));
  EXPECT_EQ(MaskParts(""), (Parts{"*.*"}));
  EXPECT_EQ(MaskParts("    "), (Parts{"*.*"}));
}

TEST(Mask, ScrivletsMaskIsSearchedPatternByPattern) {
  const Parts parts = MaskParts(
      "*.txt;*.ini;*.sys;*.bat;*.inf;*.htm;*.html;*.xml;*.css;*.js;*.pas;*.dpr;*.dpk;*.inc;*.rc;"
      "*.bpr;*.bpk;*.hpp;*.cpp;*.h;*.c;*.ffp;*.nfo;*.diz;*.upl;*.log;*.csv;*.1st;*.lst");
  ASSERT_EQ(parts.size(), 29u);
  EXPECT_EQ(parts.front(), "*.txt");
  EXPECT_EQ(parts[6], "*.html");
  EXPECT_EQ(parts.back(), "*.lst");
}

TEST(Attributes, LettersInTheOrderARHS) {
  EXPECT_EQ(AttributeLetters(0), "");
  EXPECT_EQ(AttributeLetters(kAttrNormal), "");
  EXPECT_EQ(AttributeLetters(kAttrDirectory), "");
  EXPECT_EQ(AttributeLetters(kAttrArchive | kAttrReadOnly), "AR");
  EXPECT_EQ(AttributeLetters(kAttrSystem | kAttrHidden | kAttrReadOnly | kAttrArchive), "ARHS");
  EXPECT_EQ(AttributeLetters(kAttrSystem | kAttrDirectory), "S");
}

TEST(Attributes, AllowanceOfTheSet) {
  EXPECT_EQ(AttributeAllowance(TFileType{}), 0u);
  EXPECT_EQ(AttributeAllowance({ftReadOnly, ftHidden, ftSystem, ftArchive}), 1u | 2u | 4u | 32u);
  EXPECT_EQ(AttributeAllowance({ftReadOnly, ftArchive, ftNormal}), 1u | 32u | 128u);
}

TEST(Attributes, AdmissionNeedsEveryTestedBitAllowed) {
  const std::uint32_t scrivlet = AttributeAllowance({ftReadOnly, ftArchive, ftNormal});
  EXPECT_TRUE(AdmitAttributes(kAttrArchive, scrivlet));
  EXPECT_TRUE(AdmitAttributes(kAttrNormal, scrivlet));
  EXPECT_TRUE(AdmitAttributes(kAttrReadOnly | kAttrArchive, scrivlet));
  EXPECT_FALSE(AdmitAttributes(kAttrHidden | kAttrArchive, scrivlet));
  EXPECT_FALSE(AdmitAttributes(kAttrSystem, scrivlet));

  // Read-only and system together need both in the set.
  const std::uint32_t both = kAttrReadOnly | kAttrSystem;
  EXPECT_FALSE(AdmitAttributes(both, AttributeAllowance({ftReadOnly})));
  EXPECT_FALSE(AdmitAttributes(both, AttributeAllowance({ftSystem})));
  EXPECT_TRUE(AdmitAttributes(both, AttributeAllowance({ftReadOnly, ftSystem})));

  // Archive and normal are not tested: an empty set still admits plain files.
  EXPECT_TRUE(AdmitAttributes(kAttrArchive | kAttrNormal, 0));
}

TEST(Attributes, FolderPassesAdmitOnlyFoldersAndFilePassesOnlyFiles) {
  const std::uint32_t files = AttributeAllowance({ftReadOnly, ftHidden, ftSystem, ftArchive});
  const std::uint32_t folders = files + kAttrDirectory;
  EXPECT_TRUE(AdmitAttributes(kAttrDirectory, folders));
  EXPECT_FALSE(AdmitAttributes(kAttrArchive, folders));
  EXPECT_FALSE(AdmitAttributes(kAttrDirectory, files));
  // Hidden folders are hidden too when the set lacks ftHidden.
  EXPECT_FALSE(AdmitAttributes(kAttrDirectory | kAttrHidden,
                               AttributeAllowance({ftReadOnly}) | kAttrDirectory));
}

TEST(FileTypeSet, IncludeExcludeAndBits) {
  TFileType t{ftReadOnly, ftNormal};
  EXPECT_TRUE(t.Contains(ftReadOnly));
  EXPECT_TRUE(t.Contains(ftNormal));
  EXPECT_FALSE(t.Contains(ftHidden));
  t.Include(ftHidden).Exclude(ftReadOnly);
  EXPECT_EQ(t, (TFileType{ftHidden, ftNormal}));
  EXPECT_EQ(TFileType::FromBits(t.Bits()), t);
  EXPECT_EQ(TFileType::FromBits(0xFF).Bits(), 0x1F);
  EXPECT_TRUE(TFileType{}.Empty());
}

TEST(EntrySizeText, KilobytesOrBytes) {
  EXPECT_EQ(EntrySizeText(fsKB, "file", 0), "0 KB");
  EXPECT_EQ(EntrySizeText(fsKB, "file", 1500), "1 KB");
  EXPECT_EQ(EntrySizeText(fsKB, "file", 5LL * 1024 * 1024 * 1024), "5242880 KB");
  EXPECT_EQ(EntrySizeText(fsKB, "dir", 0), " ");
  EXPECT_EQ(EntrySizeText(fsByte, "file", 1536), "1536");
  EXPECT_EQ(EntrySizeText(fsByte, "file", 0), "0");
  EXPECT_EQ(EntrySizeText(fsByte, "file", 5LL * 1024 * 1024 * 1024), "5368709120");
  EXPECT_EQ(EntrySizeText(fsByte, "dir", 0), " ");
}

TEST(CaptionFor, HidingTheExtension) {
  EXPECT_EQ(CaptionFor("readme.txt", false), "readme.txt");
  EXPECT_EQ(CaptionFor("readme.txt", true), "readme");
  EXPECT_EQ(CaptionFor("archive.tar.gz", true), "archive.tar");
  EXPECT_EQ(CaptionFor("Makefile", true), "Makefile");
  EXPECT_EQ(CaptionFor(".profile", true), "");
  EXPECT_EQ(CaptionFor("x.gz.tar.gz", true), "x.gz.tar");
}

TEST(DatePatternFor, FixedPatternsAndTheLocales) {
  EXPECT_EQ(DatePatternFor(df_MMddyyyy, "d.M.yyyy"), "MM/dd/yyyy");
  EXPECT_EQ(DatePatternFor(df_MMddyy, ""), "MM/dd/yy");
  EXPECT_EQ(DatePatternFor(df_ddMMyyyy, ""), "dd/MM/yyyy");
  EXPECT_EQ(DatePatternFor(df_ddMMyy_GB, ""), "dd/MM/yy");
  EXPECT_EQ(DatePatternFor(df_ddMMyy_DE, ""), "dd.MM.yy");
  EXPECT_EQ(DatePatternFor(df_ddMMyy_IT, ""), "dd-MM-yy");
  EXPECT_EQ(DatePatternFor(df_yyyyMMdd, ""), "yyyy-MM-dd");
  EXPECT_EQ(DatePatternFor(df_yyMMdd, ""), "yy-MM-dd");
  EXPECT_EQ(DatePatternFor(df_Customize, "d.M.yyyy"), "d.M.yyyy");
}

TEST(TimePatternFor, ToolkitPatterns) {
  TFormatSettings s;
  s.ShortTimeFormat = "HH:mm";
  s.LongTimeFormat = "HH:mm:ss";
  EXPECT_EQ(TimePatternFor(tfShortFormat, s, "h:mm:ss tt"), "HH:mm");
  EXPECT_EQ(TimePatternFor(tfLongFormat, s, "h:mm:ss tt"), "HH:mm:ss");
}

TEST(TimePatternFor, CustomisedCutsTheMarkerAndAppendsAmPm) {
  const TFormatSettings s;
  EXPECT_EQ(TimePatternFor(tfCustomize, s, "h:mm:ss tt"), "h:mm:ss  AM/PM");
  EXPECT_EQ(TimePatternFor(tfCustomize, s, "HH:mm:ss"), "HH:mm:ss AM/PM");
  EXPECT_EQ(TimePatternFor(tfCustomize, s, "h:mm tt 'x'"), "h:mm  AM/PM");
}

TEST(TimePatternFor, CustomisedKeepsTheTimeOfMarkerFirstLocales) {
  const TFormatSettings s;
  EXPECT_EQ(TimePatternFor(tfCustomize, s, "tt h:mm:ss"), "h:mm:ss AM/PM");
  EXPECT_EQ(TimePatternFor(tfCustomize, s, "tt hh:mm:ss"), "hh:mm:ss AM/PM");
}

TEST(DriveSizeText, ThousandsOfKilobytesGrouped) {
  EXPECT_EQ(DriveSizeText(1500000, ","), "1,500 Mb");
  EXPECT_EQ(DriveSizeText(1500000, "."), "1.500 Mb");
  EXPECT_EQ(DriveSizeText(1999, ","), "1 Mb");
  EXPECT_EQ(DriveSizeText(976762584, ","), "976,762 Mb");
  EXPECT_EQ(DriveSizeText(0, ","), "0 Mb");
  EXPECT_EQ(DriveSizeText(-1, ","), "0 Mb");
}

TEST(DriveSizeText, BelowOneThousandKilobytesStillShowsADigit) {
  EXPECT_EQ(DriveSizeText(1, ","), "0 Mb");
  EXPECT_EQ(DriveSizeText(999, ","), "0 Mb");
}

TEST(DriveCaption, LetterThenTheDisplayNameBeforeItsParenthesis) {
  EXPECT_EQ(DriveCaption('C', "Local Disk (C:)"), " (C:)  Local Disk ");
  EXPECT_EQ(DriveCaption('Z', " (Z:)"), " (Z:)   ");
  EXPECT_EQ(DriveCaption('D', "Data"), " (D:)  ");
  EXPECT_EQ(DriveCaption('E', ""), " (E:)  ");
}

}  // namespace
