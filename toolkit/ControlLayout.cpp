// A control's place: its parent, its bounds, and the alignment that lays out its children
// when it is resized or scaled.
#include "toolkit/Control.h"

#include <algorithm>
#include <vector>

#include "toolkit/Form.h"

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
