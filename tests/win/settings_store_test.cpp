// The settings store on the real main window: the file it writes, what it restores,
// where the file lives and how failures are reported.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "app/PropsStorage.h"
#include "app/Unit1.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TempIniLocation.h"
#include "tests/win/support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Handles.h"

namespace {
class SettingsStoreTest : public ::testing::Test {
 protected:
  using TSetup = std::function<void(TForm1&)>;

  std::unique_ptr<TForm1> Start(std::unique_ptr<TIniLocation> location = nullptr, const TSetup& setup = nullptr) {
    auto form = std::make_unique<TForm1>(nullptr);
    form->FormStorage1->SetLocation(location ? std::move(location) : std::make_unique<TTempIniLocation>(dir.Path()));
    if (setup) setup(*form);
    form->ShowMain(SW_SHOWNORMAL);
    PumpMessages();
    return form;
  }
  static void Stop(std::unique_ptr<TForm1>& form) {
    form->Close();
    form.reset();
    PumpMessages();
  }
  static std::string Bytes(const std::string& path) {
    std::ifstream in(Widen(path).c_str(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  std::string Ini() const { return Bytes(IniPath()); }
  std::string IniPath() const { return dir.Path() + "windows\\Scrivlet.ini"; }
  void WriteIni(const std::string& lines) const {
    dir.MakeDir("windows");
    dir.Write("windows\\Scrivlet.ini", "[User]\r\n" + lines);
  }
  static RECT NormalRect(const TForm1& form) {
    WINDOWPLACEMENT p{};
    p.length = sizeof p;
    GetWindowPlacement(form.Handle(), &p);
    return p.rcNormalPosition;
  }

  TTempDir dir;
};

std::string FontLines(const std::string& name) {
  std::string lines;
  for (const char* line : {"Charset=1", "Color=-2147483640", "Height=-11", "Name=MS Sans Serif", "Pitch=fpDefault",
                           "Size=8", "Style=[]"})
    lines += name + "_Font" + line + "\r\n";
  return lines;
}
}  // namespace

TEST_F(SettingsStoreTest, FirstRunWritesTheCompleteFileByteForByte) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  auto form = Start();
  const std::string texts = dir.MakeDir("Texts") + "\\";
  form->BrowseFiles->SetDirectory(texts);
  WINDOWPLACEMENT p{};
  p.length = sizeof p;
  GetWindowPlacement(form->Handle(), &p);
  const std::string minMax = std::to_string(p.ptMinPosition.x) + "," + std::to_string(p.ptMinPosition.y) + "," +
                             std::to_string(p.ptMaxPosition.x) + "," + std::to_string(p.ptMaxPosition.y);
  Stop(form);
  const std::string expected =
      "[User]\r\nFormVersion=0\r\nFlags=" + std::to_string(p.flags) + "\r\nShowCmd=1\r\nPixelsPerInch=96\r\n" +
      "MinMaxPos(1024x768)=" + minMax + "\r\nMinMaxPos=" + minMax + "\r\n" +
      "NormPos(1024x768)=241,191,841,591\r\nNormPos=241,191,841,591\r\nVisible=0\r\n" +
      "BrowseFiles_Directory=" + texts + "\r\nPanelLeft_Width=240\r\n" + FontLines("BrowseDrives") +
      FontLines("BrowseFiles") + FontLines("ReadText") + FontLines("FontText") + FontLines("FontBrowse") +
      "ReadText_WordWrap=True\r\nWrapMenu_Checked=True\r\nFocusMenu_Checked=True\r\n"
      "FolderMenu_Checked=False\r\nBrowseFiles_ShowFolders=False\r\n";
  EXPECT_EQ(Ini(), expected);
}

TEST_F(SettingsStoreTest, EverythingStoredComesBackAtTheNextStart) {
  const std::string texts = dir.MakeDir("Texts") + "\\";
  TFont font;
  font.Name = "Courier New";
  font.Pitch = TFontPitch::fpFixed;
  font.Style = {.Bold = true, .Italic = true};
  font.SetSize(12);
  auto form = Start();
  form->SetBounds(100, 120, 700, 500);
  form->PanelLeft->SetWidth(300);
  form->WrapMenuClick(form.get());
  form->BrowseFiles->SetDirectory(texts);
  form->BrowseFiles->SetShowFolders(true);
  form->FolderMenu->SetChecked(true);
  form->FocusMenu->SetChecked(false);
  form->ReadText->SetFont(font);
  form->FontBrowse->SetFont(font);
  ShowWindow(form->Handle(), SW_MAXIMIZE);  // the state is written, never restored
  Stop(form);
  EXPECT_NE(Ini().find("ShowCmd=3\r\n"), std::string::npos);

  form = Start();
  EXPECT_FALSE(IsZoomed(form->Handle()));
  const RECT r = NormalRect(*form);
  EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{100, 120, 800, 620}));
  EXPECT_EQ(form->PanelLeft->Width(), 300);
  EXPECT_FALSE(form->ReadText->WordWrap());
  EXPECT_FALSE(form->WrapMenu->Checked());
  EXPECT_EQ(form->BrowseFiles->Directory(), texts);
  EXPECT_TRUE(form->BrowseFiles->ShowFolders());
  EXPECT_TRUE(form->FolderMenu->Checked());
  EXPECT_FALSE(form->FocusMenu->Checked());
  EXPECT_EQ(form->ReadText->Font(), font);
  EXPECT_EQ(form->FontBrowse->Font(), font);
  Stop(form);
}

