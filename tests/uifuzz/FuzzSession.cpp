#include "tests/uifuzz/FuzzSession.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/Unit1.h"
#include "filebrowser/combo/DirTreeView.h"
#include "tests/win/support/Keys.h"
#include "tests/win/support/ScriptedModal.h"
#include "tests/win/support/TempIniLocation.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
// The paths of a double-NUL-closed list.
std::vector<std::string> PathList(const wchar_t* list) {
  std::vector<std::string> paths;
  if (!list) return paths;
  for (const wchar_t* p = list; *p; p += wcslen(p) + 1) paths.push_back(Narrow(p));
  return paths;
}

struct TKeyStroke {
  WORD Key;
  TKeyMods Mods;
};

TKeyStroke StrokeOf(TFuzzKey key) {
  switch (key) {
    case TFuzzKey::Up: return {VK_UP, {}};
    case TFuzzKey::Down: return {VK_DOWN, {}};
    case TFuzzKey::Home: return {VK_HOME, {}};
    case TFuzzKey::End: return {VK_END, {}};
    case TFuzzKey::Enter: return {VK_RETURN, {}};
    case TFuzzKey::Backspace: return {VK_BACK, {}};
    case TFuzzKey::F2: return {VK_F2, {}};
    case TFuzzKey::F4: return {VK_F4, {}};
    case TFuzzKey::F5: return {VK_F5, {}};
    case TFuzzKey::Delete: return {VK_DELETE, {}};
    case TFuzzKey::ShiftDelete: return {VK_DELETE, {.Shift = true}};
    case TFuzzKey::CtrlX: return {'X', {.Ctrl = true}};
    case TFuzzKey::CtrlC: return {'C', {.Ctrl = true}};
    case TFuzzKey::CtrlV: return {'V', {.Ctrl = true}};
    case TFuzzKey::CtrlA: return {'A', {.Ctrl = true}};
    case TFuzzKey::Tab: return {VK_TAB, {}};
    case TFuzzKey::ShiftDown: return {VK_DOWN, {.Shift = true}};
    case TFuzzKey::Left: return {VK_LEFT, {}};
    case TFuzzKey::Right: return {VK_RIGHT, {}};
    case TFuzzKey::CtrlW: return {'W', {.Ctrl = true}};
    case TFuzzKey::CtrlF: return {'F', {.Ctrl = true}};
    case TFuzzKey::CtrlB: return {'B', {.Ctrl = true}};
    case TFuzzKey::CtrlAltB: return {'B', {.Ctrl = true, .Alt = true}};
    case TFuzzKey::CtrlAltR: return {'R', {.Ctrl = true, .Alt = true}};
    case TFuzzKey::CtrlAltF: return {'F', {.Ctrl = true, .Alt = true}};
    case TFuzzKey::CtrlAltD: return {'D', {.Ctrl = true, .Alt = true}};
    default: return {0, {}};
  }
}

void ClearClipboard() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

// The standard error box's texts that a failure may carry.
bool KnownErrorText(const std::string& text) {
  static const std::string kOpen = "Cannot open file ";
  return text == TApplication::ErrorBoxText("Text exceeds memo capacity") ||
         (text.compare(0, kOpen.size(), kOpen) == 0 && text.size() > kOpen.size());
}
}  // namespace

TFuzzSession::TFuzzSession() : trace_(std::getenv("SCRIVLET_FUZZ_TRACE") != nullptr) {
  ClearClipboard();
  SetCurrentDirectoryW(Widen(world_.Root()).c_str());
  InstallSeam();
  form_ = std::make_unique<TForm1>(nullptr);
  form_->FormStorage1->SetLocation(std::make_unique<TTempIniLocation>(settings_.Path()));
  Application->SetMainForm(form_.get());
  form_->ShowMain(SW_SHOWNORMAL);
  SetForegroundWindow(form_->Handle());
  Application->ProcessMessages();
  // The reader's truth is what the clicked file held at the moment of the click.
  auto previous = form_->BrowseFiles->OnClick;
  form_->BrowseFiles->OnClick = [this, previous](TComponent* sender) {
    BeforeFileClick();
    if (previous) previous(sender);
  };
  baseline_ = world_.Snapshot();
}

