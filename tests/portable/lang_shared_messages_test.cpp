#include "filebrowser/lang/SharedMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMessageCount = static_cast<std::size_t>(TStringKey::MsgAndAllSubFolders) + 1;

// The keys each loader is meant to write.
const std::vector<TStringKey> kTreeSet = {
    TStringKey::MsgDrive,           TStringKey::MsgFolderQuote,      TStringKey::MsgErrorPrefix,
    TStringKey::MsgFileWord,        TStringKey::MsgFrom,             TStringKey::MsgTo,
    TStringKey::MsgCantPrefix,      TStringKey::MsgSpecifyDirectory, TStringKey::MsgInvalidDriveId,
    TStringKey::MsgDriveNotReady,   TStringKey::MsgAlreadyExists,    TStringKey::MsgInvalidDirName,
    TStringKey::MsgRenameFolderQuery, TStringKey::MsgCantAddDrives,  TStringKey::MsgNewFolder,
    TStringKey::MsgInvalidFolderChars, TStringKey::MsgNotFound,      TStringKey::MsgFileOpFailed,
    TStringKey::MsgTreeSize,        TStringKey::MsgAndAllSubFolders,
};
const std::vector<TStringKey> kListSet = {
    TStringKey::MsgErrorPrefix,     TStringKey::MsgFileWord,        TStringKey::MsgCancel,
    TStringKey::MsgBrowse,          TStringKey::MsgCantPrefix,      TStringKey::MsgSpecifyDirectory,
    TStringKey::MsgInvalidDriveId,  TStringKey::MsgDriveNotReady,   TStringKey::MsgAlreadyExists,
    TStringKey::MsgNewFolder,       TStringKey::MsgReadOnly,        TStringKey::MsgNoFileSelected,
    TStringKey::MsgSendToAnyFolder, TStringKey::MsgEnterSendToPath, TStringKey::MsgShortcutSaveFailed,
};

bool Contains(const std::vector<TStringKey>& set, TStringKey key)
{
    return std::find(set.begin(), set.end(), key) != set.end();
}

TStringKey MessageAt(std::size_t index)
{
    return static_cast<TStringKey>(index);
}

std::array<std::string, kMessageCount> Snapshot()
{
    std::array<std::string, kMessageCount> all;
    for (std::size_t i = 0; i < kMessageCount; ++i)
        all[i] = SharedMessage(MessageAt(i));
    return all;
}

// Every test starts from the state of a fresh process and leaves it so.
class SharedMessagesTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        ClearSharedMessages();
        TreeLanguage = lnSysDefault;
        ListLanguage = lnSysDefault;
    }

    static void LoadCombo(TLanguage lang)
    {
        TreeLanguage = lang;
        LoadComboMessages();
    }

    static void LoadFileList(TLanguage lang)
    {
        ListLanguage = lang;
        LoadFileListMessages();
    }

    // Each message holds the loader's text for keys of `written` and is empty otherwise.
    static void ExpectOnly(const std::vector<TStringKey>& written, TLanguage lang)
    {
        for (std::size_t i = 0; i < kMessageCount; ++i) {
            const TStringKey key = MessageAt(i);
            SCOPED_TRACE(testing::Message() << "key " << i);
            if (Contains(written, key))
                EXPECT_EQ(SharedMessage(key), LanguageText(key, lang));
            else
                EXPECT_EQ(SharedMessage(key), "");
        }
    }
};

TEST_F(SharedMessagesTest, ComboLoaderWritesExactlyItsSet)
{
    LoadCombo(lnGerman);
    ExpectOnly(kTreeSet, lnGerman);
    EXPECT_EQ(SharedMessage(TStringKey::MsgDrive), "Laufwerk ");
}

TEST_F(SharedMessagesTest, FileListLoaderWritesExactlyItsSet)
{
    LoadFileList(lnFrench);
    ExpectOnly(kListSet, lnFrench);
    EXPECT_EQ(SharedMessage(TStringKey::MsgCancel), "Annule");
}

