#include "tests/win/support/MainWindowFixture.h"

#include "tests/win/support/TempIniLocation.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

void MainWindowTest::SetUp() {
  form = std::make_unique<TForm1>(nullptr);
  // The settings file of each test stays in its own folder.
  form->FormStorage1->SetLocation(std::make_unique<TTempIniLocation>(dir.Path()));
  Application->SetMainForm(form.get());
  form->ShowMain(SW_SHOWNORMAL);
  SetForegroundWindow(form->Handle());
  PumpMessages();
}

void MainWindowTest::TearDown() {
  Application->SetMainForm(nullptr);
  form.reset();
  PumpMessages();
}

void MainWindowTest::LoadText(std::string_view bytes, std::string_view name) {
  form->ReadText->LoadFromFile(dir.Write(name, bytes));
}

namespace {
template <class Char>
std::basic_string<Char> ClipboardString(UINT format) {
  std::basic_string<Char> text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE h = GetClipboardData(format)) {
    if (auto* p = static_cast<const Char*>(GlobalLock(h))) {
      text = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}
}  // namespace

std::string MainWindowTest::ClipboardText() { return ClipboardString<char>(CF_TEXT); }

std::wstring MainWindowTest::ClipboardUnicode() { return ClipboardString<wchar_t>(CF_UNICODETEXT); }

int MainWindowTest::CountReaderChanges(const std::function<void()>& action) {
  int changes = 0;
  auto previous = form->ReadText->OnChange;
  form->ReadText->OnChange = [&](TComponent* s) {
    ++changes;
    previous(s);
  };
  action();
  form->ReadText->OnChange = previous;
  return changes;
}

void MainWindowTest::SetClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(mem), text.c_str(), text.size() + 1);
  GlobalUnlock(mem);
  SetClipboardData(CF_TEXT, mem);  // the clipboard owns the block from here
  CloseClipboard();
}

LONG MainWindowTest::ReaderStyle() const { return GetWindowLongW(form->ReadText->Handle(), GWL_STYLE); }
