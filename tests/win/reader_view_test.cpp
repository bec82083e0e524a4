// The reader's view: its keys, the right press, files dropped over it, its sideways range,
// wide positions, and the unchanged-file check reading the shown text where it lies.
#include <Scintilla.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <cstring>
#include <functional>
#include <optional>

#include "filebrowser/filelist/DropFilesBlock.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/MainWindowFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
using ReaderViewTest = MainWindowTest;

// A reader whose view answers the messages `answer` takes from the test itself.
class TScriptedReader : public TReader {
 public:
  using TReader::TReader;
  std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> answer;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (answer)
      if (const std::optional<LRESULT> r = answer(msg, wParam, lParam)) return *r;
    return TReader::WndProc(msg, wParam, lParam);
  }
};

// A drop target that takes nothing: registering it tells whether the window has one.
class TNoDropTarget : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
};

LRESULT View(const TMemo& memo, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(memo.Handle(), msg, wParam, lParam);
}
}  // namespace

TEST_F(ReaderViewTest, ARightPressKeepsTheSelectionWhereverItLands) {
  LoadText("first word and more\r\nsecond line");
  HWND view = form->ReadText->Handle();
  const struct {
    const char* where;
    int x, y;
  } presses[] = {{"in the selection", 40, 5}, {"elsewhere in the text", 4, 20}, {"below the text", 30, 200}};
  for (const auto& p : presses) {
    form->ReadText->SetSel(6, 4);
    form->CopyMenu->SetEnabled(false);
    const int popups = Scripted().Count("popup");
    SendMessageW(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(form->ReadText->SelStart(), 6) << p.where;
    EXPECT_EQ(form->ReadText->SelLength(), 4) << p.where;
    EXPECT_TRUE(form->CopyMenu->Enabled()) << p.where;
    EXPECT_EQ(FocusedWindow(), view) << p.where;
    SendMessageW(view, WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    ASSERT_EQ(Scripted().Count("popup"), popups + 1) << p.where;
    EXPECT_EQ(Scripted().Last().Items.front(), "Copy To Clipboard") << p.where;
  }
}

TEST_F(ReaderViewTest, OnlyTheCaretKeysActInTheReader) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i) + " of the text\r\n";
  LoadText(text);
  TMemo& reader = *form->ReadText;
  HWND view = reader.Handle();
  reader.SetFocus();
  const std::int64_t middle = View(reader, SCI_POSITIONFROMLINE, 150) + 3;

  // Each listed key moves the caret; with Shift it selects.
  const struct {
    WORD key;
    bool ctrl;
  } caretKeys[] = {{VK_LEFT, false}, {VK_RIGHT, false}, {VK_UP, false},    {VK_DOWN, false}, {VK_HOME, false},
                   {VK_END, false},  {VK_PRIOR, false}, {VK_NEXT, false}, {VK_HOME, true},  {VK_END, true}};
  for (const auto& k : caretKeys) {
    for (const bool shift : {false, true}) {
      reader.SetSel(middle, 0);
      PressKey(view, k.key, {.Ctrl = k.ctrl, .Shift = shift});
      const std::int64_t caret = View(reader, SCI_GETCURRENTPOS);
      EXPECT_NE(caret, middle) << k.key << (k.ctrl ? " with Ctrl" : "") << (shift ? " with Shift" : "");
      EXPECT_EQ(reader.SelLength() > 0, shift) << k.key << (k.ctrl ? " with Ctrl" : "");
    }
  }

  // Every other key the view knows leaves clipboard, text, selection and place alone.
  const struct {
    WORD key;
    TKeyMods mods;
    const char* name;
  } otherKeys[] = {{'T', {.Ctrl = true, .Shift = true}, "Ctrl+Shift+T"},
                   {'L', {.Ctrl = true}, "Ctrl+L"},
                   {'L', {.Ctrl = true, .Shift = true}, "Ctrl+Shift+L"},
                   {'T', {.Ctrl = true}, "Ctrl+T"},
                   {'D', {.Ctrl = true}, "Ctrl+D"},
                   {'U', {.Ctrl = true}, "Ctrl+U"},
                   {VK_INSERT, {.Ctrl = true}, "Ctrl+Insert"},
                   {VK_DELETE, {.Shift = true}, "Shift+Delete"},
                   {VK_DOWN, {.Alt = true, .Shift = true}, "Alt+Shift+Down"},
                   {VK_RIGHT, {.Ctrl = true}, "Ctrl+Right"},
                   {VK_DOWN, {.Ctrl = true}, "Ctrl+Down"},
                   {VK_OEM_6, {.Ctrl = true}, "Ctrl+]"},
                   {VK_ESCAPE, {}, "Escape"}};
  for (const auto& k : otherKeys) {
    SetClipboardText("kept");
    reader.SetSel(middle, 4);
    View(reader, SCI_SETFIRSTVISIBLELINE, 140);
    PressKey(view, k.key, k.mods);
    EXPECT_EQ(ClipboardText(), "kept") << k.name;
    EXPECT_EQ(reader.SelStart(), middle) << k.name;
    EXPECT_EQ(reader.SelLength(), 4) << k.name;
    EXPECT_EQ(View(reader, SCI_GETFIRSTVISIBLELINE), 140) << k.name;
    EXPECT_EQ(reader.Bytes(), text) << k.name;
  }
}

