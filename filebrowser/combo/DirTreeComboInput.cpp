// The folder tree combo's drop-down, keys, mouse and painting.
#include "filebrowser/combo/DirTreeCombo.h"

#include "filebrowser/combo/DirTreeView.h"
#include "filebrowser/combo/DqSpeedButton.h"
#include "filebrowser/filelist/FileListView.h"
#include "toolkit/Application.h"
#include "toolkit/HintWindow.h"
#include "toolkit/ImageList.h"

bool TDqDirTreeCombo28::DroppedDown() const { return Tree->Enabled(); }

void TDqDirTreeCombo28::DropDown() {
  Tree->MakeNodes();
  if (CanFocus()) SetFocus();
  // Below the box, or above it when the screen ends first.
  POINT at{Left(), Top() + Height()};
  HWND frame = Parent() ? Parent()->Handle() : nullptr;
  if (frame) ClientToScreen(frame, &at);
  if (GetSystemMetrics(SM_CYSCREEN) < at.y + Tree->Height()) {
    at = {Left(), Top() - Tree->Height()};
    if (frame) ClientToScreen(frame, &at);
  }
  Tree->SetBounds(at.x, at.y, Width(), Tree->Height());
  if (Tree->Enabled()) {
    SetWindowPos(Tree->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Tree->CloseUp();
    return;
  }
  Tree->SetEnabled(true);
  Tree->Show();
  // Sending it to the back took its topmost place: it is given back here.
  SetWindowPos(Tree->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetCapture(Tree->Handle());
}

void TDqDirTreeCombo28::HideDropDown() {
  if (!DroppedDown()) return;
  Tree->SetEnabled(false);
  Tree->Hide();
}

void TDqDirTreeCombo28::CloseTree() {
  SetWindowPos(Tree->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Tree->SetEnabled(false);
  Tree->Hide();
}

bool TDqDirTreeCombo28::KeyDown(WORD& key) {
  switch (key) {
    case VK_RETURN: {
      Tree->AcceptSelection();
      SetSelectedPath(Tree->SelectedPath);
      PathChange(this);
      if (Tree->Visible() && CanFocus()) SetFocus();
      CloseTree();
      ShowPickedFolder();
      break;
    }
    case VK_ESCAPE:
      if (Tree->Enabled()) {
        if (CanFocus()) SetFocus();
        Tree->SetEnabled(false);
        Tree->Hide();
        Tree->SelectAcceptedNode();
      }
      break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (!Tree->Selected()) {
        TTreeNode first = Tree->GetFirstNode();
        Tree->SetSelected(first);
        first.Expand(false);
      }
      TTreeNode selected = Tree->Selected();
      if (!selected) break;
      const TTreeNode first = Tree->GetFirstNode();
      if (key == VK_RIGHT) {
        selected.Expand(false);
      } else if (key == VK_LEFT) {
        if (selected.Expanded()) selected.Collapse(true);
        // The computer node is never reached with Left.
        const TTreeNode above = selected.GetPrevVisible();
        if (selected == first || above == first || selected.getPrevSibling() == first) return false;
        Tree->SetSelected(above);
      } else if (key == VK_DOWN) {
        if (!Tree->Enabled()) {
          DropDown();
          key = VK_F4;
        } else {
          const TTreeNode next = selected.GetNext(), nextVisible = selected.GetNextVisible();
          if (!next || !nextVisible) return false;
          Tree->SetSelected(selected.Expanded() ? next : nextVisible);
        }
      } else {
        if (selected == first) return false;
        Tree->SetSelected(selected.GetPrevVisible());
      }
      break;
    }
    case VK_F4:
      DropDown();
      break;
    case VK_F5:
      ResetTreeAfresh();
      ShowAgain(Tree->SelectedPath);
      if (FileList()) FileList()->UpdateFileList();
      break;
    default:
      break;
  }
  return true;
}

LRESULT TDqDirTreeCombo28::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT:
      computerTextPending_ = false;
      break;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      ShowComputerIfPending();
      break;
    case WM_PAINT: {
      ShowComputerIfPending();
      const LRESULT r = TEdit::WndProc(msg, wParam, lParam);
      PaintIcon();
      return r;
    }
    case kIdleMessage:
      ShowComputerIfPending();
      Tree->MakeNodes();
      MarkStart("idle: drop-down tree");
      return 0;
    case WM_KEYDOWN: {
      WORD key = static_cast<WORD>(wParam);
      if (!KeyDown(key)) return 0;
      return TEdit::WndProc(msg, key, lParam);
    }
    case WM_KILLFOCUS:
      // The native tree takes the focus on a press; that is no loss for the drop-down.
      if (Tree && Tree->Enabled() && reinterpret_cast<HWND>(wParam) != Tree->Handle()) {
        if (GetCapture() == Tree->Handle()) ReleaseCapture();
        Tree->SetEnabled(false);
        Tree->Hide();
        Tree->SelectAcceptedNode();
      }
      break;
    case WM_NCPAINT: {
      // The edit's frame can be drawn with its inside filled, over the button (a press in
      // the box redraws the frame): the button draws itself again.
      const LRESULT r = TEdit::WndProc(msg, wParam, lParam);
      if (Btn) Btn->Invalidate();
      return r;
    }
    case WM_LBUTTONUP: {
      const LRESULT r = TEdit::WndProc(msg, wParam, lParam);
      if (OnClick) OnClick(this);
      return r;
    }
    case WM_RBUTTONUP:
      return 1;  // no context menu
    case WM_CONTEXTMENU:
      return 0;  // nor from the menu key: the edit's own menu would be a modal loop of its own
    case WM_SETCURSOR:
      if (!Application || !Application->CursorOverride()) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      if (!mouseInside_) MouseEnter();
      break;
    case WM_MOUSELEAVE:
      MouseLeave();
      break;
    default:
      break;
  }
  return TEdit::WndProc(msg, wParam, lParam);
}

void TDqDirTreeCombo28::PaintIcon() {
  HideCaret(Handle());
  if (!IconInRange()) return;
  const int y = ClientHeight() / 2 - 8;
  canvas_.Paint([&](HDC dc) { images_->Draw(dc, 5, y, shownImageIndex_, true); });
}

void TDqDirTreeCombo28::MouseEnter() {
  mouseInside_ = true;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
  if (Tree->Visible()) {
    SetShowHint(false);
    return;
  }
  hintWindow_->SetText(Tree->HasSelection() ? "SelectedPath =\r" + Tree->SelectedPath : "Selected = nil");
  SetShowHint(true);
}

void TDqDirTreeCombo28::MouseLeave() {
  mouseInside_ = false;
  SetShowHint(false);
}

const std::string& TDqDirTreeCombo28::Hint() const { return hintWindow_->Text(); }

void TDqDirTreeCombo28::SetShowHint(bool value) {
  showHint_ = value;
  hintWindow_->SetActive(value);
}
