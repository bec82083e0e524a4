#include "filebrowser/lang/Language.h"

#ifdef _WIN32
#include "filebrowser/lang/LanguageDefaults.h"
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Platform language identifier from primary and sub-language.
constexpr std::uint16_t LangId(std::uint16_t primary, std::uint16_t sub)
{
    return static_cast<std::uint16_t>((sub << 10) | primary);
}

TEST(LanguageResolve, MapsEachSupportedPrimaryLanguage)
{
    struct Case {
        std::uint16_t langId;
        TLanguage expected;
    };
    const Case cases[] = {
        {0x0407, lnGerman},     {0x0C07, lnGerman},   // Germany, Austria
        {0x0409, lnEnglish},    {0x0809, lnEnglish},  // US, UK
        {0x0C0A, lnSpanish},    {0x040C, lnFrench},   {0x0410, lnItalian},
        {0x0413, lnDutch},      {0x0813, lnDutch},    // Netherlands, Belgium
        {0x0415, lnPolish},     {0x041B, lnSlovak},
        {0x0416, lnPortuguese}, {0x0816, lnPortuguese},  // Brazil, Portugal
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "LANGID 0x" << std::hex << c.langId);
        EXPECT_EQ(ResolveLanguage(lnSysDefault, c.langId), c.expected);
    }
}

TEST(LanguageResolve, ChineseIsSimplifiedOnlyForSubLanguageTwo)
{
    EXPECT_EQ(ResolveLanguage(lnSysDefault, LangId(4, 1)), lnChinese_Tra);  // Taiwan
    EXPECT_EQ(ResolveLanguage(lnSysDefault, LangId(4, 2)), lnChinese_Sim);  // PRC
    EXPECT_EQ(ResolveLanguage(lnSysDefault, LangId(4, 3)), lnChinese_Tra);  // Hong Kong
    EXPECT_EQ(ResolveLanguage(lnSysDefault, LangId(4, 4)), lnChinese_Tra);  // Singapore
    EXPECT_EQ(ResolveLanguage(lnSysDefault, LangId(4, 5)), lnChinese_Tra);  // Macao
}

TEST(LanguageResolve, OtherLanguagesBecomeEnglish)
{
    EXPECT_EQ(ResolveLanguage(lnSysDefault, 0x041D), lnEnglish);  // Swedish
    EXPECT_EQ(ResolveLanguage(lnSysDefault, 0x0411), lnEnglish);  // Japanese
    EXPECT_EQ(ResolveLanguage(lnSysDefault, 0x0000), lnEnglish);  // neutral
    EXPECT_EQ(ResolveLanguage(lnSysDefault, 0xFFFF), lnEnglish);
}

TEST(LanguageResolve, PrimaryLanguageUsesAllTenLowBits)
{
    // The highest sub-language must not disturb the primary language...
    EXPECT_EQ(ResolveLanguage(lnSysDefault, LangId(7, 0x3F)), lnGerman);
    EXPECT_EQ(ResolveLanguage(lnSysDefault, LangId(4, 0x3F)), lnChinese_Tra);
    // ...and bits 8 and 9 belong to the primary language, so 0x207 is not German.
    EXPECT_EQ(ResolveLanguage(lnSysDefault, 0x0207), lnEnglish);
    EXPECT_EQ(ResolveLanguage(lnSysDefault, 0x0316), lnEnglish);
}

TEST(LanguageResolve, ConcreteLanguageIsKeptWhateverThePlatformSays)
{
    for (int value = lnEnglish; value <= lnSpanish; ++value) {
        const auto lang = static_cast<TLanguage>(value);
        EXPECT_EQ(ResolveLanguage(lang, 0x0407), lang);
        EXPECT_EQ(ResolveLanguage(lang, LangId(4, 2)), lang);
    }
}

TEST(LanguageResolve, ConcreteLanguageRange)
{
    EXPECT_FALSE(IsConcreteLanguage(lnSysDefault));
    EXPECT_TRUE(IsConcreteLanguage(lnEnglish));
    EXPECT_TRUE(IsConcreteLanguage(lnSpanish));
    EXPECT_FALSE(IsConcreteLanguage(static_cast<TLanguage>(kLanguageCount)));
    EXPECT_FALSE(IsConcreteLanguage(static_cast<TLanguage>(255)));
}

#ifdef _WIN32
TEST(LanguageDefaults, ResolveFromThePlatformDefaults)
{
    EXPECT_EQ(ResolveUserLanguage(lnSysDefault), ResolveLanguage(lnSysDefault, GetUserDefaultLangID()));
    EXPECT_EQ(ResolveSystemLanguage(lnSysDefault), ResolveLanguage(lnSysDefault, GetSystemDefaultLangID()));
    EXPECT_TRUE(IsConcreteLanguage(ResolveUserLanguage(lnSysDefault)));
    EXPECT_EQ(ResolveUserLanguage(lnSlovak), lnSlovak);
    EXPECT_EQ(ResolveSystemLanguage(lnChinese_Sim), lnChinese_Sim);
}
#endif

} // namespace
