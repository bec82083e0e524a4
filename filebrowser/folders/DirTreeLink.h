#pragma once
// What a file list asks of a linked stand-alone folder tree. The tree implements it;
// the list holds a reference it does not own.
#include <string>

class TDqFilelistView28;

class TDirTreeLink {
 public:
  virtual ~TDirTreeLink() = default;

  // Links the tree to the list (or to none).
  virtual void SetFileList(TDqFilelistView28* list) = 0;
  virtual std::string SelectedPath() const = 0;
  // Builds the tree anew from its root.
  virtual void RebuildTree() = 0;
  // Selects the node of a folder path; texts that name no folder are ignored.
  virtual void SelectPath(const std::string& path) = 0;
  virtual std::string FirstNodeCaption() const = 0;
  virtual bool DragDropEnabled() const = 0;
  // Drags the list's selection once the mouse has moved `threshold` pixels.
  virtual void BeginDragFrom(TDqFilelistView28& list, int threshold) = 0;
};
