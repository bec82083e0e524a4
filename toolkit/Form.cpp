#include "toolkit/Form.h"

#include <utility>

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Exception.h"
#include "toolkit/FontDialog.h"
#include "toolkit/Menu.h"
#include "toolkit/Utf.h"

namespace {
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

int WindowDpi(HWND hwnd) {
  // Present from Windows 10 on; older systems have one resolution for all screens.
  static auto fn = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (fn && hwnd) return static_cast<int>(fn(hwnd));
  return ScreenPixelsPerInch();
}
}  // namespace

TForm::TForm(TComponent* owner) : TControl(owner) {
  SetVisible(false);
  SetTabStop(false);
  CreateHandle();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  TCreateParams params;
  CreateParams(params);
  SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(params.Style | (Visible() ? WS_VISIBLE : 0)));
  SetWindowLongW(Handle(), GWL_EXSTYLE, static_cast<LONG>(params.ExStyle));
  if (params.Style & WS_CHILD) ::SetParent(Handle(), Parent()->Handle());
  SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TForm::~TForm() {
  if (!destroyFired_) {
    destroyFired_ = true;
    if (OnDestroy) {
      try {
        OnDestroy(this);
      } catch (const std::exception& e) {
        if (Application) Application->HandleException(e);
      }
    }
  }
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == activeControl_) activeControl_ = nullptr;
}

void TForm::CreateParams(TCreateParams& params) {
  params.Caption = Widen(caption_);
  if (borderStyle_ == TFormBorderStyle::bsDialog) {
    params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  } else if (borderStyle_ == TFormBorderStyle::bsSizeToolWin) {
    const bool inside = Parent() && Parent()->Handle();
    params.Style = (inside ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP) | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_TOOLWINDOW;
  } else {
    params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_WINDOWEDGE;
  }
}

void TForm::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (Handle()) SetWindowTextW(Handle(), Widen(caption_).c_str());
}

void TForm::SetClientSize(int width, int height) {
  RECT rc{0, 0, width, height};
  TCreateParams params;
  CreateParams(params);
  AdjustWindowRectEx(&rc, params.Style, FALSE, params.ExStyle);
  SetBounds(Left(), Top(), rc.right - rc.left, rc.bottom - rc.top);
}

void TForm::SetUpAsDialog(std::string caption, int clientWidth, int clientHeight) {
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetCaption(std::move(caption));
  SetClientSize(clientWidth, clientHeight);
  SetPosition(TPosition::poScreenCenter);
  SetColor(clBtnFace);
  TFont font;
  font.Name = "MS Sans Serif";
  font.SetSize(8);
  SetFont(font);
}

void TForm::DoCreate() {
  if (!OnCreate) return;
  // A failure of the creation handler is reported like any other; the window stays.
  try {
    OnCreate(this);
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
  }
}

void TForm::ScaleToScreen() { ScaleTo(WindowDpi(Handle())); }

void TForm::ScaleTo(int dpi) {
  if (dpi == pixelsPerInch_ || dpi <= 0) return;
  ChangeScale(dpi, pixelsPerInch_);
  // The font dialogs start from fonts of the same resolution as the controls they serve.
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* dialog = dynamic_cast<TFontDialog*>(Component(i))) dialog->ChangeScale(dpi, pixelsPerInch_);
  pixelsPerInch_ = dpi;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      Close();
      return 0;
    // A log-off or shutdown asks the window as a close would, so what the close query
    // does (the settings store saves there) happens before the process is ended.
    case WM_QUERYENDSESSION:
      sessionAgreed_ = CloseQuery();
      return sessionAgreed_ ? TRUE : FALSE;
    case WM_ENDSESSION:
      // Ending without having been asked (or after refusing): the close query runs now.
      if (wParam && !sessionAgreed_) CloseQuery();
      sessionAgreed_ = false;
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT r = TControl::WndProc(msg, wParam, lParam);
      if (!IsIconic(Handle()) && !IsZoomed(Handle())) SyncBoundsFromWindow();
      return r;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && activeControl_ && activeControl_->Handle() && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      // The window moved to a screen of another resolution: scale the layout with it.
      ScaleTo(HIWORD(wParam));
      const RECT* r = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return TControl::WndProc(msg, wParam, lParam);
}