TEST_F(ReaderViewTest, FilesDroppedOverTheReaderReachTheWindowsFileDrop) {
  HWND view = form->ReadText->Handle();
  // The reader is no drop target of its own: one can be registered there.
  TNoDropTarget probe;
  EXPECT_EQ(RegisterDragDrop(view, &probe), S_OK);
  RevokeDragDrop(view);

  // The shell hands a file drop to the first window under the point that accepts files.
  RECT rc{};
  GetWindowRect(view, &rc);
  POINT at{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ASSERT_EQ(WindowFromPoint(at), view);
  HWND target = view;
  while (target && !(GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)) target = GetParent(target);
  ASSERT_EQ(target, form->Handle());

  dir.MakeDir("to");
  const std::wstring source = Widen(dir.Write("dropped.txt", "dropped"));
  const std::vector<unsigned char> block = MakeDropFilesBlock({std::u16string(source.begin(), source.end())});
  HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE, block.size());
  std::memcpy(GlobalLock(drop), block.data(), block.size());
  GlobalUnlock(drop);
  form->BrowseFiles->SetDirectory(dir.File("to"));
  Scripted().FileOpAnswer = RealFileOperation;
  SendMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_NE(GetFileAttributesW(Widen(dir.File("to\\dropped.txt")).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ReaderViewTest, EachTextStartsWithItsOwnSidewaysRange) {
  form->WrapMenuClick(nullptr);
  ASSERT_FALSE(form->ReadText->WordWrap());
  const auto settle = [&] {
    UpdateWindow(form->ReadText->Handle());
    for (int i = 0; i < 20; ++i) {
      Sleep(10);
      Application->ProcessMessages();
    }
  };
  LoadText(std::string(5000, 'w') + "\r\nshort");
  settle();
  ASSERT_TRUE(ReaderStyle() & WS_HSCROLL);
  LoadText("one\r\ntwo", "two.txt");
  settle();
  EXPECT_FALSE(ReaderStyle() & WS_HSCROLL);
  EXPECT_LT(View(*form->ReadText, SCI_GETSCROLLWIDTH), form->ReadText->ClientWidth());
}

TEST_F(ReaderViewTest, PositionsPast2GiBStayWhole) {
  TForm host(nullptr);
  auto* reader = TComponent::Create<TScriptedReader>(&host, &host);
  constexpr LRESULT kStart = LRESULT{5} << 29, kEnd = LRESULT{7} << 29;  // 2.5 GiB and 3.5 GiB
  std::optional<std::pair<WPARAM, LPARAM>> set;
  reader->answer = [&](UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
    if (msg == SCI_GETSELECTIONSTART) return kStart;
    if (msg == SCI_GETSELECTIONEND) return kEnd;
    if (msg == SCI_SETSEL) {
      set = {wParam, lParam};
      return 0;
    }
    return std::nullopt;
  };
  EXPECT_EQ(reader->SelStart(), kStart);
  EXPECT_EQ(reader->SelLength(), kEnd - kStart);
  reader->Collapse();
  ASSERT_TRUE(set);
  EXPECT_EQ(set->first, static_cast<WPARAM>(kStart));
  EXPECT_EQ(set->second, kStart);
}

TEST_F(ReaderViewTest, ATextThatMayGrowPastNarrowPositionsGetsWideOnes) {
  TForm host(nullptr);
  auto* reader = TComponent::Create<TScriptedReader>(&host, &host);
  std::optional<LPARAM> options;
  reader->answer = [&](UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (msg != SCI_CREATELOADER) return std::nullopt;
    options = lParam;
    return 0;  // refused: nothing more is read
  };
  // Its first piece mends nothing, yet every byte after it may be a lone line feed.
  std::string piece;
  while (piece.size() < (std::size_t{16} << 20)) piece += "a line that ends as it should\r\n";
  const std::string path = dir.Write("grows.txt", piece);
  {
    UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    LARGE_INTEGER size{};
    size.QuadPart = std::int64_t{1} << 30;  // unwritten: no disk is taken
    ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file.get()));
  }
  const struct {
    std::string path;
    bool large;
  } cases[] = {{dir.Write("small.txt", "a\nb\nc"), false}, {path, true}};
  for (const auto& c : cases) {
    options.reset();
    EXPECT_THROW(reader->LoadFromFile(c.path), Exception);
    ASSERT_TRUE(options) << c.path;
    EXPECT_EQ((*options & SC_DOCUMENTOPTION_TEXT_LARGE) != 0, c.large) << c.path;
  }
}

TEST_F(ReaderViewTest, TheUnchangedCheckReadsTheShownTextWhereItLies) {
  TForm host(nullptr);
  auto* reader = TComponent::Create<TScriptedReader>(&host, &host);
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "line " + std::to_string(i) + "\r\n";
  const std::string path = dir.Write("same.txt", text);
  reader->LoadFromFile(path);
  reader->SetSel(100, 5);
  int gathered = 0;
  bool failRead = false;
  reader->answer = [&](UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == SCI_GETCHARACTERPOINTER) ++gathered;
    if (msg == SCI_GETRANGEPOINTER && failRead) return 0;
    return std::nullopt;
  };
  const LRESULT gap = View(*reader, SCI_GETGAPPOSITION);
  reader->LoadFromFile(path);
  EXPECT_EQ(gathered, 0);
  EXPECT_EQ(View(*reader, SCI_GETGAPPOSITION), gap);
  // The view cannot give its bytes: an error, not a crash, and the text stays.
  failRead = true;
  try {
    reader->LoadFromFile(path);
    ADD_FAILURE() << "the check went on without the shown text";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Text exceeds memo capacity");
  }
  failRead = false;
  EXPECT_EQ(reader->Bytes(), text);
  EXPECT_EQ(reader->SelStart(), 100);
  EXPECT_EQ(reader->SelLength(), 5);
}
