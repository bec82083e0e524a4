#pragma once
// Tree view over SysTreeView32. The window holds the nodes; a TTreeNode is a light
// handle on one of them (caption, images and the has-children mark are read from and
// written to the window). Expanding from code raises the same events as a user's
// expansion, once per expansion.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

class TCustomTreeView;

class TTreeNode {
 public:
  TTreeNode() = default;
  TTreeNode(TCustomTreeView* view, HTREEITEM item) : view_(item ? view : nullptr), item_(item) {}

  explicit operator bool() const { return item_ != nullptr; }
  bool operator==(const TTreeNode& other) const { return item_ == other.item_; }
  HTREEITEM ItemId() const { return item_; }
  TCustomTreeView* TreeView() const { return view_; }

  std::string Text() const;
  void SetText(const std::string& text);
  int ImageIndex() const;
  void SetImageIndex(int index);
  int SelectedIndex() const;
  void SetSelectedIndex(int index);
  // Whether the node shows an expand button; a node marked with SetHasChildrenWhenShown
  // is decided now if the tree has not asked yet.
  bool HasChildren() const;
  void SetHasChildren(bool value);
  // Leaves the has-children mark open: the tree decides it through HasChildrenWhenShown
  // when it first needs it (to draw the node), once.
  void SetHasChildrenWhenShown();
  bool Expanded() const;
  bool Selected() const;
  // 0 for a top-level node.
  int Level() const;

  TTreeNode Parent() const;
  // Lower-case: the platform headers define the capitalised names as macros.
  TTreeNode getFirstChild() const;
  TTreeNode getNextSibling() const;
  TTreeNode getPrevSibling() const;
  // The next node in depth-first order: first child, next sibling, or an ancestor's next sibling.
  TTreeNode GetNext() const;
  // The node shown right below (above) this one; none at the end (start).
  TTreeNode GetNextVisible() const;
  TTreeNode GetPrevVisible() const;
  int Count() const;

  // Raises the expanding event first (which may list the children), then opens the node.
  void Expand(bool recurse = false);
  // Closes the node, and with `recurse` every node below it; the nodes stay.
  void Collapse(bool recurse);
  // Sorts the children by caption with the platform's locale comparison.
  void AlphaSort();
  void Delete();
  void DeleteChildren();

 private:
  friend class TCustomTreeView;
  UINT State(UINT mask) const;
  TVITEMW Get(UINT mask) const;
  void Set(TVITEMW& item);

  TCustomTreeView* view_ = nullptr;
  HTREEITEM item_ = nullptr;
};

// A key whose byte order is the order AlphaSort gives captions (the platform's locale
// comparison): nodes added in this order need no sort.
std::string CaptionSortKey(const std::wstring& caption);

using TTVExpandingEvent = std::function<void(TComponent* sender, TTreeNode node, bool& allowExpansion)>;
using TTVExpandedEvent = std::function<void(TComponent* sender, TTreeNode node)>;
using TTVEditingEvent = std::function<void(TComponent* sender, TTreeNode node, bool& allowEdit)>;
using TTVEditedEvent = std::function<void(TComponent* sender, TTreeNode node, std::string& text)>;

// When nodes are kept in order: stText and stBoth sort siblings by caption as they are
// added and when the setting is made; nodes carry no data, so stData sorts nothing.
enum class TSortType { stNone, stData, stText, stBoth };

class TCustomTreeView : public TControl {
 public:
  TCustomTreeView(TComponent* owner, TControl* parent);

  // Adds a node as the last child of `parent` (a top-level node when `parent` is none);
  // the parent gets the has-children mark.
  TTreeNode AddChild(TTreeNode parent, const std::string& text);
  // The same with the node's pictures and has-children mark in the one insertion, and
  // the parent's mark left alone: the way to add many nodes, since each message to the
  // platform's control costs far more than the little it does.
  enum class TChildren { None, Some, WhenShown };
  TTreeNode AddChild(TTreeNode parent, const std::string& text, int imageIndex, int selectedIndex,
                     TChildren children);
  struct TNewNode {
    std::string Text;
    int ImageIndex = 0;
    int SelectedIndex = 0;
  };
  // Adds the nodes as AddChild does, one message each, in the order given (sorted instead
  // when SortType sorts by text), each with the `children` mark; the parent's mark is left
  // alone. A caller that adds many nodes gives them in caption order with the tree unsorted:
  // the platform's sorted insertion compares with every sibling.
  void AddChildren(TTreeNode parent, const std::vector<TNewNode>& nodes, TChildren children);
  void Clear();
  TTreeNode GetFirstNode() const;
  int Count() const;
  TTreeNode Selected() const;
  void SetSelected(TTreeNode node);

