// The stand-alone tree's folder contents window: a small tool window inside the tree,
// filling it, that lists the files of the selected folder; OK picks one, a double click
// opens one. However it is closed, it is freed.
#include <windows.h>
#include <shellapi.h>

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/folders/DirTreeRules.h"
#include "filebrowser/shell/PathRules.h"
#include "filebrowser/shell/ShellRun.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"
#include "toolkit/HintWindow.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"
#include "toolkit/Utf.h"

namespace {
constexpr UINT kFreeContentsMessage = WM_APP + 21;
}

void TDqDirTree21::ShowFolderContents() {
  if (contentsWindow_ || selectedPath_.empty() || IsDrivesToken(selectedPath_)) return;
  contentsFolder_ = WithTrailingBackslash(selectedPath_);
  const std::string suffix = contentsFolder_.size() == 3
                                 ? "\" " + contentsFolder_.substr(0, 1) + ":\\ \""
                                 : "\" ..\\" + ExtractFileName(StripTrailingBackslash(contentsFolder_)) + " \"";
  if (TTreeNode root = GetFirstNode()) root.Collapse(true);

  TForm* window = Create<TForm>(this);
  contentsWindow_ = window;
  window->SetParent(this);
  window->SetBorderStyle(TFormBorderStyle::bsSizeToolWin);
  window->SetCaption("Files in " + suffix);
  window->SetAlign(TAlign::alClient);
  // Closed by any means, the window goes once the closing message has returned.
  window->OnClose = [this](TComponent*) { PostMessageW(Handle(), kFreeContentsMessage, 0, 0); };
  TPanel* bottom = Create<TPanel>(window, window);
  bottom->SetHeight(22);
  bottom->SetAlign(TAlign::alBottom);
  TPanel* right = Create<TPanel>(window, bottom);
  right->SetWidth(80);
  right->SetAlign(TAlign::alRight);
  TButton* ok = Create<TButton>(window, right);
  ok->SetCaption("&OK");
  ok->SetBounds(1, 1, 60, 22);
  ok->SetModalResult(mrOk);
  ok->SetDefault(true);
  if (!okGlyph_)
    okGlyph_.reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), L"Kind_OK", IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
  ok->SetGlyph(okGlyph_.get());
  ok->OnClick = [this](TComponent*) { ContentsOk(); };
  contentsList_ = Create<TListView>(window, window);
  contentsList_->SetAlign(TAlign::alClient);
  contentsList_->SetViewStyle(TViewStyle::vsList);
  contentsList_->SetHideSelection(false);
  contentsList_->SetSmallImages(Images());
  contentsList_->OnDblClick = [this](TComponent*) { ContentsOpen(); };
  contentsHint_ = std::make_unique<THintWindow>(*contentsList_);
  contentsHint_->SetText("LeftClick - Select\rDblClick  - Open");
  {
    THourglass hourglass;
    contentsList_->BeginUpdate();
    WIN32_FIND_DATAW found;
    UniqueFind search(FindFirstFileW(Widen(contentsFolder_ + "*.*").c_str(), &found));
    if (search) {
      do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        TListItem item;
        item.Caption = Narrow(found.cFileName);
        const std::string full = contentsFolder_ + item.Caption;
        SHFILEINFOW info{};
        SHGetFileInfoW(Widen(full).c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        item.ImageIndex = info.iIcon;
        item.SubItems.Append(full);
        contentsList_->AddItem(std::move(item));
      } while (FindNextFileW(search.get(), &found));
    }
    contentsList_->OnCompare = [](TComponent*, const TListItem& a, const TListItem& b, int, int& result) {
      result = lstrcmpiW(Widen(a.Caption).c_str(), Widen(b.Caption).c_str());
    };
    contentsList_->AlphaSort();
    contentsList_->EndUpdate();
  }
  if (contentsList_->Count() > 0) contentsList_->SetSelected(0, true);
  // Above anything else the tree holds, such as a caption being edited.
  SetWindowPos(window->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  window->Show();
}

void TDqDirTree21::ContentsOpen() {
  if (!contentsWindow_ || !contentsList_) return;
  const int index = contentsList_->Selected();
  contentsWindow_->Hide();
  if (index >= 0) {
    const std::string file(contentsList_->Item(index).SubItems[0]);
    ShellExecuteWithMessage("Open", file, "", ExtractFilePath(file), SW_SHOW);
  }
  contentsWindow_->Show();
}

void TDqDirTree21::ContentsOk() {
  if (!contentsWindow_ || !contentsList_) return;
  const int index = contentsList_->Selected();
  selectedFile_ = index >= 0 ? std::string(contentsList_->Item(index).SubItems[0]) : std::string();
  if (index >= 0 && OnFileChange) OnFileChange(this, selectedFile_);
  contentsWindow_->Hide();
  // The window goes once the button's click has returned.
  PostMessageW(Handle(), kFreeContentsMessage, 0, 0);
  ShowPath(contentsFolder_);
}

void TDqDirTree21::FreeContentsWindow() {
  TForm* window = contentsWindow_;
  contentsWindow_ = nullptr;
  contentsList_ = nullptr;
  contentsHint_.reset();
  if (window) FreeComponent(window);
}

bool TDqDirTree21::IsFreeContentsMessage(UINT msg) { return msg == kFreeContentsMessage; }
