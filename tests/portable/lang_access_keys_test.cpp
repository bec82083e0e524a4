#include "filebrowser/lang/DqConsts.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using K = TStringKey;

// The access key of a menu caption as the platform's menus pick it: the
// character after the first single "&" ("&&" is a literal ampersand). ASCII
// letters are folded to lower case; other characters compare as UTF-8 bytes.
std::optional<std::string> AccessKey(std::string_view caption)
{
    std::size_t i = 0;
    while ((i = caption.find('&', i)) != std::string_view::npos) {
        if (i + 1 >= caption.size())
            return std::nullopt;
        if (caption[i + 1] == '&') {
            i += 2;
            continue;
        }
        const auto lead = static_cast<unsigned char>(caption[i + 1]);
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        std::string key(caption.substr(i + 1, length));
        if (length == 1 && key[0] >= 'A' && key[0] <= 'Z')
            key[0] = static_cast<char>(key[0] - 'A' + 'a');
        return key;
    }
    return std::nullopt;
}

enum class Menu { Tree, List, ListSendTo };

// The items of each menu level that carry a caption from the tables.
const std::map<Menu, std::vector<K>> kMenus = {
    {Menu::Tree,
     {K::MnuTreeNewFolder, K::MnuTreeRenameFolder, K::MnuTreeDeleteFolder, K::MnuTreeCut, K::MnuTreeCopy,
      K::MnuTreePaste, K::MnuTreeTreeSize, K::MnuTreeFolderContents, K::MnuTreeMapDrive, K::MnuTreeDisconnectDrive,
      K::MnuTreeProperty}},
    {Menu::List,
     {K::MnuListOpen, K::MnuListView, K::MnuListSendTo, K::MnuListCut, K::MnuListCopy, K::MnuListPaste,
      K::MnuListRename, K::MnuListDelete, K::MnuListProperties, K::MnuListNewFolder}},
    {Menu::ListSendTo,
     {K::MnuListAnyFolder, K::MnuListClipboardContents, K::MnuListClipboardFileName, K::MnuListDesktopShortcut}},
};

// (menu, language, access key) -> the items sharing that key.
using Clashes = std::map<std::tuple<Menu, TLanguage, std::string>, std::set<K>>;

Clashes FindClashes()
{
    Clashes found;
    for (const auto& [menu, items] : kMenus) {
        for (int value = lnEnglish; value <= lnSpanish; ++value) {
            const auto lang = static_cast<TLanguage>(value);
            std::map<std::string, std::set<K>> byKey;
            for (K item : items) {
                if (const auto key = AccessKey(LanguageText(item, lang)))
                    byKey[*key].insert(item);
            }
            for (const auto& [key, sharing] : byKey) {
                if (sharing.size() > 1)
                    found[{menu, lang, key}] = sharing;
            }
        }
    }
    return found;
}

TEST(MenuAccessKeys, AccessKeyOfACaption)
{
    EXPECT_EQ(AccessKey("Cu&t"), "t");
    EXPECT_EQ(AccessKey("Dis&Connect Network Drive"), "c");
    EXPECT_EQ(AccessKey("\xE8\xB2\xBC\xE4\xB8\x8A(&P)"), "p");
    EXPECT_EQ(AccessKey("&An&teprima"), "a");
    EXPECT_EQ(AccessKey("Save && &Exit"), "e");
    EXPECT_EQ(AccessKey("Ordner &l\xC3\xB6schen"), "l");
    EXPECT_EQ(AccessKey("&\xC3\x96" "ffnen"), "\xC3\x96");
    EXPECT_EQ(AccessKey("Knippen"), std::nullopt);
    EXPECT_EQ(AccessKey("Trailing&"), std::nullopt);
    EXPECT_EQ(AccessKey("Only && literal"), std::nullopt);
}

