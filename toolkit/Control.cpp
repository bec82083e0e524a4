#include "toolkit/Control.h"

#include <commctrl.h>
#include <windowsx.h>

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

// ---- messages --------------------------------------------------------------

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam) {
        if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child->CommandNotify(HIWORD(wParam)))
          return 0;
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (TControl* child = FromHandle(header->hwndFrom); child && child != this) {
        LRESULT result = 0;
        if (child->NotifyReflect(header, result)) return result;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(child->CtlColor(reinterpret_cast<HDC>(wParam)));
      break;
    case WM_ERASEBKGND:
      if (!stock_) {
        RECT rc;
        GetClientRect(handle_, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, BackgroundBrush());
        return 1;
      }
      break;
    case WM_SYSCOLORCHANGE:
      // A brush of a system colour holds the old colour: make it again, here and below.
      if (color_ & clSystemColor) brush_.reset();
      Invalidate();
      for (TControl* c : children_)
        if (c->handle_) SendMessageW(c->handle_, msg, wParam, lParam);
      break;
    case WM_SETCURSOR:
      if (Application && Application->CursorOverride()) {
        ::SetCursor(Application->CursorOverride());
        return TRUE;
      }
      break;
    case WM_SIZE:
      Realign();
      if (OnResize) OnResize(this);
      break;
    case WM_SETFOCUS: {
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      if (TForm* form = ParentForm(); form && form != this) form->ControlFocused(this);
      if (OnEnter) OnEnter(this);
      return r;
    }
    case WM_KILLFOCUS: {
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      if (OnExit) OnExit(this);
      return r;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(wParam);
      KeyDown(key, TShiftState::FromKeyboard());
      if (key == 0) return 0;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      // The view handles the release first; the event follows.
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      WORD key = static_cast<WORD>(wParam);
      KeyUp(key, TShiftState::FromKeyboard());
      return r;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
      // The view handles the press first; the event follows.
      const LRESULT r = DefaultHandler(msg, wParam, lParam);
      const TMouseButton button = (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)   ? TMouseButton::mbLeft
                                  : (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) ? TMouseButton::mbRight
                                                                                       : TMouseButton::mbMiddle;
      const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
      MouseDown(button, wParam, lParam, dbl);
      return r;
    }
    case WM_CONTEXTMENU:
      if (DoContextPopup(lParam)) return 0;
      break;
    default:
      break;
  }
  return DefaultHandler(msg, wParam, lParam);
}

void TControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TControl::MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, bool dbl) {
  if (!OnMouseDown) return;
  TShiftState s;
  s.Shift = (wParam & MK_SHIFT) != 0;
  s.Ctrl = (wParam & MK_CONTROL) != 0;
  s.Alt = GetKeyState(VK_MENU) < 0;
  s.Left = (wParam & MK_LBUTTON) != 0;
  s.Right = (wParam & MK_RBUTTON) != 0;
  s.Middle = (wParam & MK_MBUTTON) != 0;
  s.Double = dbl;
  OnMouseDown(this, button, s, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

bool TControl::DoContextPopup(LPARAM lParam) {
  if (!popupMenu_ || !popupMenu_->AutoPopup()) return false;
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (lParam == -1) {  // from the keyboard: at the control's top-left corner
    pt = {0, 0};
    ClientToScreen(handle_, &pt);
  }
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(pt.x, pt.y);
  return true;
}

HBRUSH TControl::BackgroundBrush() {
  if (!brush_) brush_.reset(CreateSolidBrush(ColorToRGB(color_)));
  return brush_.get();
}

HBRUSH TControl::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(font_.Color));
  SetBkColor(dc, ColorToRGB(color_));
  return BackgroundBrush();
}

// ---- parent, bounds and alignment -------------------------------------------

