#include "filebrowser/filelist/FileListPopup.h"

#include <shellapi.h>
#include <shlobj.h>

#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/filelist/ViewTable.h"
#include "filebrowser/lang/DqConsts.h"
#include "filebrowser/lang/Language.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Utf.h"

namespace {
// Resource names of the item pictures, by glyph number.
constexpr const wchar_t* kGlyphNames[13] = {L"Open28",      L"View28",       L"SendTo28",  L"Cut28",    L"Copy28",
                                            L"Paste28",     L"ReName28",     L"Delete28",  L"Attributes28",
                                            L"NewFolder28", L"AnyFolder28",  L"ClipBoard28", L"DeskTop28"};
enum TGlyph { gOpen, gView, gSendTo, gCut, gCopy, gPaste, gRename, gDelete, gProperties, gNewFolder, gAnyFolder,
              gClipboard, gDesktop, gNone };

constexpr char kSendToPrefix[] = "Send_To";
constexpr int kFirstShortcutTag = 34;


// The number after "Send_To" in an item name, -1 when there is none.
int SendToNumber(const std::string& name) {
  const std::string prefix = kSendToPrefix;
  if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size()) return -1;
  int number = 0;
  for (std::size_t i = prefix.size(); i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9' || number > 100000) return -1;
    number = number * 10 + (name[i] - '0');
  }
  return number;
}
}  // namespace

TDqFilelistView28PopUp::TDqFilelistView28PopUp(TComponent* owner) : TPopupMenu(owner), language_(ListLanguage) {
  // Named by attributes alone: without them the shell looks at the current folder,
  // which costs a reading of it when the folder is big.
  SHFILEINFOW info{};
  const auto list = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
  if (list) SetImages(list);  // the shell's list, shared: never destroyed here
}

TDqFilelistView28PopUp::~TDqFilelistView28PopUp() {
  // The items go before the glyphs they show (none were made when none were wanted).
  built_ = true;
  Items().Clear();
  DestroyComponents();
}

TMenuItem* TDqFilelistView28PopUp::MakeItem(const std::string& caption, TShortCut shortCut, HBITMAP glyph, int tag,
                                            const std::string& name, TNotifyEvent onClick, int groupIndex,
                                            bool enabled, bool checked) {
  TMenuItem* item = Create<TMenuItem>(this);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  item->SetBitmap(glyph);
  item->SetTag(tag);
  item->SetName(name);
  item->OnClick = std::move(onClick);
  item->SetGroupIndex(groupIndex);
  item->SetEnabled(enabled);
  item->SetChecked(checked);
  return item;
}

TMenuItem* TDqFilelistView28PopUp::AddTo(TMenuItem& parent, const std::string& caption, int glyph, int tag,
                                         const std::string& name) {
  HBITMAP picture = glyph == gNone ? nullptr : glyphs_[static_cast<std::size_t>(glyph)].get();
  TMenuItem* item = MakeItem(caption, 0, picture, tag, name, [this](TComponent* s) { ItemClick(s); }, 0, true, false);
  parent.Add(item);
  return item;
}

std::string TDqFilelistView28PopUp::Caption(TStringKey key) const {
  return std::string(LanguageText(key, language_));
}

