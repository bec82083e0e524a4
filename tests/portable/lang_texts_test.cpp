#include "filebrowser/lang/DqConsts.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TStringKey KeyAt(std::size_t index)
{
    return static_cast<TStringKey>(index);
}

TLanguage LanguageAt(int value)
{
    return static_cast<TLanguage>(value);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            return false;
        }
        if (extra >= text.size() - i)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

TEST(LanguageTexts, EveryKeyHasATextInEveryLanguage)
{
    // The tables leave no cell empty.
    for (std::size_t k = 0; k < kStringKeyCount; ++k) {
        for (int lang = lnEnglish; lang <= lnSpanish; ++lang) {
            SCOPED_TRACE(testing::Message() << "key " << k << ", language " << lang);
            const std::string_view text = LanguageText(KeyAt(k), LanguageAt(lang));
            EXPECT_FALSE(text.empty());
            EXPECT_TRUE(IsValidUtf8(text));
            EXPECT_EQ(text.find('\0'), std::string_view::npos);
        }
    }
}

TEST(LanguageTexts, NoTextWithoutAConcreteLanguageOrKey)
{
    for (std::size_t k = 0; k < kStringKeyCount; ++k)
        EXPECT_TRUE(LanguageText(KeyAt(k), lnSysDefault).empty()) << "key " << k;
    EXPECT_TRUE(LanguageText(TStringKey::MsgDrive, LanguageAt(static_cast<int>(kLanguageCount))).empty());
    EXPECT_TRUE(LanguageText(TStringKey::sDrvRamDisk, LanguageAt(255)).empty());
    EXPECT_TRUE(LanguageText(KeyAt(kStringKeyCount), lnEnglish).empty());
    EXPECT_TRUE(LanguageText(KeyAt(255), lnGerman).empty());
}

TEST(LanguageTexts, ValidatorRejectsBrokenUtf8)
{
    // Guards the check above: it must fail on text that is not UTF-8 (such as
    // an ANSI code page text compiled in by mistake).
    EXPECT_TRUE(IsValidUtf8("Gr\xC3\xB6\xC3\x9F" "e"));
    EXPECT_FALSE(IsValidUtf8("Gr\xF6\xDF" "e"));        // Windows-1252
    EXPECT_FALSE(IsValidUtf8("\xC3"));                   // cut sequence
    EXPECT_FALSE(IsValidUtf8("\xE7\xA3"));               // cut sequence
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));               // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));           // surrogate
}