TFuzzSession::~TFuzzSession() {
  world_.ReleaseAll();
  Application->SetMainForm(nullptr);
  form_.reset();
  PumpMessages();
  // A fresh seam: the old one's answers point into this session.
  ResetScripted();
}

bool TFuzzSession::InputAllowed() {
  const bool allowed = IsWindowEnabled(form_->Handle()) && IsWindowVisible(form_->Handle());
  stats_.Dropped += !allowed;
  return allowed;
}

void TFuzzSession::Violate(int invariant, const std::string& text) {
  if (!violation_) violation_ = TViolation{invariant, text, actionsRun_};
}

// ---- running an action ---------------------------------------------------------------------

bool TFuzzSession::Run(const TAction& action) {
  action_ = &action;
  innerRun_ = false;
  otherWork_.clear();
  deleted_.clear();
  moved_.clear();
  overwritten_.clear();
  deletedNames_.clear();
  errorBoxes_.clear();
  expectedErrors_.clear();
  TDqFilelistView28* list = form_->BrowseFiles;
  startedInside_ = !list->IsDrivesView() && world_.Contains(list->Directory());
  const TFuzzKey key = static_cast<TFuzzKey>(action.A);
  const bool changesFiles = action.Kind == TActKind::Key &&
                            (key == TFuzzKey::F2 || key == TFuzzKey::Delete || key == TFuzzKey::ShiftDelete ||
                             key == TFuzzKey::CtrlX || key == TFuzzKey::CtrlV);
  const bool input = action.Kind == TActKind::Click || action.Kind == TActKind::Key ||
                     action.Kind == TActKind::Burst || action.Kind == TActKind::DropDown;
  outsideStreak_ = startedInside_ ? 0 : outsideStreak_ + input;
  // One look around outside the tree, then the user comes back.
  if (!startedInside_ && (changesFiles || outsideStreak_ > 1) && input && InputAllowed()) {
    outsideStreak_ = 0;
    // Outside the tree the user's commands could touch someone else's files: the user
    // picks the tree's folder again instead.
    form_->BrowseDrives->OpenPath(world_.Root());
    ++stats_.Outside;
  } else {
    Execute(action);
  }
  Application->ProcessMessages();
  action_ = nullptr;
  // F5 in the list reads the folder again, however its time moved: it lists what is there.
  if (action.Kind == TActKind::Key && static_cast<TFuzzKey>(action.A) == TFuzzKey::F5 && !action.Inner &&
      lastKeyTarget_ == list->Handle() && world_.Contains(list->Directory()))
    CheckListedFiles();
  if (trace_) {
    std::printf("%-40s list=%s sel=%d focus=%p requests=%zu\n", ActionText(action).c_str(), list->Directory().c_str(),
                list->Selected(), static_cast<void*>(GetFocus()), seam_->Requests.size());
    for (std::size_t i = tracedRequests_; i < seam_->Requests.size(); ++i)
      std::printf("    asked %s: %s\n", seam_->Requests[i].Kind.c_str(), seam_->Requests[i].Text.c_str());
    tracedRequests_ = seam_->Requests.size();
  }
  if (!IsWindowEnabled(form_->Handle())) Violate(4, "the main window stays disabled after the action");
  if (action.Kind == TActKind::Disk)
    baseline_ = world_.Snapshot();  // the other program's own work explains itself
  else
    CheckNothingLost();
  CheckViewsAgree();
  CheckReader();
  ++actionsRun_;
  return !violation_;
}

void TFuzzSession::Execute(const TAction& action) {
  switch (action.Kind) {
    case TActKind::Click: Click(action); break;
    case TActKind::Reader: ReaderMouse(action); break;
    case TActKind::Key: Key(action); break;
    case TActKind::DropDown: DropDown(action); break;
    case TActKind::Resize: Resize(action); break;
    case TActKind::Disk: Disk(action, false); break;
    case TActKind::Notify: world_.Notify(action.A, action.B); break;
    case TActKind::Burst: Burst(action); break;
  }
}