TEST_F(SettingsStoreTest, RestoreTakesWhatItCanAndLeavesTheRest) {
  const std::string texts = dir.MakeDir("Texts") + "\\";
  const struct {
    std::string lines;
    std::function<void(TForm1&)> check;
  } rows[] = {
      {"FormVersion=-1\r\nPanelLeft_Width=100\r\nNormPos=10,20,610,420\r\n",
       [](TForm1& f) { EXPECT_EQ(f.PanelLeft->Width(), 240); EXPECT_EQ(NormalRect(f).left, 241); }},
      {"PixelsPerInch=120\r\nNormPos=10,20,610,420\r\nPanelLeft_Width=100\r\n",
       [](TForm1& f) { EXPECT_EQ(NormalRect(f).left, 241); EXPECT_EQ(f.PanelLeft->Width(), 100); }},
      {"NormPos(1024x768)=10,20,610,420\r\nNormPos=50,60,650,460\r\n",
       [](TForm1& f) { EXPECT_EQ(NormalRect(f).left, 10); }},
      {"NormPos(1280x1024)=10,20,610,420\r\nNormPos=50,60,650,460\r\n",
       [](TForm1& f) { EXPECT_EQ(NormalRect(f).top, 60); }},
      {"NormPos=300,10,300,400\r\n", [](TForm1& f) { EXPECT_EQ(NormalRect(f).left, 241); }},
      {"NormPos=x,20,y,420\r\n", [](TForm1& f) {
         EXPECT_EQ(NormalRect(f).left, 241); EXPECT_EQ(NormalRect(f).top, 20); EXPECT_EQ(NormalRect(f).right, 841); }},
      {"PanelLeft_Width=12px\r\n", [](TForm1& f) { EXPECT_EQ(f.PanelLeft->Width(), 0); }},
      {"ReadText_WordWrap=yes\r\nWrapMenu_Checked=false\r\n",
       [](TForm1& f) { EXPECT_TRUE(f.ReadText->WordWrap()); EXPECT_FALSE(f.WrapMenu->Checked()); }},
      {"BrowseFiles_Directory=" + dir.Path() + "Gone\\\r\n",
       [this](TForm1& f) { EXPECT_NE(f.BrowseFiles->Directory(), dir.Path() + "Gone\\"); }},
      {"BrowseFiles_Directory=  " + texts + "  \r\n", [&](TForm1& f) { EXPECT_EQ(f.BrowseFiles->Directory(), texts); }},
      {"ReadText_FontStyle=fsBold, fsItalic\r\nBrowseFiles_FontStyle=[fsBold,fsHeavy]\r\n", [](TForm1& f) {
         EXPECT_EQ(f.ReadText->Font().Style, (TFontStyles{.Bold = true, .Italic = true}));
         EXPECT_EQ(f.BrowseFiles->Font().Style, (TFontStyles{.Bold = true}));
       }},
      {"ReadText_FontHeight=-20\r\nReadText_FontSize=8\r\nReadText_FontPitch=fpWide\r\n", [](TForm1& f) {
         EXPECT_EQ(f.ReadText->Font().Height, -11);
         EXPECT_EQ(f.ReadText->Font().Pitch, TFontPitch::fpDefault);
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.lines);
    WriteIni(row.lines);
    auto form = Start();
    row.check(*form);
    Stop(form);
    EXPECT_NE(Ini().find("FormVersion=0\r\n"), std::string::npos);
  }
  EXPECT_EQ(Scripted().Count("message"), 0);
}

TEST_F(SettingsStoreTest, AFailedWriteIsReportedAndTriedOnceMoreAtDestruction) {
  // Neither folder exists, so the file cannot be written anywhere.
  struct TNowhere : TTempIniLocation {
    using TTempIniLocation::TTempIniLocation;
    std::wstring WindowsDirectory() const override { return TTempIniLocation::WindowsDirectory() + L"\\none"; }
    std::wstring AppDataDirectory() const override { return TTempIniLocation::AppDataDirectory() + L"\\none"; }
  };
  auto form = Start(std::make_unique<TNowhere>(dir.Path()));
  form->Close();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  ASSERT_EQ(Scripted().Count("message"), 1);
  EXPECT_EQ(Scripted().Last().Text, "Unable to write to Scrivlet.ini.");
  form.reset();
  EXPECT_EQ(Scripted().Count("message"), 2);

  // After a save that worked, destruction writes nothing.
  form = Start();
  form->Close();
  ASSERT_TRUE(DeleteFileW(Widen(IniPath()).c_str()));
  form.reset();
  EXPECT_EQ(GetFileAttributesW(Widen(IniPath()).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Scripted().Count("message"), 2);
}

TEST_F(SettingsStoreTest, AnUnwritableWindowsDirectoryMovesTheFileToTheUserFolder) {
  WriteIni("PanelLeft_Width=111\r\n");
  const std::string original = Ini();
  auto form = Start(std::make_unique<TTempIniLocation>(dir.Path(), false));
  EXPECT_EQ(form->PanelLeft->Width(), 111);  // carried over from the Windows directory
  form->PanelLeft->SetWidth(150);
  Stop(form);
  EXPECT_EQ(Ini(), original);
  EXPECT_NE(Bytes(dir.Path() + "appdata\\Scrivlet\\Scrivlet.ini").find("PanelLeft_Width=150\r\n"), std::string::npos);
  form = Start(std::make_unique<TTempIniLocation>(dir.Path(), false));
  EXPECT_EQ(form->PanelLeft->Width(), 150);
  Stop(form);

  // The real check: an existing file, a new file in an existing folder, a missing folder.
  const TIniLocation real;
  EXPECT_TRUE(real.CanWrite(Widen(IniPath())));
  EXPECT_TRUE(real.CanWrite(Widen(dir.Path() + "new.ini")));
  EXPECT_FALSE(real.CanWrite(Widen(dir.Path() + "missing\\new.ini")));
  EXPECT_EQ(real.Locate("Scrivlet.ini").WritePath, real.WindowsDirectory() + L"\\Scrivlet.ini");
}

TEST_F(SettingsStoreTest, AFileAnotherProgramHoldsOpenStaysWhereItIs) {
  WriteIni("PanelLeft_Width=111\r\n");
  const UniqueFile holder(
      CreateFileW(Widen(IniPath()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holder);
  EXPECT_EQ(TTempIniLocation(dir.Path()).Locate("Scrivlet.ini").WritePath, Widen(IniPath()));
}

TEST_F(SettingsStoreTest, AFileLockedAtTheStartIsNeitherReadNorWrittenOver) {
  WriteIni("PanelLeft_Width=111\r\nReadText_WordWrap=False\r\n");
  const std::string original = Ini();
  // Released before the close, and still held at the close.
  for (const bool releasedFirst : {true, false}) {
    SCOPED_TRACE(releasedFirst);
    UniqueFile holder(
        CreateFileW(Widen(IniPath()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    auto form = Start();
    EXPECT_EQ(form->PanelLeft->Width(), 240);
    EXPECT_TRUE(form->ReadText->WordWrap());
    EXPECT_FALSE(form->FormStorage1->Restored());
    form->PanelLeft->SetWidth(150);
    if (releasedFirst) holder.reset();
    Stop(form);
    holder.reset();
    EXPECT_EQ(Ini(), original);
  }
  EXPECT_EQ(Scripted().Count("message"), 0);
  // Free again, the file is read and written as ever.
  auto form = Start();
  EXPECT_EQ(form->PanelLeft->Width(), 111);
  form->PanelLeft->SetWidth(150);
  Stop(form);
  EXPECT_NE(Ini().find("PanelLeft_Width=150\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, AWindowDestroyedBeforeItWasShownWritesNothing) {
  WriteIni("PanelLeft_Width=111\r\n");
  const std::string original = Ini();
  auto form = std::make_unique<TForm1>(nullptr);
  form->FormStorage1->SetLocation(std::make_unique<TTempIniLocation>(dir.Path()));
  form->PanelLeft->SetWidth(150);
  form.reset();
  PumpMessages();
  EXPECT_EQ(Ini(), original);
}

TEST_F(SettingsStoreTest, ALogOffSavesAsAClosingWindowDoes) {
  auto form = Start();
  const std::string texts = dir.MakeDir("Texts") + "\\";
  form->BrowseFiles->SetDirectory(texts);
  form->PanelLeft->SetWidth(170);
  EXPECT_EQ(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  // The process would end here: the file must hold the settings already.
  EXPECT_NE(Ini().find("BrowseFiles_Directory=" + texts + "\r\n"), std::string::npos);
  EXPECT_NE(Ini().find("PanelLeft_Width=170\r\n"), std::string::npos);
  // A session ended without the question first saves too.
  ASSERT_TRUE(DeleteFileW(Widen(IniPath()).c_str()));
  form->PanelLeft->SetWidth(180);
  SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_NE(Ini().find("PanelLeft_Width=180\r\n"), std::string::npos);
  Stop(form);
}

TEST_F(SettingsStoreTest, QuotedValuesAndEntriesResolveAsWritten) {
  const TSetup storeCaption = [](TForm1& f) {
    f.FormStorage1->SetStoredProps({" fmselect . Caption ", "NoDot", "Missing.Width", ".Width", "PanelLeft. "});
  };
  auto form = Start(nullptr, storeCaption);
  EXPECT_EQ(form->FormStorage1->StoredProps(), std::vector<std::string>{"FMselect.Caption"});
  form->FMselect->SetCaption("  \"quoted\"\t");
  form.reset();  // never asked to close: saved while destroyed
  EXPECT_NE(Ini().find("\r\nVisible=1\r\nFMselect_Caption=\"\"quoted\"\"\r\n"), std::string::npos);
  form = Start(nullptr, storeCaption);
  EXPECT_EQ(form->FMselect->Caption(), "\"quoted\"");
  Stop(form);
}

TEST_F(SettingsStoreTest, AFolderOutsideTheCodePageIsLostAloneAndAReadFailureStillShows) {
  const std::string foreign = dir.MakeDir("\xe6\x96\x87\xe5\xad\x97") + "\\";  // two CJK characters
  auto form = Start();
  form->BrowseFiles->SetDirectory(foreign);
  ASSERT_EQ(form->BrowseFiles->Directory(), foreign);
  form->PanelLeft->SetWidth(200);
  Stop(form);
  // The file holds the folder in the system code page, which has no such characters.
  EXPECT_NE(Ini().find("BrowseFiles_Directory=" + dir.Path() + "??\\\r\n"), std::string::npos);
  SetCurrentDirectoryW(Widen(dir.Path()).c_str());
  form = Start();
  EXPECT_EQ(form->BrowseFiles->Directory(), dir.Path());
  EXPECT_EQ(form->PanelLeft->Width(), 200);
  Stop(form);

  // A restore that fails is reported, and the window is still shown.
  struct TBroken : TIniLocation {
    std::wstring WindowsDirectory() const override { throw Exception("Settings unreadable"); }
  };
  form = Start(std::make_unique<TBroken>());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(Scripted().Last().Text, "Settings unreadable.");
}

TEST_F(SettingsStoreTest, TheWindowsOwnHandlersRunInTheirPlace) {
  // Show after the restore, close query before the save, destroy last.
  std::vector<std::string> calls;
  TFormPlacement* store = nullptr;
  auto mark = [&](const char* name, bool flag) { calls.push_back(name + std::string(flag ? "+" : "-")); };
  {
    TForm form(nullptr);
    form.OnShow = [&](TComponent*) { mark("show", store->Restored()); };
    form.OnCloseQuery = [&](TComponent*, bool& canClose) {
      mark("query", store->Saved());
      canClose = calls.size() > 2;
    };
    form.OnDestroy = [&](TComponent*) { mark("destroy", store->Saved()); };
    store = TComponent::Create<TFormPlacement>(&form);
    store->SetIniFileName("Scrivlet.ini");
    store->SetIniSection("User");
    store->SetLocation(std::make_unique<TTempIniLocation>(dir.Path()));
    store->EndLoading();
    form.ShowMain(SW_SHOWNORMAL);
    form.Close();  // refused by the window's handler: nothing saved
    EXPECT_FALSE(store->Saved());
    form.Close();
    EXPECT_TRUE(store->Saved());
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"show+", "query-", "query-", "destroy+"}));
  EXPECT_NE(Ini().find("NormPos="), std::string::npos);
}

TEST(FontParts, HeightsAreStoredAtNinetySixDotsPerInchAndSizeDecides) {
  TFont scaled;
  scaled.PixelsPerInch = 144;
  scaled.SetSize(8);
  EXPECT_EQ(TPropsStorage::FontPartText(scaled, 2), "-11");
  EXPECT_EQ(TPropsStorage::FontPartText(scaled, 5), "8");
  // So a file written on this screen reads as on a 96 one; read here, heights scale back.
  TFont read;
  read.PixelsPerInch = 144;
  TPropsStorage::SetFontPart(read, 2, "-20");
  EXPECT_EQ(read.Height, -30);
  TPropsStorage::SetFontPart(read, 5, "8");
  EXPECT_EQ(read.Height, -16);
}
