#pragma once
// The drop-down tree of the folder tree combo: the computer, its drives and their
// folders, listed lazily. It floats above every window while open, follows the mouse
// pointer and accepts a click on an item.
#include <string>

#include "filebrowser/folders/FolderIconCache.h"
#include "toolkit/TreeView.h"

class TDqDirTreeCombo28;

class TDqDirTreeView : public TCustomTreeView {
 public:
  TDqDirTreeView(TComponent* owner, TDqDirTreeCombo28* combo);

  // The path of the node last passed to GetNodePath.
  std::string NodePath;
  // The accepted path: "Drives", a drive root, a folder without trailing "\", or what
  // the combo's ShowPath stored (with trailing "\").
  std::string SelectedPath;
  // The selected path before the acceptance under way, with trailing "\".
  std::string PreviousPath;
  bool ExpandRoot = true;
  bool MouseInside = false;

  // Clears all nodes; adds the computer and one node per drive. Before the nodes are
  // made (MakeNodes) it only forgets what they were asked to show.
  void BuildRoot();
  // Makes the nodes a closed drop-down has put off: the root, its expansion (ExpandRootNode)
  // and the last LocateLater. Reading a node makes them too; later calls do nothing.
  void MakeNodes();
  bool NodesMade() const { return nodesMade_; }
  // Whether a node is selected, or will be once the nodes are made; makes none.
  bool HasSelection() const;
  // Expands the first node, or has MakeNodes expand it.
  void ExpandRootNode();
  // Before the nodes are made: has MakeNodes locate `path` (which ends in "\") and gives the
  // caption and picture its node will have. False, and nothing put off, when the nodes are
  // made or only a listing can tell what the path's node is.
  bool LocateLater(const std::string& path, std::string& caption, int& image);
  // The same for selecting the first node (the computer), after what was put off before.
  bool SelectRootLater(std::string& caption, int& image);
  // Lists a node's sub-folders the first time it opens.
  void NodeExpanding(TComponent* sender, TTreeNode node, bool& allowExpansion);
  void GetNodePath(TTreeNode node);
  void AddSubFolders(const std::string& path, TTreeNode node);
  bool HasSubFolders(const std::string& path);
  // Collapses the tree, then selects and opens the nodes along the path (which ends in "\").
  void LocatePath(const std::string& path);
  // Turns the selected node into SelectedPath; an empty removable or CD drive, or a folder
  // gone since it was listed, sends the selection back to the previous folder.
  void AcceptSelection();
  // Closes the drop-down; the accepted folder's node is selected again (SelectAcceptedNode).
  void CloseUp();
  // Where the keys or the pointer moved the selection without a pick is forgotten, so
  // Enter on the closed box picks nothing new.
  void SelectAcceptedNode();

  // Directory searches made so far: listing a node costs one (none when the linked list's
  // reading of the folder serves), and each folder node one more when it is first shown
  // (to learn whether it has sub-folders in turn).
  int ScanCount() const { return scanCount_; }
  const TFolderIconCache& FolderIcons() const { return folderIcons_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool NotifyReflect(NMHDR* header, LRESULT& result) override;
  // Sorts the node's children before the expanded event.
  void Expand(TTreeNode node) override;
  // A folder node about to be shown: has it sub-folders?
  bool HasChildrenWhenShown(TTreeNode node) override;
  void NodesWanted() override { MakeNodes(); }

 private:
  void MouseEnter();
  void MouseLeave();
  void MouseMove(int x, int y);
  void LeftButtonDown(int x, int y);

  TDqDirTreeCombo28* combo_;
  int scanCount_ = 0;
  TTreeNode justListed_;
  TFolderIconCache folderIcons_;
  // Until the first node is read, the start shows only the box: the shell's drive names,
  // pictures and special folders are asked for when the drop-down is first needed.
  bool nodesMade_ = false;
  bool rootExpandPending_ = false;
  std::string locatePending_;
  bool rootSelectPending_ = false;
};
