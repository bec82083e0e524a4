#pragma once
// The file list: the machine's drives, or the entries of one folder with the shell's
// icons and type names, sizes, dates and attributes, sorted by a column.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filebrowser/filelist/FileEntries.h"
#include "filebrowser/filelist/FileListSort.h"
#include "filebrowser/filelist/FileListTypes.h"
#include "filebrowser/folders/FolderReading.h"
#include "filebrowser/lang/Language.h"
#include "toolkit/Handles.h"
#include "toolkit/ListView.h"

class TDirTreeComboLink;
class TDqFilelistView28PopUp;
class TDirTreeLink;
class TOwnerDropHook;

// Raised with the selected item's path.
using TSelItemChangeEvent = std::function<void(TComponent* sender, const std::string& selectedItem)>;

// The pseudo-folder of the drives view.
inline constexpr char kDrivesFolder[] = "Drives";
// The drives token in any case ("Drives", "DRIVES").
bool IsDrivesFolder(std::string_view path);

class TDqFilelistView28 : public TListView {
 public:
  TDqFilelistView28(TComponent* owner, TControl* parent);
  ~TDqFilelistView28() override;

  // "Drives" (any case) for the drives view, otherwise a folder ending in "\".
  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& value);
  bool IsDrivesView() const;

  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& value);
  TFileType FileType() const { return fileType_; }
  void SetFileType(TFileType value);
  bool ShowFolders() const { return showFolders_; }
  void SetShowFolders(bool value);
  bool ParentDirEnabled() const { return parentDirEnabled_; }
  void SetParentDirEnabled(bool value) { parentDirEnabled_ = value; }
  const std::string& ParentDirCaption() const { return parentDirCaption_; }
  void SetParentDirCaption(const std::string& value);
  bool HideFileExt() const { return hideFileExt_; }
  void SetHideFileExt(bool value) { hideFileExt_ = value; }
  TFileSize FileSize() const { return fileSize_; }
  void SetFileSize(TFileSize value) { fileSize_ = value; }
  TDtFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDtFormat value);
  TTmFormat TimeFormat() const { return timeFormat_; }
  void SetTimeFormat(TTmFormat value);
  const std::string& DatePattern() const { return datePattern_; }
  const std::string& TimePattern() const { return timePattern_; }

  // Used the next time the folder-view columns are built.
  int ColWidth_Name() const { return colWidths_[0]; }
  void SetColWidth_Name(int value) { colWidths_[0] = value; }
  int ColWidth_Size() const { return colWidths_[1]; }
  void SetColWidth_Size(int value) { colWidths_[1] = value; }
  int ColWidth_Type() const { return colWidths_[2]; }
  void SetColWidth_Type(int value) { colWidths_[2] = value; }
  int ColWidth_Mod() const { return colWidths_[3]; }
  void SetColWidth_Mod(int value) { colWidths_[3] = value; }
  int ColWidth_Attr() const { return colWidths_[4]; }
  void SetColWidth_Attr(int value) { colWidths_[4] = value; }

  TLanguage Language() const { return language_; }
  void SetLanguage(TLanguage value);
  bool DblClickToOpen() const { return dblClickToOpen_; }
  void SetDblClickToOpen(bool value) { dblClickToOpen_ = value; }
  bool PopUpMenuEnabled() const { return popUpMenuEnabled_; }
  void SetPopUpMenuEnabled(bool value);
  // The built-in context menu (owned; replaced by a change of language).
  TDqFilelistView28PopUp* BuiltInMenu() const { return builtInMenu_; }

  // The path of the entry last clicked; writing it does not change the selection.
  const std::string& SelectedItem() const { return selectedItem_; }
  void SetSelectedItem(const std::string& value);
  // An entry's path and kind (sub-items kSubPath and kSubKind), without making its
  // other texts.
  std::string EntryPath(int index) const { return ItemText(index, kSubPath + 1); }
  std::string EntryKind(int index) const { return ItemText(index, kSubKind + 1); }
  // Selected entries; all entries when none is selected.
  int SelectedNumber() const;
  // Bytes of the selected entries (folders and the parent entry count 0).
  std::int64_t SelectedSize() const;
  // Free KB of the listed folder's drive; 0 in the drives view.
  std::int64_t DriveFreeSpace() const;
  const std::string& About() const { return about_; }
  // Paths collected by cut and copy (or dropped), waiting for a paste.
  std::vector<std::string>& PendingFiles() { return pendingFiles_; }
  // What a paste does with them: 0 copy, 2 move (-1 while a cut or copy is collected).
  // This list's own: a cut in another view never makes this list move.
  int PendingPasteOp() const { return pendingPasteOp_; }

  TSelItemChangeEvent OnItemChange;

  // Links both ways: the combo (or tree) is told to list this list, the previous one to
  // list none. Neither is owned; a linked one that is destroyed is unlinked.
  TDirTreeComboLink* DirTreeCombo() const { return dirTreeCombo_; }
  void SetDirTreeCombo(TDirTreeComboLink* combo);
  // The sub-folders the last listing read of `folder`, handed out once and only while the
  // folder is unchanged; none otherwise, and the caller searches the folder itself. Kept
  // only while a combo is linked: its tree expands the listed folder right after.
  std::optional<TFolderReading> TakeFolderReading(const std::string& folder);
  // Forgets the last listing's reading: a refresh or a change notification reads afresh.
  void DropFolderReading() { folderReading_.reset(); }
  TDirTreeLink* DirTree() const { return dirTree_; }
  void SetDirTree(TDirTreeLink* tree);
  void Notification(TComponent* component, TOperation operation) override;

  // Moves to the parent folder, or from a drive root to the drives view, and re-selects
  // the folder that was left.
  void GoToParent();

  // The file commands the keys and a double click start.
  // Enters a folder or drive, goes up from the parent entry, opens a file with the shell.
  void OpenSelected();
  void ViewSelected();
  void FindInDirectory();
  void NewFolder();
  void BeginRename();
  void DeleteSelected();
  // False when it stopped at a folder.
  bool DeleteSelectedPermanently();
  // Mode 0 copies, 2 cuts.
  void CollectSelection(int mode);
  void PasteFiles();
  // Fills the pending list from the clipboard's file-drop block.
  void ReadClipboardFiles();
  // Files dropped from another program: pending as a copy, then pasted.
  void DropFiles(const std::vector<std::string>& names);
  const std::vector<std::string>& DroppedFiles() const { return droppedFiles_; }
  const std::string& ClipboardList() const { return clipboardList_; }
  const std::string& RenameSourcePath() const { return renameSourcePath_; }
  // Kind 0 to a folder asked for, 1 the file's contents to the clipboard, 2 the paths to
  // the clipboard as text, 3 a shortcut on the desktop.
  void SendTo(int kind);
  // Copies the selected entries into the folder.
  void SendToFolder(const std::string& folder);
  void SendToEntry(const std::string& path);
  void CreateDesktopShortcut();
  void ShowSelectedProperties();

  // Clears the list and lists `Directory` in the view it names, then sorts.
  void UpdateFileList();
  // Adds an entry per admitted match of the pattern (folder and name pattern); true when
  // at least one was added.
  bool AddEntries(const std::string& pattern, std::uint32_t allowance);
  void AddDrives();
  // The drive type's name in the file lists' language (ListLanguage).
  std::string DriveTypeText(const std::string& root);

  void CreateImageLists();
  // Appends the parent bitmaps to the system image lists and points the parent index there.
  void LoadParentImages();
  // True when the large system list holds the parent picture at `index`.
  bool IsParentImageAt(int index) const;
  int ParentImageIndex() const { return parentImageIndex_; }
  // How many searches of the folder the last folder listing made.
  int FolderSearches() const { return folderSearches_; }

  void CreateFileColumns();
  void CreateDriveColumns();
  bool FolderColumnsInPlace() const { return folderColumnsInPlace_; }
  void CompareItems(TComponent* sender, const TListItem& item1, const TListItem& item2, int data, int& result);
  void SortByColumn(TComponent* sender, int column);
  void ShowSortArrow(int column);
  const TSortState& SortState() const { return sort_; }

 protected:
  void HandleCreated() override;
  void Loaded() override;
  void Click() override;
  void DblClick() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, bool dbl) override;
  bool CanEditCaption(int index) override;
  void CaptionEdited(int index) override;

 private:
  // The one place where the built-in menu is made, replaced and installed.
  void RebuildPopupMenu();
  struct TListingScratch;
  struct TFound;
  void ListFolder();
  // Searches the pattern once and adds each match that the allowance admits.
  bool Search(TListingScratch& scratch, const std::string& pattern, std::uint32_t allowance);
  // Points the scratch at the listed folder; returns the folder as UTF-16.
  const std::wstring& PrepareScratch(TListingScratch& scratch) const;
  void AddFound(TListingScratch& scratch, const TFound& found, std::uint32_t allowance, bool& added);
  // The key table; false when the key-down event is not to be raised.
  bool RunKey(WORD key, TShiftState shift);
  void RefreshLinked();
  // Makes Directory the current directory; false in the drives view or when it has gone.
  bool EnterFolder() const;
  // Rebuilds the linked combo (or else the stand-alone tree) and shows the folder there.
  void TellFolderViews(const std::string& folder);
  // The full paths of the selected entries in list order, each with its NUL; the parent
  // entry is deselected first unless `keepParent`.
  std::vector<std::string> SelectedPaths(bool keepParent);
  // Copies the paths (taken earlier, each with its NUL) into the folder, each that
  // still names the file it named then.
  void CopyInto(const std::string& folder, const std::vector<std::string>& paths);
  void SelectAllEntries();
  // Linked-combo side of navigation: nothing happens while no combo is linked.
  void ComboShowPath(const std::string& path);
  void ComboResetTree();
  void ComboShowRoot();
  // After a change of folder: the linked tree and combo show the folder listed.
  void ShowDirectoryInLinkedViews();
  void ComboRefresh();
  void ComboCloseTree();
  void ComboDropDown();
  void SortAfterListing();
  void SortEntries();
  // What the entries' texts are made with under the present settings.
  TEntryTextRules EntryTextRules() const;

  TFileEntries* entries_ = nullptr;  // the list view's item source
  std::string directory_ = kDrivesFolder;
  std::string mask_ = "*.*";
  TFileType fileType_{ftReadOnly, ftHidden, ftSystem, ftArchive};
  bool showFolders_ = true;
  bool parentDirEnabled_ = true;
  std::string parentDirCaption_;
  bool hideFileExt_ = false;
  TFileSize fileSize_ = fsKB;
  TDtFormat dateFormat_ = df_Customize;
  TTmFormat timeFormat_ = tfShortFormat;
  std::string datePattern_;
  std::string timePattern_;
  std::array<int, 5> colWidths_{165, 75, 95, 125, 40};
  TLanguage language_ = lnSysDefault;
  bool dblClickToOpen_ = true;
  bool popUpMenuEnabled_ = false;
  TDqFilelistView28PopUp* builtInMenu_ = nullptr;
  std::string selectedItem_;
  const std::string about_ = "Version 2.8.7.9";
  std::vector<std::string> pendingFiles_;
  int pendingPasteOp_ = 0;
  std::string clipboardList_;
  std::vector<std::string> droppedFiles_;
  std::string renameSourcePath_;
  std::unique_ptr<TOwnerDropHook> dropHook_;
  TDirTreeComboLink* dirTreeCombo_ = nullptr;
  TDirTreeLink* dirTree_ = nullptr;

  int parentImageIndex_ = -1;
  std::array<std::string, 7> driveTypeNames_;
  TSortState sort_;
  bool folderColumnsInPlace_ = false;
  int folderSearches_ = 0;
  std::optional<TFolderReading> folderReading_;
  UniqueBitmap arrowUp_;
  UniqueBitmap arrowDown_;

};
