#include "toolkit/Control.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"

namespace {
constexpr wchar_t kControlProp[] = L"Scrivlet.Control";
constexpr wchar_t kWindowClass[] = L"ScrivletWindow";
constexpr UINT_PTR kSubclassId = 1;

void RegisterWindowClass(WNDPROC proc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kWindowClass;
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  RegisterClassExW(&wc);
  registered = true;
}
}  // namespace

TShiftState TShiftState::FromKeyboard() {
  TShiftState s;
  s.Shift = GetKeyState(VK_SHIFT) < 0;
  s.Ctrl = GetKeyState(VK_CONTROL) < 0;
  s.Alt = GetKeyState(VK_MENU) < 0;
  return s;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  // Owned components go first: their windows may be children of ours.
  DestroyComponents();
  for (TControl* child : children_) child->parent_ = nullptr;
  children_.clear();
  tabList_.clear();
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    auto& tabs = parent_->tabList_;
    tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
  }
  DestroyHandle();
}

TControl* TControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<TControl*>(GetPropW(hwnd, kControlProp)) : nullptr;
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

// ---- window lifetime -------------------------------------------------------

void TControl::CreateParams(TCreateParams& params) {
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
}

HWND TControl::ParentHandle() const {
  if (parent_ && parent_->handle_) return parent_->handle_;
  return Application ? Application->ParkingWindow() : nullptr;
}

void TControl::CreateHandle() {
  if (handle_) return;
  TCreateParams params;
  CreateParams(params);
  if (visible_) params.Style |= WS_VISIBLE;
  if (!enabled_) params.Style |= WS_DISABLED;
  const bool child = (params.Style & WS_CHILD) != 0;
  HWND parentWnd = child ? ParentHandle() : nullptr;
  HINSTANCE inst = GetModuleHandleW(nullptr);
  if (params.ClassName.empty()) {
    RegisterWindowClass(StaticWndProc);
    stock_ = false;
    handle_ = CreateWindowExW(params.ExStyle, kWindowClass, params.Caption.c_str(), params.Style, left_, top_,
                              width_, height_, parentWnd, nullptr, inst, this);
  } else {
    stock_ = true;
    HWND hwnd = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), params.Style,
                                left_, top_, width_, height_, parentWnd, nullptr, inst, nullptr);
    if (hwnd) {
      Bind(hwnd);
      SetWindowSubclass(hwnd, SubclassWndProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
  }
  if (!handle_) throw Exception("Error creating window");
  ApplyBounds();
  FontChanged();
  HandleCreated();
}

void TControl::Bind(HWND hwnd) {
  handle_ = hwnd;
  SetPropW(hwnd, kControlProp, this);
}

void TControl::HandleCreated() {}

void TControl::DestroyHandle() {
  if (!handle_) return;
  HandleDestroying();
  HWND hwnd = handle_;
  // Children are not ours to destroy with it: park their windows first.
  for (TControl* child : children_)
    if (child->handle_) ::SetParent(child->handle_, Application ? Application->ParkingWindow() : nullptr);
  DestroyWindow(hwnd);
  handle_ = nullptr;
}

void TControl::RecreateWnd() {
  if (!handle_) return;
  const bool hadFocus = Focused();
  DestroyHandle();
  CreateHandle();
  for (TControl* child : children_)
    if (child->handle_) ::SetParent(child->handle_, handle_);
  if (parent_) parent_->Realign();
  Realign();
  if (hadFocus && CanFocus()) ::SetFocus(handle_);
}

LRESULT CALLBACK TControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TControl* self = FromHandle(hwnd);
  if (!self && msg == WM_NCCREATE) {
    // The control passed itself as the creation parameter: bind it before anything else arrives.
    self = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (self) self->Bind(hwnd);
  }
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK TControl::SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data) {
  auto* self = reinterpret_cast<TControl*>(data);
  if (!self || self->handle_ != hwnd) return DefSubclassProc(hwnd, msg, wParam, lParam);
  return self->Dispatch(msg, wParam, lParam);
}

LRESULT TControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) {
    HWND hwnd = handle_;
    RemovePropW(hwnd, kControlProp);
    if (stock_) RemoveWindowSubclass(hwnd, SubclassWndProc, kSubclassId);
    handle_ = nullptr;
    return stock_ ? DefSubclassProc(hwnd, msg, wParam, lParam) : DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  // A failure inside a handler ends that handler; the program goes on.
  try {
    return WndProc(msg, wParam, lParam);
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
  } catch (...) {
    // Nothing may cross the platform's callback.
    if (Application) Application->ShowException("Unexpected failure");
  }
  return 0;
}

LRESULT TControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!handle_) return 0;
  return stock_ ? DefSubclassProc(handle_, msg, wParam, lParam) : DefWindowProcW(handle_, msg, wParam, lParam);
}

// ---- visibility, state, fonts, colours -------------------------------------

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
  if (parent_) parent_->Realign();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (handle_) EnableWindow(handle_, enabled);
}

void TControl::SetFont(const TFont& font) {
  parentFont_ = false;
  if (font == font_ && fontHandle_) return;
  font_ = font;
  FontChanged();
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) {
    font_ = parent_->font_;
    FontChanged();
  }
}

void TControl::FontChanged() {
  fontHandle_ = font_.CreateHandle();
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), TRUE);
  for (TControl* c : children_) c->ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  font_ = parent_->font_;
  FontChanged();
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  color_ = color;
  brush_.reset();
  ColorChanged();
  Invalidate();
  for (TControl* c : children_) c->ParentColorChanged();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  color_ = parent_->color_;
  brush_.reset();
  ColorChanged();
  Invalidate();
  for (TControl* c : children_) c->ParentColorChanged();
}

// ---- tab order and focus ---------------------------------------------------

int TControl::TabOrder() const {
  if (!parent_) return -1;
  auto& tabs = parent_->tabList_;
  return static_cast<int>(std::find(tabs.begin(), tabs.end(), this) - tabs.begin());
}

void TControl::SetTabOrder(int order) {
  if (!parent_) return;
  auto& tabs = parent_->tabList_;
  tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
  order = std::clamp(order, 0, static_cast<int>(tabs.size()));
  tabs.insert(tabs.begin() + order, this);
}

bool TControl::CanFocus() const {
  // Up to the form: the form itself may still be hidden.
  for (const TControl* c = this; c && c->parent_; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

void TControl::SetFocus() {
  TForm* form = ParentForm();
  if (form && form != this) {
    form->SetActiveControl(this);
    return;
  }
  if (handle_) ::SetFocus(handle_);
}

bool TControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::Repaint() {
  if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