void TDqFilelistView28PopUp::BuildMenu() {
  if (built_) return;
  built_ = true;
  const HINSTANCE module = GetModuleHandleW(nullptr);
  for (std::size_t i = 0; i < glyphs_.size(); ++i)
    glyphs_[i].reset(static_cast<HBITMAP>(LoadImageW(module, kGlyphNames[i], IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
  TMenuItem& root = Items();
  AddTo(root, Caption(TStringKey::MnuListOpen), gOpen, 1, "ItemOpen");
  AddTo(root, Caption(TStringKey::MnuListView), gView, 2, "ItemView");
  AddTo(root, "-", gNone, 0, "");
  sendToMenu_ = AddTo(root, Caption(TStringKey::MnuListSendTo), gSendTo, 3, "SubMenuSend");
  AddTo(root, "-", gNone, 0, "");
  AddTo(root, Caption(TStringKey::MnuListCut), gCut, 4, "ItemOpCut");
  AddTo(root, Caption(TStringKey::MnuListCopy), gCopy, 5, "ItemOpCopy");
  AddTo(root, Caption(TStringKey::MnuListPaste), gPaste, 6, "ItemOpPaste");
  AddTo(root, "-", gNone, 0, "");
  AddTo(root, Caption(TStringKey::MnuListRename), gRename, 7, "ItemRename");
  AddTo(root, Caption(TStringKey::MnuListDelete), gDelete, 8, "ItemDelete");
  AddTo(root, "-", gNone, 0, "");
  AddTo(root, Caption(TStringKey::MnuListProperties), gProperties, 9, "ItemProperty");
  AddTo(root, "-", gNone, 0, "");
  AddTo(root, Caption(TStringKey::MnuListNewFolder), gNewFolder, 10, "ItemFolder");

  AddTo(*sendToMenu_, Caption(TStringKey::MnuListAnyFolder), gAnyFolder, 30, "Send_To0");
  AddTo(*sendToMenu_, Caption(TStringKey::MnuListClipboardContents), gClipboard, 31, "Send_To1");
  AddTo(*sendToMenu_, Caption(TStringKey::MnuListClipboardFileName), gClipboard, 32, "Send_To2");
  AddTo(*sendToMenu_, Caption(TStringKey::MnuListDesktopShortcut), gDesktop, 33, "Send_To3");
  AddSendToEntries();
}

void TDqFilelistView28PopUp::AddSendToEntries() {
  sendToPaths_.clear();
  std::string folder;
  if (!sendToMenu_ || !ShellFolderPath(nullptr, folder, CSIDL_SENDTO)) return;
  std::string pattern;
  CombinePath(folder, "*.LNK", pattern);
  WIN32_FIND_DATAW found{};
  const UniqueFind search(FindFirstFileW(Widen(pattern).c_str(), &found));
  if (!search) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    std::string path;
    CombinePath(folder, Narrow(name), path);
    SHFILEINFOW info{};
    SHGetFileInfoW(Widen(path).c_str(), 0, &info, sizeof info,
                   SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_SMALLICON);
    const int k = static_cast<int>(sendToPaths_.size());
    TMenuItem* item = MakeItem(Narrow(info.szDisplayName), 0, nullptr, kFirstShortcutTag + k,
                               kSendToPrefix + std::to_string(4 + k), [this](TComponent* s) { ItemClick(s); }, 1,
                               true, false);
    item->SetImageIndex(info.iIcon);
    sendToMenu_->Add(item);
    sendToPaths_.push_back(path);
  } while (FindNextFileW(search.get(), &found));
}

bool TDqFilelistView28PopUp::ShellFolderPath(HWND owner, std::string& path, int id) {
  LPITEMIDLIST ids = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, id, &ids)) || !ids) return false;
  const UniqueItemIdList held(ids);
  std::wstring buffer(32768, L'\0');
  if (!SHGetPathFromIDListEx(ids, buffer.data(), static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT)) return false;
  buffer.resize(buffer.find(L'\0'));
  if (buffer.empty()) return false;
  path = Narrow(buffer);
  return true;
}

TMenuItem* TDqFilelistView28PopUp::FindItem(const std::string& name) {
  BuildMenu();
  for (int i = 0; i < ComponentCount(); ++i)
    if (Component(i)->Name() == name) return dynamic_cast<TMenuItem*>(Component(i));
  return nullptr;
}

void TDqFilelistView28PopUp::Popup(int x, int y) {
  TDqFilelistView28* list = fileListView_;
  if (list) {
    const int index = list->Selected();
    const bool one = index >= 0;
    const bool single = list->SelCount() == 1;
    const std::string ext = one ? UpperExt(list->EntryPath(index)) : "";
    auto enable = [this](const char* name, bool on) {
      if (TMenuItem* item = FindItem(name)) item->SetEnabled(on);
    };
    enable("ItemOpen", one);
    enable("ItemView", one && ViewProgramFor(ext) != nullptr);
    enable("SubMenuSend", one);
    enable("ItemOpCut", one);
    enable("ItemOpCopy", one);
    enable("ItemOpPaste", !list->PendingFiles().empty() || IsClipboardFormatAvailable(CF_HDROP));
    enable("ItemRename", one && single);
    enable("ItemDelete", one);
    enable("ItemProperty", one);
    enable("ItemFolder", !list->IsDrivesView());
    enable("Send_To0", one);
    enable("Send_To1", single && CanSendContents(ext));
    enable("Send_To2", one);
    enable("Send_To3", one);
  }
  TPopupMenu::Popup(x + 10, y + 10);
}

void TDqFilelistView28PopUp::ItemClick(TComponent* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  TDqFilelistView28* list = fileListView_;
  if (!item || !list || item->Name().empty() || item->Tag() == 0) return;
  switch (item->Tag()) {
    case 1: list->OpenSelected(); return;
    case 2: list->ViewSelected(); return;
    case 4: list->CollectSelection(2); return;
    case 5: list->CollectSelection(0); return;
    case 6: list->PasteFiles(); return;
    case 7: list->BeginRename(); return;
    case 8: list->DeleteSelected(); return;
    case 9: list->ShowSelectedProperties(); return;
    case 10: list->NewFolder(); return;
    default: break;
  }
  // Every digit after the prefix counts, so any number of shortcuts keeps its own entry.
  const int number = SendToNumber(item->Name());
  if (number < 0) return;
  if (number < 4) {
    list->SendTo(number);
  } else if (static_cast<std::size_t>(number - 4) < sendToPaths_.size()) {
    // A copy: the command may replace this menu.
    const std::string path = sendToPaths_[static_cast<std::size_t>(number - 4)];
    list->SendToEntry(path);
  }
}
