#include "filebrowser/filelist/FileListView.h"

#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/FileListPopup.h"
#include "filebrowser/filelist/OwnerDropHook.h"
#include "filebrowser/lang/LanguageDefaults.h"
#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/DiskSpace.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Application.h"
#include "toolkit/AsciiText.h"
#include "toolkit/Locale.h"
#include "toolkit/Utf.h"

namespace {

bool SameTextNoCase(const std::string& a, const std::string& b) {
  const std::wstring wa = Widen(a), wb = Widen(b);
  return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size()),
                              TRUE) == CSTR_EQUAL;
}

bool FolderExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attrs = GetFileAttributesW(Widen(path).c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

TDqFilelistView28::TDqFilelistView28(TComponent* owner, TControl* parent)
    : TListView(owner, parent, TDeferHandle{}) {
  auto entries = std::make_unique<TFileEntries>();
  entries_ = entries.get();
  SetItemSource(std::move(entries));
  SetMultiSelect(true);
  SetReadOnly(false);
  SetDateFormat(df_Customize);
  SetTimeFormat(tfShortFormat);
  SetHideSelection(false);
  parentDirEnabled_ = true;

  CreateImageLists();

  SetViewStyle(TViewStyle::vsReport);
  mask_ = "*.*";

  sort_ = TSortState{};
  OnCompare = [this](TComponent* sender, const TListItem& a, const TListItem& b, int data, int& result) {
    CompareItems(sender, a, b, data, result);
  };
  OnColumnClick = [this](TComponent* sender, int column) { SortByColumn(sender, column); };
  const HINSTANCE module = GetModuleHandleW(nullptr);
  constexpr UINT kArrowFlags = LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT;
  arrowUp_.reset(static_cast<HBITMAP>(LoadImageW(module, L"Bmp_Up28", IMAGE_BITMAP, 0, 0, kArrowFlags)));
  arrowDown_.reset(static_cast<HBITMAP>(LoadImageW(module, L"Bmp_Down28", IMAGE_BITMAP, 0, 0, kArrowFlags)));

  colWidths_ = {165, 75, 95, 125, 40};
  SetShowColumnHeaders(true);
  showFolders_ = true;
  dblClickToOpen_ = true;
  sort_.Sortable = true;

  SetLanguage(lnEnglish);

  fileType_ = TFileType{ftReadOnly, ftHidden, ftSystem, ftArchive};
  if (parentDirCaption_.empty()) SetParentDirCaption("Parent");
  directory_ = kDrivesFolder;

  // Nothing is listed until a property that re-lists is written or UpdateFileList is called.
  CreateHandle();
  if (auto* windowed = dynamic_cast<TControl*>(owner); windowed && windowed->Handle())
    dropHook_ = std::make_unique<TOwnerDropHook>(windowed->Handle(), *this);
}

TDqFilelistView28::~TDqFilelistView28() = default;

void TDqFilelistView28::HandleCreated() {
  TListView::HandleCreated();
  CreateFileColumns();
}

void TDqFilelistView28::Loaded() {
  TListView::Loaded();
  // The window was made before the layout gave its column widths: build them again.
  if (Handle() && folderColumnsInPlace_) CreateFileColumns();
}

bool IsDrivesFolder(std::string_view path) { return SameTextAscii(path, kDrivesFolder); }

// ---- properties -------------------------------------------------------------------

bool TDqFilelistView28::IsDrivesView() const { return IsDrivesFolder(directory_); }

void TDqFilelistView28::SetDirectory(const std::string& value) {
  if (SameTextNoCase(value, directory_)) return;
  std::string folder = value;
  const bool drives = IsDrivesFolder(value);
  if (!drives) {
    if (!FolderExists(value)) return;
    folder = WithTrailingBackslash(value);
    // The selection's sizes are looked up relative to the current directory.
    SetCurrentDirectoryW(Widen(folder).c_str());
  }
  directory_ = std::move(folder);
  if (!Loading()) UpdateFileList();
}

void TDqFilelistView28::SetMask(const std::string& value) {
  if (value == mask_) return;
  mask_ = value;
  if (!Loading()) UpdateFileList();
}

void TDqFilelistView28::SetFileType(TFileType value) {
  if (value == fileType_) return;
  fileType_ = value;
  if (!Loading()) UpdateFileList();
}

void TDqFilelistView28::SetShowFolders(bool value) {
  if (value == showFolders_) return;
  showFolders_ = value;
  if (!Loading()) UpdateFileList();
}

void TDqFilelistView28::SetParentDirCaption(const std::string& value) {
  const std::string wanted(TrimBlanks(value));
  if (SameTextNoCase(wanted, std::string(TrimBlanks(parentDirCaption_)))) return;
  // The leading blank sorts the parent entry before every name.
  parentDirCaption_ = " " + wanted;
}

void TDqFilelistView28::SetDateFormat(TDtFormat value) {
  dateFormat_ = value;
  datePattern_ = DatePatternFor(value, LocaleText(GetThreadLocale(), LOCALE_SSHORTDATE));
}

void TDqFilelistView28::SetTimeFormat(TTmFormat value) {
  timeFormat_ = value;
  timePattern_ = TimePatternFor(value, FormatSettings, LocaleText(GetThreadLocale(), LOCALE_STIMEFORMAT));
}

void TDqFilelistView28::SetLanguage(TLanguage value) {
  value = ResolveSystemLanguage(value);
  if (value == language_) return;
  language_ = value;
  ListLanguage = value;
  LoadFileListMessages();
  RebuildPopupMenu();
  // The new window builds the folder-view columns with titles in the new language; the
  // entries stay.
  RecreateWnd();
}

void TDqFilelistView28::RebuildPopupMenu() {
  // A menu made already is made again in the new language; one never wanted stays unmade.
  const bool made = builtInMenu_ && builtInMenu_->Built();
  if (builtInMenu_) {
    TDqFilelistView28PopUp* old = builtInMenu_;
    builtInMenu_ = nullptr;
    FreeComponent(old);
  }
  if (Application) Application->ProcessMessages();
  builtInMenu_ = Create<TDqFilelistView28PopUp>(this);
  builtInMenu_->SetFileListView(this);
  if (made) builtInMenu_->BuildMenu();
  builtInMenu_->SetAutoPopup(true);
  SetPopupMenu(builtInMenu_);
  popUpMenuEnabled_ = true;
}

void TDqFilelistView28::SetPopUpMenuEnabled(bool value) {
  if (value == popUpMenuEnabled_) return;
  popUpMenuEnabled_ = value;
  if (value) {
    SetPopupMenu(builtInMenu_);
    return;
  }
  SetPopupMenu(nullptr);
  if (Handle() && GetCapture() == Handle()) ReleaseCapture();
}

void TDqFilelistView28::SetSelectedItem(const std::string& value) {
  if (value != selectedItem_) selectedItem_ = value;
}

// ---- selection ----------------------------------------------------------------------

int TDqFilelistView28::SelectedNumber() const {
  const int selected = SelCount();
  return selected > 0 ? selected : Count();
}

std::int64_t TDqFilelistView28::SelectedSize() const {
  std::int64_t total = 0;
  for (int i = NextSelected(-1); i >= 0; i = NextSelected(i)) {
    // The entry's own path: the current directory may have been moved by someone else.
    const std::string path = EntryPath(i);
    if (ExtractFileName(path).empty()) continue;  // a drive root names no entry
    WIN32_FIND_DATAW found;
    UniqueFind find(FindFirstFileW(Widen(path).c_str(), &found));
    if (!find) continue;
    total += static_cast<std::int64_t>((static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
  }
  return total;
}

std::int64_t TDqFilelistView28::DriveFreeSpace() const {
  if (IsDrivesView() || directory_.empty()) return 0;
  return DiskFreeKB(directory_.substr(0, 1) + ":\\");
}