  // Where a point of the client area falls: a combination of the TVHT_ flags.
  UINT GetHitTestInfoAt(int x, int y) const;
  TTreeNode GetNodeAt(int x, int y) const;

  // Between the outermost BeginUpdate and its EndUpdate the window does not repaint.
  void BeginUpdate();
  void EndUpdate();

  HIMAGELIST Images() const { return images_; }
  // Borrowed: the tree never destroys it.
  void SetImages(HIMAGELIST images);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value);
  // Lines and buttons also at the top-level nodes.
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value);
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType value);
  // Pixels a level is indented by.
  int Indent() const;
  void SetIndent(int value);

  // A TVM_ message for the platform's control, handed straight to its own procedure: no
  // handler of ours takes these, and the subclass chain a sent message passes through
  // looks up window properties each time, which costs some platforms (Wine) many times
  // what the control itself does with an item (measured by bench_tree). 0 without a window.
  LRESULT ItemMessage(UINT msg, WPARAM wParam, LPARAM lParam) const;

  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVExpandedEvent OnCollapsed;
  // Before a caption edit starts: false keeps the caption as it is.
  TTVEditingEvent OnEditing;
  // When a caption edit ends with a text (not when it was cancelled); the handler may
  // change the text.
  TTVEditedEvent OnEdited;

 protected:
  struct TDeferHandle {};
  TCustomTreeView(TComponent* owner, TControl* parent, TDeferHandle);

  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  bool NotifyReflect(NMHDR* header, LRESULT& result) override;

  // Before a node opens: false keeps it closed.
  virtual bool CanExpand(TTreeNode node);
  // After a node opened (respectively closed).
  virtual void Expand(TTreeNode node);
  virtual void Collapse(TTreeNode node);
  // Whether a node marked with SetHasChildrenWhenShown has children; asked once per node.
  virtual bool HasChildrenWhenShown(TTreeNode node);
  // Before the nodes are read (the first node, the selection, the count, a node at a point):
  // a tree that makes its nodes only when first needed makes them here.
  virtual void NodesWanted() {}
  // Whether a caption edit may start; raises OnEditing.
  virtual bool CanEdit(TTreeNode node);
  // A caption edit ended with `text`: raises OnEdited, then the node takes the text.
  virtual void Edit(TTreeNode node, std::string text);

 private:
  friend class TTreeNode;
  void Setup(TControl* parent);
  void ApplyStyle();
  void ExpandFromCode(TTreeNode node);
  // Decides an open has-children mark and stores the answer.
  bool DecideChildren(TTreeNode node);

  HIMAGELIST images_ = nullptr;
  // The procedure of the window's class: the platform's tree control.
  WNDPROC nativeProc_ = nullptr;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  bool showButtons_ = true;
  bool showLines_ = true;
  bool showRoot_ = true;
  TSortType sortType_ = TSortType::stNone;
  int indent_ = -1;  // the platform's until set
  int updateCount_ = 0;
  // Each node's parameter: a number of its own, by which a sort finds the node's rank.
  LPARAM nextParam_ = 0;
  // The window's own notifications of an expansion made from code are not raised again.
  int codeExpanding_ = 0;
};

// Begins a bulk update and ends it when the scope ends, however it ends.
class TTreeViewUpdate {
 public:
  explicit TTreeViewUpdate(TCustomTreeView& view) : view_(view) { view_.BeginUpdate(); }
  TTreeViewUpdate(const TTreeViewUpdate&) = delete;
  TTreeViewUpdate& operator=(const TTreeViewUpdate&) = delete;
  ~TTreeViewUpdate() { view_.EndUpdate(); }

 private:
  TCustomTreeView& view_;
};