void TFuzzSession::Click(const TAction& action) {
  if (!InputAllowed()) return;
  TDqFilelistView28* list = form_->BrowseFiles;
  if (!IsWindowVisible(list->Handle())) return;
  const int count = list->Count();
  const int index = action.A < 0 || count == 0 ? -1 : action.A % count;
  if (action.B < 2) {
    ClickListItem(*list, index, action.B == 1);
    return;
  }
  RECT rc{2, list->ClientHeight() - 4, 2, list->ClientHeight() - 4};
  if (index >= 0) ListView_GetItemRect(list->Handle(), index, &rc, LVIR_LABEL);
  POINT at{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  popupPick_ = action.C;
  const int before = seam_->Count("popup");
  // The list waits for the release inside its press: it is queued first.
  PostMessageW(list->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(list->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  Application->ProcessMessages();
  // The platform turns the release into a context-menu request when the list did not.
  if (seam_->Count("popup") == before) {
    ClientToScreen(list->Handle(), &at);
    SendMessageW(list->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list->Handle()), MAKELPARAM(at.x, at.y));
  }
}

void TFuzzSession::ReaderMouse(const TAction& action) {
  if (!InputAllowed()) return;
  TReader* reader = form_->ReadText;
  const HWND h = reader->Handle();
  if (!IsWindowVisible(h)) return;
  const int w = std::max(4, reader->ClientWidth() - 4), ht = std::max(4, reader->ClientHeight() - 4);
  const POINT at{std::min(w, 10 + (action.A % 4) * 60), std::min(ht, 8 + (action.A / 4) * 40)};
  const LPARAM lp = MAKELPARAM(at.x, at.y);
  switch (action.B) {
    case 0:
      SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, lp);
      SendMessageW(h, WM_LBUTTONUP, 0, lp);
      break;
    case 1:
      SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, lp);
      SendMessageW(h, WM_LBUTTONUP, 0, lp);
      SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, lp);
      SendMessageW(h, WM_LBUTTONUP, 0, lp);
      break;
    case 2: {
      popupPick_ = action.C;
      const int before = seam_->Count("popup");
      SendMessageW(h, WM_RBUTTONDOWN, MK_RBUTTON, lp);
      SendMessageW(h, WM_RBUTTONUP, 0, lp);
      Application->ProcessMessages();
      if (seam_->Count("popup") == before) {
        POINT screen = at;
        ClientToScreen(h, &screen);
        SendMessageW(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), MAKELPARAM(screen.x, screen.y));
      }
      break;
    }
    default: {  // drag a selection to the second point
      const LPARAM to = MAKELPARAM(std::min<LONG>(w, at.x + 120), std::min<LONG>(ht, at.y + 30));
      SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, lp);
      SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, to);
      SendMessageW(h, WM_LBUTTONUP, 0, to);
      break;
    }
  }
}

void TFuzzSession::Key(const TAction& action) {
  if (!InputAllowed()) return;
  HWND target = GetFocus();
  if (action.C == 3 && IsWindowVisible(form_->BrowseFiles->Handle()) && form_->BrowseFiles->Count() > 0) {
    ClickListItem(*form_->BrowseFiles, action.B % form_->BrowseFiles->Count());
    target = form_->BrowseFiles->Handle();
  }
  if (action.C == 1 && IsWindowVisible(form_->BrowseFiles->Handle())) target = form_->BrowseFiles->Handle();
  if (action.C == 2 && IsWindowVisible(form_->ReadText->Handle())) target = form_->ReadText->Handle();
  if (target != GetFocus()) ::SetFocus(target);
  if (!target || GetAncestor(target, GA_ROOT) != form_->Handle()) target = form_->Handle();
  const TFuzzKey key = static_cast<TFuzzKey>(action.A);
  if (key == TFuzzKey::MenuKey) {
    popupPick_ = action.B;
    // The box must show no menu at all (a stray edit menu would be a modal loop no script
    // answers, caught as a hang); any other control without a menu of ours is skipped.
    const HWND box = form_->BrowseDrives->Handle();
    const bool onBox = target == box || GetParent(target) == box;
    const TControl* control = TControl::FromHandle(target);
    if (!onBox && (!control || (!control->PopupMenu() && target != form_->Handle()))) return;
    // The menu key asks the focused control for its menu at the keyboard's place.
    SendMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), MAKELPARAM(-1, -1));
    return;
  }
  const TKeyStroke stroke = StrokeOf(key);
  lastKeyTarget_ = target;
  // Up, Left and Right move the closed box's tree selection by design, unseen until a pick.
  if (target == form_->BrowseDrives->Handle() && !form_->BrowseDrives->DroppedDown() &&
      (stroke.Key == VK_UP || stroke.Key == VK_LEFT || stroke.Key == VK_RIGHT))
    comboMovedClosed_ = true;
  PressKey(target, stroke.Key, stroke.Mods);
  if (key == TFuzzKey::F2) TypeName(static_cast<TFuzzName>(action.B % static_cast<int>(TFuzzName::Count)));
}

