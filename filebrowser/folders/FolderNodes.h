#pragma once
// The node rules both folder trees share (the combo's drop-down and the stand-alone
// tree): the computer node, the drive nodes, the lazy listing of sub-folders, the path
// of a node and the walk from a path back to its nodes.
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "toolkit/TreeView.h"

struct TFolderReading;

class TFolderIconCache;

// Case-insensitive comparison with the user's locale.
bool SameTextNoCase(const std::string& a, const std::string& b);
// An existing folder. The drives token (also written with a trailing "\") is none: it
// never reaches the file system, where it would name a folder of the current directory.
bool IsExistingFolder(const std::string& path);
// The caption and picture of the shell's computer folder; false when the shell has none.
bool ComputerFolderLook(HWND owner, std::string& caption, int& image);
// Adds the shell's computer folder as the top node; none when the shell has no such folder.
TTreeNode AddComputerNode(TCustomTreeView& tree);
// Adds one node per drive, A to Z, under `root`, each marked as having children;
// `eachDrive` (if any) is told every letter added.
void AddDriveNodes(TCustomTreeView& tree, TTreeNode root, const std::function<void(char)>& eachDrive = {});
// The caption and picture the node of `path` (a folder on a drive, ending in "\") gets
// when LocateNodes lists its way there, found with one search a level and nothing listed;
// false when locating might not match every level (then only a listing tells).
bool LocatedNodeLook(const std::string& path, TFolderIconCache& icons, std::string& caption, int& image);
// The sub-folders of `path`, in caption order (CaptionSortKey, the order AlphaSort keeps),
// with their pictures from `icons`: the nodes a listing adds. From `read` (if any), an
// unchanged reading of that folder (FolderReadingHolds), in place of a search of its own.
// False when the folder could not be searched.
bool ListSubFolders(const std::string& path, TFolderIconCache& icons, std::vector<TCustomTreeView::TNewNode>& folders,
                    const TFolderReading* read = nullptr);
// Adds one child per sub-folder of `path`, in caption order, with its pictures from `icons`. With
// `decideWhenShown` whether a child has sub-folders in turn is left to the tree to ask
// when the child is first shown (HasChildrenWhenShown); without it every child is marked
// as having some. `read` as for ListSubFolders. False when the folder could not be searched.
bool AddSubFolderNodes(TCustomTreeView& tree, const std::string& path, TTreeNode node, TFolderIconCache& icons,
                       bool decideWhenShown, const TFolderReading* read = nullptr);
// Entries a probe reads without finding a folder before it gives up and answers true:
// the expansion then tells, as the shell itself does for slow folders.
inline constexpr int kProbeEntryLimit = 512;
// True when the folder has at least one sub-folder (the scan stops at the first), or
// when kProbeEntryLimit entries were read without one.
bool FolderHasSubFolders(const std::string& path);
// The node's path by the captions along its branch ("Drives" for the top node).
std::string NodePathOf(TTreeNode node);
// Collapses the tree, then selects and expands the nodes along `path` (ending in "\").
// True when every segment was matched.
bool LocateNodes(TCustomTreeView& tree, const std::string& path);
// The node listed for `path` (ending in "\"), found without selecting, expanding or
// listing anything; none when the tree does not hold it (yet).
TTreeNode FindPathNode(const TCustomTreeView& tree, const std::string& path);
