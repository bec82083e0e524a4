#pragma once
// Scrivlet's main window: the browser pane on the left, the reader on the right,
// three context menus and the window-wide shortcuts.
#include "app/Reader.h"
#include "filebrowser/DirTreeCombo.h"
#include "filebrowser/FilelistView.h"
#include "toolkit/FontDialog.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/Splitter.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  // Components, in the order the window declares them.
  TPanel* PanelLeft;
  TSplitter* SplitterV;
  TPanel* PanelRight;
  TDqDirTreeCombo28* BrowseDrives;
  TDqFilelistView28* BrowseFiles;
  TPanel* PanelDiv;
  TFontDialog* FontText;
  TPopupMenu* PopupMenu;
  TMenuItem* FontMenu;
  TMenuItem* CopyMenu;
  TMenuItem* BrowseMenu;
  TMenuItem* N1;
  TMenuItem* N2;
  TMenuItem* WrapMenu;
  TPanel* PanelTop;
  TPopupMenu* FileMenu;
  TReader* ReadText;
  TMenuItem* FocusMenu;
  TFontDialog* FontBrowse;
  TMenuItem* FontMenuB;
  TMenuItem* FolderMenu;
  TMenuItem* N3;
  TMenuItem* DefaultSettings1;
  TMenuItem* N5;
  TMenuItem* About1;
  TPopupMenu* FormMenu;
  TMenuItem* FMselect;
  TMenuItem* FMCopy;
  TMenuItem* FMViewBrowser;
  TMenuItem* FMBFont;
  TMenuItem* FMWordWrap;
  TMenuItem* FMRFont;
  TMenuItem* FMShowFolders;
  TMenuItem* FMBFocus;
  TMenuItem* FMDefault;

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

 private:
  void BuildLayout();
  void ConfigureFileList();
  void BuildMenus();
  TMenuItem* NewItem(const char* name, const char* caption, TNotifyEvent onClick, TShortCut shortcut = 0);
  void UpdateCopyEnabled();
  // The combo's drop-down tree opens over the list: it is kept exactly as tall.
  void FitTreeHeight();
  // Lines the combo up with the folder the list shows.
  void OpenListedPathInCombo();
  // Vertical bar when the reader wraps, both bars when it does not.
  void MatchScrollBarsToWrap();
};
