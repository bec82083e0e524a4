#pragma once
// Scrivlet's main window: the browser pane on the left, the reader on the right,
// three context menus and the window-wide shortcuts.
#include "app/FormStorage.h"
#include "app/ProDlgs.h"
#include "app/Reader.h"
#include "filebrowser/combo/DirTreeCombo.h"
#include "filebrowser/filelist/FileListView.h"
#include "toolkit/FontDialog.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/Splitter.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  // Components, in the order the window declares them.
  TPanel* PanelLeft = nullptr;
  TSplitter* SplitterV = nullptr;
  TPanel* PanelRight = nullptr;
  TDqDirTreeCombo28* BrowseDrives = nullptr;
  TDqFilelistView28* BrowseFiles = nullptr;
  TPanel* PanelDiv = nullptr;
  TFontDialog* FontText = nullptr;
  TPopupMenu* PopupMenu = nullptr;
  TMenuItem* FontMenu = nullptr;
  TMenuItem* CopyMenu = nullptr;
  TMenuItem* BrowseMenu = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* N2 = nullptr;
  TMenuItem* WrapMenu = nullptr;
  TFormStorage* FormStorage1 = nullptr;
  TPanel* PanelTop = nullptr;
  TPopupMenu* FileMenu = nullptr;
  TReader* ReadText = nullptr;
  TMenuItem* FocusMenu = nullptr;
  TFontDialog* FontBrowse = nullptr;
  TMenuItem* FontMenuB = nullptr;
  TMenuItem* FolderMenu = nullptr;
  TProImageViewDialog* AboutImage = nullptr;
  TMenuItem* N3 = nullptr;
  TMenuItem* DefaultSettings1 = nullptr;
  TMenuItem* N5 = nullptr;
  TMenuItem* About1 = nullptr;
  TPopupMenu* FormMenu = nullptr;
  TMenuItem* FMselect = nullptr;
  TMenuItem* FMCopy = nullptr;
  TMenuItem* FMViewBrowser = nullptr;
  TMenuItem* FMBFont = nullptr;
  TMenuItem* FMWordWrap = nullptr;
  TMenuItem* FMRFont = nullptr;
  TMenuItem* FMShowFolders = nullptr;
  TMenuItem* FMBFocus = nullptr;
  TMenuItem* FMDefault = nullptr;

  void FormCreate(TComponent* sender);
  void FormShow(TComponent* sender);
  void FormResize(TComponent* sender);
  void BrowseDrivesClick(TComponent* sender);
  void BrowseFilesClick(TComponent* sender);
  void FontMenuBClick(TComponent* sender);
  void FolderMenuClick(TComponent* sender);
  void DefaultSettings1Click(TComponent* sender);
  void ReadTextChange(TComponent* sender);
  void ReadTextMouseDown(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
  void CopyMenuClick(TComponent* sender);
  void SelectAllMenuClick(TComponent* sender);
  void BrowseMenuClick(TComponent* sender);
  void WrapMenuClick(TComponent* sender);
  void FontMenuClick(TComponent* sender);
  void FocusMenuClick(TComponent* sender);
  void About1Click(TComponent* sender);

 private:
  void BuildLayout();
  void ConfigureFileList();
  void BuildMenus();
  void BuildReader();
  void ConfigureStorage();
  void BuildAboutImage();
  TMenuItem* NewItem(const char* name, const char* caption, TNotifyEvent onClick, TShortCut shortcut = 0);
  void UpdateCopyEnabled();
  // The combo's drop-down tree opens over the list: it is kept exactly as tall.
  void FitTreeHeight();
  // Lines the combo up with the folder the list shows.
  void OpenListedPathInCombo();
  // Vertical bar when the reader wraps, both bars when it does not.
  void MatchScrollBarsToWrap();
};