TEST(LanguageTexts, SamplesOfEveryLanguageByteForByte)
{
    struct Sample {
        TStringKey key;
        TLanguage lang;
        std::string_view expected;
    };
    const Sample samples[] = {
        {TStringKey::MsgTo, lnEnglish, "To     : "},
        {TStringKey::MsgFolderQuote, lnEnglish, "Folder \""},
        {TStringKey::MnuTreeDisconnectDrive, lnEnglish, "Dis&Connect Network Drive"},
        // 磁碟機內沒有碟片，或磁碟機尚未待機
        {TStringKey::MsgDriveNotReady, lnChinese_Tra,
         "\xE7\xA3\x81\xE7\xA2\x9F\xE6\xA9\x9F\xE5\x85\xA7\xE6\xB2\x92\xE6\x9C\x89\xE7\xA2\x9F\xE7\x89\x87"
         "\xEF\xBC\x8C\xE6\x88\x96\xE7\xA3\x81\xE7\xA2\x9F\xE6\xA9\x9F\xE5\xB0\x9A\xE6\x9C\xAA\xE5\xBE\x85\xE6\xA9\x9F"},
        // 新增子資料夾(&N)
        {TStringKey::MnuTreeNewFolder, lnChinese_Tra, "\xE6\x96\xB0\xE5\xA2\x9E\xE5\xAD\x90\xE8\xB3\x87\xE6\x96\x99\xE5\xA4\xBE(&N)"},
        // 名稱
        {TStringKey::sColName, lnChinese_Tra, "\xE5\x90\x8D\xE7\xA8\xB1"},
        // 你要更动这个资料夹的名称吗
        {TStringKey::MsgRenameFolderQuery, lnChinese_Sim,
         "\xE4\xBD\xA0\xE8\xA6\x81\xE6\x9B\xB4\xE5\x8A\xA8\xE8\xBF\x99\xE4\xB8\xAA\xE8\xB5\x84\xE6\x96\x99\xE5\xA4\xB9"
         "\xE7\x9A\x84\xE5\x90\x8D\xE7\xA7\xB0\xE5\x90\x97"},
        // 虚盘机
        {TStringKey::sDrvRamDisk, lnChinese_Sim, "\xE8\x99\x9A\xE7\x9B\x98\xE6\x9C\xBA"},
        // 错误 - PersistFile.Save 失败
        {TStringKey::MsgShortcutSaveFailed, lnChinese_Sim, "\xE9\x94\x99\xE8\xAF\xAF - PersistFile.Save \xE5\xA4\xB1\xE8\xB4\xA5"},
        {TStringKey::MnuTreeCopy, lnDutch, "&Kopi\xC3\xABren"},
        {TStringKey::MsgAndAllSubFolders, lnDutch, "en alle-sub-mappen "},
        {TStringKey::MsgAlreadyExists, lnFrench, "\" existe d\xC3\xA9j\xC3\xA0 !"},
        {TStringKey::MsgFileWord, lnFrench, " le fichier  "},
        {TStringKey::MnuListClipboardFileName, lnFrench, "Nom du fichier  dans le Presse-Papier"},
        {TStringKey::MsgTreeSize, lnGerman, "BAUMGR\xC3\x96\xC3\x9F" "E"},
        {TStringKey::MsgFileWord, lnGerman, "\" ist fehlgeschlagen mit Datei "},
        {TStringKey::MnuListOpen, lnGerman, "\xC3\x96&ffnen"},
        {TStringKey::MsgTo, lnGerman, "Nach : "},
        {TStringKey::MsgDrive, lnItalian, "Unit\xC3\xA0 "},
        {TStringKey::MnuListView, lnItalian, "&An&teprima"},
        {TStringKey::MsgErrorPrefix, lnPolish, "B\xC5\x81\xC4\x84" "D - "},
        {TStringKey::MsgReadOnly, lnPolish, "Plik \" jest tylko do odczytu"},
        {TStringKey::MsgCantPrefix, lnPolish, "B\xC5\x81\xC4\x84" "D - \""},
        {TStringKey::MnuTreeMapDrive, lnPolish, "Po\xC5\x82\xC4\x85" "cz z Dyskiem Sieciowym"},
        {TStringKey::sDrvNotExist, lnPortuguese, "N\xC3\xA3o existe"},
        {TStringKey::MsgFileWord, lnPortuguese, " arquivo  "},
        {TStringKey::MsgTreeSize, lnSlovak, "VE\xC4\xBDKOS\xC5\xA4 PODSTROMU"},
        {TStringKey::MnuListDesktopShortcut, lnSlovak, "Pracovn\xC3\xA1 plocha - vytvori\xC5\xA5 odkaz"},
        {TStringKey::sColFreeSpace, lnSlovak, "Vo\xC4\xBEn\xC3\xA9 miesto"},
        {TStringKey::MsgTreeSize, lnSpanish, "TAMA\xC3\x91O DEL \xC3\x81RBOL"},
        {TStringKey::MsgAlreadyExists, lnSpanish, "\" ya existe !"},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(testing::Message() << "key " << static_cast<int>(s.key) << ", language " << static_cast<int>(s.lang));
        EXPECT_EQ(LanguageText(s.key, s.lang), s.expected);
    }
}

TEST(LanguageTexts, SameEnglishCaptionMayDifferPerMenu)
{
    EXPECT_EQ(LanguageText(TStringKey::MnuTreeCut, lnEnglish), LanguageText(TStringKey::MnuListCut, lnEnglish));
    EXPECT_EQ(LanguageText(TStringKey::MnuTreeCut, lnDutch), "Knippen");
    EXPECT_EQ(LanguageText(TStringKey::MnuListCut, lnDutch), "&Knippen");
}

TEST(LanguageTexts, DriveTypeNamesFollowThePlatformDriveTypes)
{
    EXPECT_EQ(DriveTypeName(lnEnglish, 0), "Unknown");
    EXPECT_EQ(DriveTypeName(lnEnglish, 1), "Not exist");
    EXPECT_EQ(DriveTypeName(lnEnglish, 2), "Removable Disk");
    EXPECT_EQ(DriveTypeName(lnEnglish, 3), "Fixed Disk");
    EXPECT_EQ(DriveTypeName(lnEnglish, 4), "Network Disk");
    EXPECT_EQ(DriveTypeName(lnEnglish, 5), "CD-ROM Disk");
    EXPECT_EQ(DriveTypeName(lnEnglish, 6), "RAM Disk");
    EXPECT_EQ(DriveTypeName(lnGerman, 3), "Lokales Laufwerk");
    EXPECT_EQ(DriveTypeName(lnSlovak, 4), "Sie\xC5\xA5ov\xC3\xBD disk");
}

TEST(LanguageTexts, DriveTypeOutsideTheKnownRangeHasNoName)
{
    EXPECT_TRUE(DriveTypeName(lnEnglish, -1).empty());
    EXPECT_TRUE(DriveTypeName(lnEnglish, 7).empty());
    EXPECT_TRUE(DriveTypeName(lnEnglish, 1 << 30).empty());
    EXPECT_TRUE(DriveTypeName(lnSysDefault, 3).empty());
}

} // namespace
