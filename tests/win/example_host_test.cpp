// The example host program, started as a user would start it and driven by the mouse
// and the keyboard from outside.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/TestFiles.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
// The example is built next to the tests: build\examples beside build\tests.
std::wstring ExamplePath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  path.resize(path.rfind(L'\\'));
  return path.substr(0, path.rfind(L'\\')) + L"\\examples\\folder_tree_example.exe";
}

bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Polls until the condition holds or five seconds have passed.
bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 100; ++i) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}

struct TFound {
  DWORD process = 0;
  const wchar_t* className = nullptr;
  HWND control = nullptr;
};

// A control of the example's window, once the window is there.
HWND ControlOf(DWORD process, const wchar_t* className) {
  TFound found{process, className, nullptr};
  EnumWindows(
      [](HWND top, LPARAM param) {
        auto* f = reinterpret_cast<TFound*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(top, &owner);
        if (owner != f->process) return TRUE;
        f->control = FindWindowExW(top, nullptr, f->className, nullptr);
        return f->control ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.control;
}

void Send(std::initializer_list<INPUT> inputs) {
  std::vector<INPUT> all(inputs);
  SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
}

void PressKey(WORD key) {
  INPUT down{}, up{};
  down.type = up.type = INPUT_KEYBOARD;
  down.ki.wVk = up.ki.wVk = key;
  up.ki.dwFlags = KEYEVENTF_KEYUP;
  Send({down, up});
}

class ExampleHost : public ::testing::Test {
 protected:
  void TearDown() override {
    if (!process_) return;
    if (HWND top = tree_ ? GetAncestor(tree_, GA_ROOT) : nullptr) PostMessageW(top, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
  }

  // Starts the example in the temporary folder with the argument; false when it did not come up.
  bool Start(const std::string& argument) {
    std::wstring command = L"\"" + ExamplePath() + L"\" " + Widen(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, Widen(dir.Path()).c_str(),
                        &startup, &info))
      return false;
    process_.reset(info.hProcess);
    UniqueFile thread(info.hThread);
    processId_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
    const bool up = WaitFor([&] {
      list_ = ControlOf(processId_, WC_LISTVIEWW);
      tree_ = ControlOf(processId_, WC_TREEVIEWW);
      return list_ && SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0) > 0;
    });
    // Keys go to the window in front.
    if (up) SetForegroundWindow(GetAncestor(tree_, GA_ROOT));
    return up;
  }
  // A key pressed and released once the tree has the keyboard.
  bool Key(WORD key) {
    const bool focused = WaitFor([&] {
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      return GetGUIThreadInfo(threadId_, &info) && info.hwndFocus == tree_;
    });
    PressKey(key);
    Settle();
    return focused;
  }
  // The example has taken the input sent so far: the next action comes after, as a
  // user's next action does, not in the middle of a listing the last one started.
  void Settle() const {
    Sleep(50);
    WaitForInputIdle(process_.get(), 5000);
  }

  HTREEITEM Next(HTREEITEM item, UINT how) const {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
  }
  HTREEITEM Highlighted() const { return Next(nullptr, TVGN_CARET); }
  // The node's sub-folders, listed when needed, in caption order.
  std::vector<HTREEITEM> Children(HTREEITEM parent) const {
    SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = Next(parent, TVGN_CHILD); child; child = Next(child, TVGN_NEXT)) children.push_back(child);
    return children;
  }
  // Presses and releases a button over the node's caption, as the mouse does.
  void Click(HTREEITEM item, bool right = false) {
    SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    // The example's tree answers into its own memory: the request and the answer travel there.
    RECT rc{};
    std::memcpy(&rc, &item, sizeof item);  // the request names the item where the answer goes
    void* remote = VirtualAllocEx(process_.get(), nullptr, sizeof rc, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process_.get(), remote, &rc, sizeof rc, nullptr);
    SendMessageW(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process_.get(), remote, &rc, sizeof rc, nullptr);
    VirtualFreeEx(process_.get(), remote, 0, MEM_RELEASE);
    POINT at{rc.left + 4, (rc.top + rc.bottom) / 2};
    ClientToScreen(tree_, &at);
    SetCursorPos(at.x, at.y);
    INPUT down{}, up{};
    down.type = up.type = INPUT_MOUSE;
    down.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    up.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    Send({down, up});
    if (!right) WaitFor([&] { return Highlighted() == item; });
    Settle();
  }
  // Picks a command of the tree's menu by its underlined letter, once the menu is open.
  bool PickFromMenu(WORD letter) {
    auto menuOpen = [] {
      HWND menu = FindWindowW(L"#32768", nullptr);
      return menu && IsWindowVisible(menu);
    };
    if (!WaitFor(menuOpen)) return false;
    PressKey(letter);
    return WaitFor([&] { return !menuOpen(); });
  }

  TTempDir dir;
  UniqueFile process_;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
  HWND list_ = nullptr;
  HWND tree_ = nullptr;
};

TEST_F(ExampleHost, ARelativeFolderArgumentIsListed) {
  dir.MakeDir("docs");
  dir.Write("docs\\read me.txt", "r");
  ASSERT_TRUE(Start("docs")) << Narrow(ExamplePath());
}

TEST_F(ExampleHost, CutThenAClickElsewhereThenPasteMovesWhatWasCut) {
  for (const char* name : {"A", "B", "C"}) dir.MakeDir(name);
  ASSERT_TRUE(Start("\"" + dir.Path() + ".\""));
  const std::vector<HTREEITEM> folders = Children(Highlighted());
  ASSERT_EQ(folders.size(), 3u);
  const HTREEITEM a = folders[0], b = folders[1], c = folders[2];
  Click(a, true);
  ASSERT_TRUE(PickFromMenu('T'));
  Click(b);
  Click(c, true);
  ASSERT_TRUE(PickFromMenu('P'));
  EXPECT_TRUE(WaitFor([&] { return Exists(dir.File("C\\A")); }));
  EXPECT_FALSE(Exists(dir.File("A")));
  EXPECT_TRUE(Exists(dir.File("B")));
  EXPECT_FALSE(Exists(dir.File("C\\B")));
}

TEST_F(ExampleHost, CutByKeyboardMarksTheHighlightedFolder) {
  dir.MakeDir("A");
  dir.MakeDir("A\\Inner");
  dir.MakeDir("C");
  ASSERT_TRUE(Start("\"" + dir.Path() + ".\""));
  const std::vector<HTREEITEM> folders = Children(Highlighted());
  ASSERT_EQ(folders.size(), 2u);
  const HTREEITEM a = folders[0], c = folders[1];
  ASSERT_EQ(Children(a).size(), 1u);
  Click(Children(a)[0]);  // Inner
  ASSERT_TRUE(Key(VK_BACK));
  ASSERT_TRUE(WaitFor([&] { return Highlighted() == a; }));
  ASSERT_TRUE(Key(VK_APPS));
  ASSERT_TRUE(PickFromMenu('T'));
  Click(c);
  ASSERT_TRUE(Key(VK_APPS));
  ASSERT_TRUE(PickFromMenu('P'));
  EXPECT_TRUE(WaitFor([&] { return Exists(dir.File("C\\A\\Inner")); }));
  EXPECT_FALSE(Exists(dir.File("A")));
  EXPECT_FALSE(Exists(dir.File("C\\Inner")));
}
}  // namespace