// The captions come as they are from the language tables, and several of them
// share an access key within one menu (the platform then cycles between those
// items). These are the known clashes; any other clash is a fault.
TEST(MenuAccessKeys, NoClashesBeyondTheKnownOnes)
{
    const Clashes known = {
        // Stand-alone tree menu.
        {{Menu::Tree, lnEnglish, "c"}, {K::MnuTreeCopy, K::MnuTreeDisconnectDrive}},
        {{Menu::Tree, lnEnglish, "p"}, {K::MnuTreePaste, K::MnuTreeProperty}},
        {{Menu::Tree, lnChinese_Tra, "c"}, {K::MnuTreeCopy, K::MnuTreeDisconnectDrive}},
        {{Menu::Tree, lnChinese_Tra, "p"}, {K::MnuTreePaste, K::MnuTreeProperty}},
        {{Menu::Tree, lnChinese_Sim, "c"}, {K::MnuTreeCopy, K::MnuTreeDisconnectDrive}},
        {{Menu::Tree, lnChinese_Sim, "p"}, {K::MnuTreePaste, K::MnuTreeProperty}},
        {{Menu::Tree, lnDutch, "m"}, {K::MnuTreeFolderContents, K::MnuTreeMapDrive}},
        {{Menu::Tree, lnFrench, "c"}, {K::MnuTreeCopy, K::MnuTreeFolderContents, K::MnuTreeMapDrive}},
        {{Menu::Tree, lnFrench, "p"}, {K::MnuTreeCut, K::MnuTreeProperty}},
        {{Menu::Tree, lnItalian, "c"}, {K::MnuTreeCopy, K::MnuTreeDisconnectDrive}},
        {{Menu::Tree, lnItalian, "n"}, {K::MnuTreeNewFolder, K::MnuTreeFolderContents}},
        {{Menu::Tree, lnPolish, "n"}, {K::MnuTreeRenameFolder, K::MnuTreeCut}},
        {{Menu::Tree, lnPortuguese, "a"}, {K::MnuTreeDeleteFolder, K::MnuTreePaste}},
        {{Menu::Tree, lnSlovak, "j"}, {K::MnuTreeMapDrive, K::MnuTreeDisconnectDrive}},
        {{Menu::Tree, lnSpanish, "p"}, {K::MnuTreePaste, K::MnuTreeProperty}},
        // File list menu, top level.
        {{Menu::List, lnEnglish, "n"}, {K::MnuListSendTo, K::MnuListNewFolder}},
        {{Menu::List, lnEnglish, "p"}, {K::MnuListPaste, K::MnuListProperties}},
        {{Menu::List, lnChinese_Tra, "n"}, {K::MnuListSendTo, K::MnuListNewFolder}},
        {{Menu::List, lnChinese_Tra, "p"}, {K::MnuListPaste, K::MnuListProperties}},
        {{Menu::List, lnChinese_Sim, "n"}, {K::MnuListSendTo, K::MnuListNewFolder}},
        {{Menu::List, lnChinese_Sim, "p"}, {K::MnuListPaste, K::MnuListProperties}},
        {{Menu::List, lnDutch, "n"}, {K::MnuListRename, K::MnuListNewFolder}},
        {{Menu::List, lnDutch, "o"}, {K::MnuListOpen, K::MnuListCopy}},
        {{Menu::List, lnDutch, "v"}, {K::MnuListSendTo, K::MnuListDelete}},
        {{Menu::List, lnFrench, "o"}, {K::MnuListOpen, K::MnuListCut}},
        {{Menu::List, lnFrench, "p"}, {K::MnuListSendTo, K::MnuListProperties}},
        {{Menu::List, lnItalian, "a"}, {K::MnuListOpen, K::MnuListView}},
        {{Menu::List, lnItalian, "i"}, {K::MnuListCut, K::MnuListPaste}},
        {{Menu::List, lnPortuguese, "a"}, {K::MnuListOpen, K::MnuListPaste, K::MnuListDelete}},
        {{Menu::List, lnPortuguese, "n"}, {K::MnuListSendTo, K::MnuListNewFolder}},
        {{Menu::List, lnSpanish, "n"}, {K::MnuListSendTo, K::MnuListNewFolder}},
        {{Menu::List, lnSpanish, "p"}, {K::MnuListPaste, K::MnuListProperties}},
        // German, Polish and Slovak file list menus and every Send To submenu are free of clashes.
    };
    const Clashes found = FindClashes();
    for (const auto& [where, items] : found) {
        const auto& [menu, lang, key] = where;
        EXPECT_TRUE(known.count(where) == 1 && known.at(where) == items)
            << "unexpected access key clash on '" << key << "' in menu " << static_cast<int>(menu)
            << ", language " << static_cast<int>(lang);
    }
    for (const auto& entry : known) {
        const auto& [menu, lang, key] = entry.first;
        const auto& where = entry.first;
        EXPECT_EQ(found.count(where), 1u) << "recorded clash on '" << key << "' in menu " << static_cast<int>(menu)
                                          << ", language " << static_cast<int>(lang) << " is gone; update the list";
    }
}

} // namespace
