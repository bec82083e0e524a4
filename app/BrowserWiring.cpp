// The main window's half that drives the browser pane: start-up listing, the file
// click that fills the reader, the tree height rule, Show Folders, Browser Font and
// Default Settings.
#include <windows.h>

#include "app/Unit1.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
// The process's current directory, however long it is.
std::string CurrentDirectory() {
  std::wstring buffer;
  for (DWORD size = GetCurrentDirectoryW(0, nullptr); size > 0;) {
    buffer.assign(size, L'\0');
    const DWORD written = GetCurrentDirectoryW(size, buffer.data());
    // It may have grown in between: then the call asks for more room.
    if (written < size) {
      buffer.resize(written);
      return Narrow(buffer);
    }
    size = written;
  }
  return {};
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attrs = GetFileAttributesW(Widen(path).c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
}  // namespace

// ---- start-up -------------------------------------------------------------------------

void TForm1::FormCreate(TComponent*) {
  const std::string before = BrowseFiles->Directory();
  BrowseFiles->SetDirectory(CurrentDirectory());
  // A new folder was listed just now; otherwise list what the list shows.
  if (BrowseFiles->Directory() == before) BrowseFiles->UpdateFileList();
  MarkStart("listing");
  OpenListedPathInCombo();
  MarkStart("tree locate");
  FitTreeHeight();
  // FocusMenu still has its design state here, so the list always starts with the focus.
  SetActiveControl(FocusMenu->Checked() ? static_cast<TControl*>(BrowseFiles) : ReadText);
  BrowseFiles->SetShowFolders(FolderMenu->Checked());
  MarkStart("create rest");
}

void TForm1::FormShow(TComponent*) {
  MarkStart("settings read");
  // The stored settings may have moved the list to another folder.
  OpenListedPathInCombo();
  MarkStart("tree locate again");
}

void TForm1::FormResize(TComponent*) { FitTreeHeight(); }

void TForm1::BrowseDrivesClick(TComponent*) { FitTreeHeight(); }

// ---- the file click ---------------------------------------------------------------------

void TForm1::BrowseFilesClick(TComponent*) {
  // A failed load ends here: the reader, DblClickToOpen, focus and bars stay as they were.
  if (FileExists(BrowseFiles->SelectedItem())) {
    ReadText->LoadFromFile(BrowseFiles->SelectedItem());
    ReadText->Repaint();
    // A double click on the file shows it; it does not open it with another program.
    BrowseFiles->SetDblClickToOpen(false);
  } else {
    // A folder, a drive, the parent entry, or a file that has gone.
    ReadText->Clear();
    ReadText->Repaint();
    BrowseFiles->SetDblClickToOpen(true);
  }
  SetActiveControl(FocusMenu->Checked() ? static_cast<TControl*>(BrowseFiles) : ReadText);
  MatchScrollBarsToWrap();
}

void TForm1::MatchScrollBarsToWrap() {
  ReadText->SetScrollBars(ReadText->WordWrap() ? TScrollStyle::ssVertical : TScrollStyle::ssBoth);
}

// ---- commands -----------------------------------------------------------------------------

void TForm1::FontMenuBClick(TComponent*) {
  if (FontBrowse->Execute(Handle())) {
    BrowseDrives->SetFont(FontBrowse->Font());
    BrowseFiles->SetFont(FontBrowse->Font());
  }
  FitTreeHeight();
}

void TForm1::FolderMenuClick(TComponent*) {
  const bool show = !FolderMenu->Checked();
  BrowseFiles->SetShowFolders(show);
  FolderMenu->SetChecked(show);
  BrowseFiles->Repaint();
}

void TForm1::DefaultSettings1Click(TComponent*) {
  // 1. Normal state at the normal position, designed size.
  if (IsZoomed(Handle()) || IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
  SetBounds(Left(), Top(), MulDiv(600, PixelsPerInch(), 96), MulDiv(400, PixelsPerInch(), 96));
  // 2. The browser pane at its designed width, the splitter right of it.
  PanelLeft->SetWidth(MulDiv(240, PixelsPerInch(), 96));
  PanelLeft->SetAlign(TAlign::alLeft);
  PanelLeft->Show();
  SplitterV->SetLeft(PanelLeft->Left() + PanelLeft->Width());
  SplitterV->Show();
  SplitterV->SetAlign(TAlign::alLeft);
  // 3. Focus in the list.
  SetActiveControl(BrowseFiles);
  FocusMenu->SetChecked(true);
  BrowseMenu->SetChecked(true);
  // 4. Colours.
  BrowseFiles->SetColor(clWindow);
  ReadText->SetColor(clWindow);
  // 5. Wrapping with the vertical bar.
  ReadText->SetWordWrap(true);
  ReadText->SetScrollBars(TScrollStyle::ssVertical);
  WrapMenu->SetChecked(true);
  // 6.
  BrowseDrives->SetColor(clWindow);
  // 7. The window's font everywhere.
  const TFont font = PanelLeft->Font();
  BrowseDrives->SetFont(font);
  BrowseFiles->SetFont(font);
  ReadText->SetFont(font);
  FontBrowse->SetFont(font);
  FontText->SetFont(font);
  // 8.
  FitTreeHeight();
  // 9.
  BrowseFiles->SetShowFolders(false);
  FolderMenu->SetChecked(false);
}

// ---- the combo ----------------------------------------------------------------------------

void TForm1::FitTreeHeight() { BrowseDrives->SetTreeHeight(BrowseFiles->Height()); }

void TForm1::OpenListedPathInCombo() { BrowseDrives->OpenPath(BrowseFiles->Directory()); }