void TFuzzSession::TypeName(TFuzzName name) {
  TDqFilelistView28* list = form_->BrowseFiles;
  const HWND edit = ListView_GetEditControl(list->Handle());
  if (!edit) return;
  if (name == TFuzzName::Escape) {
    PressKey(edit, VK_ESCAPE);
    return;
  }
  const int selected = list->Selected();
  const std::string caption = selected >= 0 ? list->Item(selected).Caption : "x.txt";
  const std::size_t dot = caption.rfind('.');
  const std::string ext = dot == std::string::npos ? "" : caption.substr(dot);
  const std::string n = std::to_string(++nameCounter_);
  std::string typed;
  switch (name) {
    case TFuzzName::Fresh: typed = "renamed " + n + ext; break;
    case TFuzzName::Invalid: typed = "bad:name?" + n + ext; break;
    case TFuzzName::Existing:
      typed = list->Count() > 1 ? list->Item((selected + 1) % list->Count()).Caption : caption;
      break;
    case TFuzzName::OtherCase:
      typed = caption;
      for (char& c : typed)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c = static_cast<char>(c ^ 0x20);
      break;
    case TFuzzName::Blank: typed = "   "; break;
    case TFuzzName::NonAscii: typed = "neu \xc3\xa4 \xe6\x97\xa5 " + n + ext; break;
    default: typed = "plain " + n; break;
  }
  SetWindowTextW(edit, Widen(typed).c_str());
  PressKey(edit, VK_RETURN);
}

