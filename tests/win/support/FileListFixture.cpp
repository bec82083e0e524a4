#include "tests/win/support/FileListFixture.h"

#include <commctrl.h>

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

void FileListTest::SetUp() {
  form = std::make_unique<TForm>(nullptr);
  form->SetBounds(20, 20, 640, 480);
  view = TComponent::Create<TDqFilelistView28>(form.get(), form.get());
  view->SetAlign(TAlign::alClient);
}

void FileListTest::TearDown() {
  form.reset();
  PumpMessages();
}

std::vector<std::string> FileListTest::Captions() const {
  std::vector<std::string> out;
  for (const TListItem& item : view->Items()) out.push_back(item.Caption);
  return out;
}

int FileListTest::IndexOf(const std::string& caption) const {
  for (int i = 0; i < view->Count(); ++i)
    if (view->Item(i).Caption == caption) return i;
  return -1;
}

TListItem FileListTest::Entry(const std::string& caption) const {
  static const TListItem kMissing;
  const int i = IndexOf(caption);
  EXPECT_GE(i, 0) << "no entry \"" << caption << "\"";
  return i >= 0 ? view->Item(i) : kMissing;
}

std::string FileListTest::WriteSized(std::string_view name, std::size_t bytes) const {
  return dir.Write(name, std::string(bytes, 'x'));
}

void FileListTest::ListTempDir() { view->SetDirectory(dir.Path()); }

void FileListTest::SetWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour,
                                WORD minute) {
  // Given in local time, as the list shows it.
  const FILETIME ft = UtcOfLocal(year, month, day, hour, minute);
  const DWORD attrs = GetFileAttributesW(Widen(path).c_str());
  const DWORD flags = (attrs & FILE_ATTRIBUTE_DIRECTORY) ? FILE_FLAG_BACKUP_SEMANTICS : 0;
  UniqueFile f(CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, flags, nullptr));
  ASSERT_TRUE(f) << path;
  ASSERT_TRUE(SetFileTime(f.get(), nullptr, nullptr, &ft));
}

void FileListTest::SetAttributes(const std::string& path, DWORD attributes) {
  ASSERT_TRUE(SetFileAttributesW(Widen(path).c_str(), attributes)) << path;
}

std::string ShownText(const TListView& list, int item, int column) {
  wchar_t buf[512] = {};
  LVITEMW it{};
  it.iSubItem = column;
  it.pszText = buf;
  it.cchTextMax = 512;
  SendMessageW(list.Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
  return Narrow(buf);
}