void TControl::SetParent(TControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    auto& tabs = parent_->tabList_;
    tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
    parent_->Realign();
  }
  parent_ = parent;
  if (parent_) {
    parent_->children_.push_back(this);
    parent_->tabList_.push_back(this);
    if (parentFont_) {
      font_ = parent_->font_;
      FontChanged();
    }
    if (parentColor_) ParentColorChanged();
  }
  if (handle_ && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) ::SetParent(handle_, ParentHandle());
  if (parent_) parent_->Realign();
}

TForm* TControl::ParentForm() {
  // The nearest form: a form placed inside a control keeps its own focus, default
  // button and modal result.
  for (TControl* c = this; c; c = c->parent_)
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyBounds();
  if (parent_ && !parent_->aligning_) parent_->Realign();
}

void TControl::ApplyBounds() {
  if (!handle_) return;
  SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SyncBoundsFromWindow() {
  if (!handle_) return;
  RECT rc;
  GetWindowRect(handle_, &rc);
  if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&rc), 2);
  left_ = rc.left;
  top_ = rc.top;
  width_ = rc.right - rc.left;
  height_ = rc.bottom - rc.top;
}

int TControl::ClientWidth() const {
  RECT rc{};
  if (handle_) GetClientRect(handle_, &rc);
  return rc.right;
}

int TControl::ClientHeight() const {
  RECT rc{};
  if (handle_) GetClientRect(handle_, &rc);
  return rc.bottom;
}

void TControl::Realign() {
  if (!handle_ || aligning_) return;
  aligning_ = true;
  RECT rc;
  GetClientRect(handle_, &rc);
  // Top first, then bottom, left, right, and the client control takes what is left.
  const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
  for (TAlign a : order) {
    std::vector<TControl*> list;
    for (TControl* c : children_)
      if (c->align_ == a && c->visible_) list.push_back(c);
    std::stable_sort(list.begin(), list.end(), [a](TControl* x, TControl* y) {
      switch (a) {
        case TAlign::alTop: return x->top_ < y->top_;
        case TAlign::alBottom: return x->top_ + x->height_ > y->top_ + y->height_;
        case TAlign::alLeft: return x->left_ < y->left_;
        case TAlign::alRight: return x->left_ + x->width_ > y->left_ + y->width_;
        default: return false;
      }
    });
    for (TControl* c : list) {
      const int w = static_cast<int>(rc.right - rc.left), h = static_cast<int>(rc.bottom - rc.top);
      switch (a) {
        case TAlign::alTop:
          c->SetBounds(rc.left, rc.top, w, c->height_);
          rc.top += c->height_;
          break;
        case TAlign::alBottom:
          c->SetBounds(rc.left, rc.bottom - c->height_, w, c->height_);
          rc.bottom -= c->height_;
          break;
        case TAlign::alLeft:
          c->SetBounds(rc.left, rc.top, c->width_, h);
          rc.left += c->width_;
          break;
        case TAlign::alRight:
          c->SetBounds(rc.right - c->width_, rc.top, c->width_, h);
          rc.right -= c->width_;
          break;
        case TAlign::alClient:
          c->SetBounds(rc.left, rc.top, std::max(0, w), std::max(0, h));
          break;
        default:
          break;
      }
    }
  }
  aligning_ = false;
}

void TControl::ChangeScale(int multiplier, int divisor) {
  if (multiplier == divisor) return;
  // A window of its own keeps its place on the screen; only what it holds moves.
  if (parent_) {
    left_ = MulDiv(left_, multiplier, divisor);
    top_ = MulDiv(top_, multiplier, divisor);
  }
  width_ = MulDiv(width_, multiplier, divisor);
  height_ = MulDiv(height_, multiplier, divisor);
  if (!parentFont_) font_.SetPixelsPerInch(MulDiv(font_.PixelsPerInch, multiplier, divisor));
  ApplyBounds();
  for (TControl* c : children_) {
    if (c->parentFont_) {
      c->font_ = font_;
    }
    c->ChangeScale(multiplier, divisor);
  }
  FontChanged();
  Realign();
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