// ---- focus and keys ----------------------------------------------------------

void TForm::SetActiveControl(TControl* control) {
  if (control && (control->ParentForm() != this || !control->CanFocus()))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (control && Handle() && IsWindowVisible(Handle()) && control->Handle()) ::SetFocus(control->Handle());
}

void TForm::ControlFocused(TControl* control) { activeControl_ = control; }

void TForm::CollectTabStops(TControl* parent, std::vector<TControl*>& out) {
  for (TControl* c : parent->tabList_) {
    out.push_back(c);
    CollectTabStops(c, out);
  }
}

void TForm::SelectNext(TControl* current, bool forward) {
  std::vector<TControl*> list;
  CollectTabStops(this, list);
  if (list.empty()) return;
  const int n = static_cast<int>(list.size());
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (list[static_cast<size_t>(i)] == current) start = i;
  if (start < 0) start = forward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    const int i = ((forward ? start + step : start - step) % n + n) % n;
    TControl* c = list[static_cast<size_t>(i)];
    if (c->TabStop() && c->CanFocus() && c->Handle()) {
      SetActiveControl(c);
      return;
    }
  }
}

bool TForm::IsShortCut(TControl* focused, WORD shortcut) {
  for (TControl* c = focused; c; c = c->Parent())
    if (c->PopupMenu() && c->PopupMenu()->IsShortCut(shortcut)) return true;
  return false;
}

bool TForm::PreProcessKey(TControl* target, MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const WORD key = static_cast<WORD>(msg.wParam);
  const TShiftState shift = TShiftState::FromKeyboard();
  if (key == VK_CONTROL || key == VK_MENU || key == VK_SHIFT) return false;
  if (shift.Ctrl || shift.Alt) return IsShortCut(target, ShortCut(key, shift));
  if (key == VK_TAB && !target->WantsTab()) {
    SelectNext(target, !shift.Shift);
    return true;
  }
  if (key == VK_RETURN || key == VK_ESCAPE) {
    TButton* button = key == VK_RETURN ? DefaultButton() : CancelButton();
    if (button && button->Enabled() && button->Showing()) {
      button->Click();
      return true;
    }
  }
  return false;
}

TButton* TForm::DefaultButton() const {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TButton*>(Component(i)); b && b->Default()) return b;
  return nullptr;
}

TButton* TForm::CancelButton() const {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TButton*>(Component(i)); b && b->Cancel()) return b;
  return nullptr;
}

// ---- showing and closing -------------------------------------------------------

void TForm::ShowMain(int showCommand) {
  if (!shownOnce_) {
    shownOnce_ = true;
    if (OnShow) {
      try {
        OnShow(this);
      } catch (const std::exception& e) {
        // The window is shown all the same.
        if (Application) Application->HandleException(e);
      }
    }
  }
  SetVisible(true);
  ShowWindow(Handle(), showCommand);
  MarkStart("shown");
  UpdateWindow(Handle());
  MarkStart("first paint");
  if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
  else SelectNext(nullptr, true);
  MarkStart("focus");
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (inModal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  if (OnClose) OnClose(this);
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    PostQuitMessage(0);
  }
  SetVisible(false);
}

int TForm::ShowModal() { return Application->Modal().ShowModal(*this); }

int TForm::RunModal() {
  HWND owner = Application && Application->MainForm() ? Application->MainForm()->Handle() : nullptr;
  if (owner == Handle()) owner = nullptr;
  if (owner) SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  if (position_ == TPosition::poScreenCenter) {
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    SetBounds((sw - Width()) / 2, (sh - Height()) / 2, Width(), Height());
  }
  modalResult_ = mrNone;
  inModal_ = true;
  if (owner) EnableWindow(owner, FALSE);
  SetVisible(true);
  ShowWindow(Handle(), SW_SHOW);
  SelectNext(nullptr, true);
  MSG msg;
  while (modalResult_ == mrNone) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      modalResult_ = mrCancel;
      break;
    }
    if (Application->PreProcessMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (owner) EnableWindow(owner, TRUE);
  SetVisible(false);
  inModal_ = false;
  if (owner) SetActiveWindow(owner);
  return modalResult_;
}