TEST_F(SharedMessagesTest, StandaloneTreeLoaderWritesTheComboSet)
{
    for (TLanguage lang : {lnEnglish, lnDutch, lnPolish, lnSpanish}) {
        ClearSharedMessages();
        TreeLanguage = lang;
        LoadStandaloneTreeMessages();
        ExpectOnly(kTreeSet, lang);
    }
}

TEST_F(SharedMessagesTest, LastLoaderDecidesEachMessage)
{
    LoadCombo(lnGerman);
    LoadFileList(lnFrench);
    // Both sets hold it: the file list came last.
    EXPECT_EQ(SharedMessage(TStringKey::MsgDriveNotReady),
              "Il n'y a pas de disque dans le lecteurou le lecteur n'est pas pr\xC3\xAAt.");
    // Only the combo's set holds it.
    EXPECT_EQ(SharedMessage(TStringKey::MsgRenameFolderQuery), "Wollen Sie den markierten Ordner umbenennen");
    // Only the file list's set holds it.
    EXPECT_EQ(SharedMessage(TStringKey::MsgCancel), "Annule");

    LoadCombo(lnGerman);
    EXPECT_EQ(SharedMessage(TStringKey::MsgDriveNotReady), "Kein Datentr\xC3\xA4ger im Laufwerk oder Laufwerk nicht bereit!");
    EXPECT_EQ(SharedMessage(TStringKey::MsgCancel), "Annule");
}

TEST_F(SharedMessagesTest, StandaloneTreeLoaderSkipsChinese)
{
    LoadCombo(lnEnglish);
    LoadFileList(lnItalian);
    const auto before = Snapshot();
    for (TLanguage lang : {lnChinese_Tra, lnChinese_Sim}) {
        TreeLanguage = lang;
        LoadStandaloneTreeMessages();
        EXPECT_EQ(Snapshot(), before) << "language " << static_cast<int>(lang);
    }
    // So a process whose only control is a Chinese stand-alone tree has no messages.
    ClearSharedMessages();
    TreeLanguage = lnChinese_Tra;
    LoadStandaloneTreeMessages();
    ExpectOnly({}, lnChinese_Tra);
}

TEST_F(SharedMessagesTest, ComboLoaderDoesLoadChinese)
{
    LoadCombo(lnChinese_Sim);
    ExpectOnly(kTreeSet, lnChinese_Sim);
    // 磁盘
    EXPECT_EQ(SharedMessage(TStringKey::MsgDrive), "\xE7\xA3\x81\xE7\x9B\x98 ");
}

TEST_F(SharedMessagesTest, LoadersWriteNothingWithoutAConcreteLanguage)
{
    LoadCombo(lnSpanish);
    LoadFileList(lnSlovak);
    const auto before = Snapshot();
    for (TLanguage lang : {lnSysDefault, static_cast<TLanguage>(kLanguageCount), static_cast<TLanguage>(255)}) {
        TreeLanguage = lang;
        ListLanguage = lang;
        LoadComboMessages();
        LoadStandaloneTreeMessages();
        LoadFileListMessages();
        EXPECT_EQ(Snapshot(), before) << "language " << static_cast<int>(lang);
    }
}

TEST_F(SharedMessagesTest, StartEmptyAndClearEmptiesAll)
{
    ExpectOnly({}, lnEnglish);
    LoadCombo(lnEnglish);
    LoadFileList(lnEnglish);
    EXPECT_EQ(SharedMessage(TStringKey::MsgNoFileSelected), "No file(s) selected");
    ClearSharedMessages();
    ExpectOnly({}, lnEnglish);
}

TEST_F(SharedMessagesTest, KeysOutsideTheMessagesHaveNoSharedText)
{
    LoadCombo(lnEnglish);
    LoadFileList(lnEnglish);
    EXPECT_EQ(SharedMessage(TStringKey::MnuTreeNewFolder), "");
    EXPECT_EQ(SharedMessage(TStringKey::sColName), "");
    EXPECT_EQ(SharedMessage(TStringKey::sDrvRamDisk), "");
    EXPECT_EQ(SharedMessage(static_cast<TStringKey>(255)), "");
}

} // namespace