void TFuzzSession::DropDown(const TAction& action) {
  if (!InputAllowed()) return;
  TDqDirTreeCombo28* combo = form_->BrowseDrives;
  if (!IsWindowVisible(combo->Handle())) return;
  if (!combo->DroppedDown()) PressKey(combo->Handle(), VK_F4);
  if (!combo->DroppedDown()) return;
  for (int i = 0; i < action.A; ++i) PressKey(combo->Handle(), VK_DOWN);
  TDqDirTreeView& tree = *combo->Tree;
  const TTreeNode node = tree.Selected();
  RECT rc{};
  if (node) {
    const HTREEITEM item = node.ItemId();
    memcpy(&rc, &item, sizeof item);  // the message takes the item in the rectangle
    SendMessageW(tree.Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
  }
  POINT at{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  auto click = [&](POINT pt) {
    SendMessageW(tree.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    SendMessageW(tree.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    SendMessageW(tree.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  };
  switch (action.B) {
    case 0: PressKey(combo->Handle(), VK_RETURN); break;
    case 1:
      if (node) click(at);
      break;
    case 2:
      if (node) {
        for (int x = at.x; x >= 0; --x)
          if (tree.GetHitTestInfoAt(x, at.y) & TVHT_ONITEMBUTTON) {
            click({x, at.y});
            break;
          }
      }
      break;
    case 3: PressKey(combo->Handle(), VK_ESCAPE); break;
    default: break;  // left open
  }
}

void TFuzzSession::Resize(const TAction& action) {
  if (!InputAllowed()) return;
  static const int kWidths[] = {260, 420, 600, 820, 1000}, kHeights[] = {160, 300, 400, 600, 740};
  const HWND h = form_->Handle();
  if (action.C == 1) {
    ShowWindow(h, SW_MAXIMIZE);
  } else if (action.C == 2) {
    ShowWindow(h, SW_MINIMIZE);
    Application->ProcessMessages();
    ShowWindow(h, SW_RESTORE);
  } else {
    if (IsZoomed(h)) ShowWindow(h, SW_RESTORE);
    SetWindowPos(h, nullptr, 0, 0, kWidths[action.A % 5], kHeights[action.B % 5], SWP_NOMOVE | SWP_NOZORDER);
  }
}

void TFuzzSession::Disk(const TAction& action, bool inner) {
  const std::vector<std::string> changed = world_.Work(action.A, action.B, action.C);
  if (inner) otherWork_.insert(otherWork_.end(), changed.begin(), changed.end());
}

void TFuzzSession::Burst(const TAction& action) {
  if (!InputAllowed()) return;
  TDqFilelistView28* list = form_->BrowseFiles;
  const HWND h = list->Handle();
  if (!IsWindowVisible(h)) return;
  static const WORD kKeys[] = {VK_DOWN, VK_F5, VK_BACK, VK_RETURN};
  RECT rc{2, list->ClientHeight() - 4, 2, list->ClientHeight() - 4};
  if (action.B < list->Count()) ListView_GetItemRect(h, action.B, &rc, LVIR_LABEL);
  const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  ::SetFocus(h);
  // All of it is queued before any of it is handled, as when the list was busy.
  PostMessageW(h, WM_MOUSEMOVE, 0, at);
  PostMessageW(h, WM_KEYDOWN, kKeys[action.A % 4], 1);
  PostMessageW(h, WM_KEYUP, kKeys[action.A % 4], 0xC0000001);
  PostMessageW(h, WM_MOUSEMOVE, 0, at);
  PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(h, WM_LBUTTONUP, 0, at);
  Application->ProcessMessages();
}

// ---- the seam ---------------------------------------------------------------------------------

void TFuzzSession::InstallSeam() {
  seam_ = &ResetScripted();
  seam_->MessageAnswer = [this](const TModalRequest& r) {
    CheckOwner(r.Owner, "message box \"" + r.Text + "\"");
    const bool standardError = r.Caption == Application->Title() && (r.Flags & MB_ICONERROR);
    if (standardError) {
      ++stats_.ErrorBoxes;
      errorBoxes_.push_back(r.Text);
      if (!KnownErrorText(r.Text)) Violate(5, "the error box shows \"" + r.Text + "\"");
    }
    const UINT buttons = r.Flags & MB_TYPEMASK;
    const bool deleting = r.Text.find("permanently delete") != std::string::npos;
    return Ask([&](TAnswer a) {
      // Outside the tree nothing is confirmed: it may be someone else's file.
      if (deleting && !startedInside_) a = TAnswer::No;
      switch (buttons) {
        case MB_YESNO:
        case MB_YESNOCANCEL: {
          const int id = a == TAnswer::Yes ? IDYES : (a == TAnswer::Cancel && buttons == MB_YESNOCANCEL) ? IDCANCEL : IDNO;
          if (id == IDYES && deleting) {
            const std::size_t open = r.Text.find('"'), close = r.Text.rfind('"');
            if (open != std::string::npos && close > open) deletedNames_.push_back(r.Text.substr(open + 1, close - open - 1));
          }
          return id;
        }
        case MB_OKCANCEL: return a == TAnswer::Yes ? IDOK : IDCANCEL;
        default: return IDOK;
      }
    });
  };
  seam_->FontAnswer = [this](CHOOSEFONTW& params) {
    CheckOwner(params.hwndOwner, "font dialog");
    return Ask([&](TAnswer a) {
      if (a != TAnswer::Yes) return 0;
      params.lpLogFont->lfHeight = -(11 + (++fontCounter_ % 6));
      wcscpy_s(params.lpLogFont->lfFaceName, L"Tahoma");
      return 1;
    }) != 0;
  };
  seam_->FormAnswer = [this](TForm&) {
    return Ask([](TAnswer a) { return a == TAnswer::Yes ? IDOK : IDCANCEL; });
  };
  seam_->BrowseAnswer = [this](BROWSEINFOW& info) {
    CheckOwner(info.hwndOwner, "folder browser");
    Ask([](TAnswer) { return 0; });
    return PIDLIST_ABSOLUTE{};
  };
  seam_->PopupAnswer = [this](HMENU menu) { return Pick(menu); };
  seam_->FileOpAnswer = [this](SHFILEOPSTRUCTW& op) { return FileOperation(op); };
}

void TFuzzSession::CheckOwner(HWND owner, const std::string& what) {
  if (owner != form_->Handle()) Violate(4, "the " + what + " is not modal to the main window");
}

int TFuzzSession::Ask(const std::function<int(TAnswer)>& answer) {
  const HWND h = form_->Handle();
  const bool wasEnabled = IsWindowEnabled(h);
  ++stats_.Questions;
  EnableWindow(h, FALSE);
  if (action_ && action_->Inner && !innerRun_) {
    innerRun_ = true;
    const TAction& inner = *action_->Inner;
    if (inner.Kind == TActKind::Disk)
      Disk(inner, true);
    else
      Execute(inner);
    // The question's own loop lets queued messages run.
    Application->ProcessMessages();
    if (IsWindowEnabled(h)) Violate(4, "the main window is enabled while a question is open");
  }
  if (wasEnabled) EnableWindow(h, TRUE);
  TAnswer a = action_ ? action_->Answer : TAnswer::Yes;
  if (a == TAnswer::ThenYes) a = TAnswer::Yes;
  if (a == TAnswer::ThenNo) a = TAnswer::No;
  return answer(a);
}

int TFuzzSession::FileOperation(SHFILEOPSTRUCTW& op) {
  CheckOwner(op.hwnd, "file operation");
  const std::vector<std::string> from = PathList(op.pFrom);
  const std::vector<std::string> to = op.wFunc == FO_DELETE ? std::vector<std::string>{} : PathList(op.pTo);
  const bool changesSource = op.wFunc != FO_COPY;
  bool outside = false;
  for (const std::string& p : from) outside |= !world_.Contains(p) && changesSource;
  for (const std::string& p : to) outside |= !world_.Contains(p);
  if (outside) {
    if (startedInside_) Violate(1, "a file operation reaches outside the tree: " + (from.empty() ? "" : from[0]));
    op.fAnyOperationsAborted = TRUE;
    return ERROR_CANCELLED;
  }
  // The platform asks before it deletes or overwrites.
  bool asks = false;
  if (!(op.fFlags & FOF_NOCONFIRMATION)) {
    if (op.wFunc == FO_DELETE) asks = true;
    for (const std::string& p : to) asks |= GetFileAttributesW(Widen(p).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  if (asks && Ask([](TAnswer a) { return a == TAnswer::Yes ? 1 : 0; }) == 0) {
    op.fAnyOperationsAborted = TRUE;
    return ERROR_CANCELLED;
  }
  if (op.wFunc == FO_DELETE) deleted_.insert(deleted_.end(), from.begin(), from.end());
  if (op.wFunc == FO_MOVE || op.wFunc == FO_RENAME) moved_.insert(moved_.end(), from.begin(), from.end());
  overwritten_.insert(overwritten_.end(), to.begin(), to.end());
  ++stats_.FileOps;
  op.fFlags &= ~FOF_ALLOWUNDO;  // no recycle bin: it would only fill up
  return RealFileOperation(op);
}

UINT TFuzzSession::Pick(HMENU menu) {
  ++stats_.Popups;
  if (popupPick_ <= 0) return 0;
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    if (state & (MF_SEPARATOR | MF_DISABLED | MF_GRAYED)) continue;
    const UINT id = GetMenuItemID(menu, i);
    if (id != 0 && id != static_cast<UINT>(-1)) ids.push_back(id);
  }
  return ids.empty() ? 0 : ids[static_cast<std::size_t>(popupPick_ - 1) % ids.size()];
}
