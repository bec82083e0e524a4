#pragma once
// Controls: components that wrap a window. One window procedure serves every
// control: our own window class and subclassed stock controls both end in the
// virtual WndProc, and notifications come back to the control that raised them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

class TForm;
class TPopupMenu;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TShiftState {
  bool Shift = false, Ctrl = false, Alt = false;
  bool Left = false, Right = false, Middle = false, Double = false;
  static TShiftState FromKeyboard();
};

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;

struct TCreateParams {
  std::wstring ClassName;  // empty: the toolkit's own window class
  DWORD Style = 0;
  DWORD ExStyle = 0;
  std::wstring Caption;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  static TControl* FromHandle(HWND hwnd);

  TControl* Parent() const { return parent_; }
  void SetParent(TControl* parent);
  const std::vector<TControl*>& Controls() const { return children_; }
  TForm* ParentForm();

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Showing() const;  // this control and all its parents visible
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  virtual bool WantsTab() const { return false; }

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  bool CanFocus() const;
  // Raises "Cannot focus a disabled or invisible window" when the control cannot take the focus.
  void SetFocus();
  bool Focused() const;

  void Invalidate();
  void Repaint();
  // Destroys and creates the window again from the control's properties.
  void RecreateWnd();

  // Scales bounds and fonts from one resolution to another (design 96 dpi to the screen's).
  virtual void ChangeScale(int multiplier, int divisor);

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TNotifyEvent OnResize;

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // Concrete controls call this at the end of their constructor.
  void CreateHandle();
  void DestroyHandle();
  virtual void CreateParams(TCreateParams& params);
  // After the window exists (first creation and every re-creation).
  virtual void HandleCreated();
  // Lets a control save what its window holds before the window goes.
  virtual void HandleDestroying() {}

  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
  // Notifications the parent reflects back to the control that raised them.
  virtual bool CommandNotify(WORD /*code*/) { return false; }
  virtual bool NotifyReflect(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
  virtual HBRUSH CtlColor(HDC dc);

  virtual void Realign();
  virtual void FontChanged();
  // After the control's colour changed (set, or taken from its parent).
  virtual void ColorChanged() {}
  // Key and mouse hooks: the defaults raise the events. A key set to 0 goes no further.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  // After the view has handled the press.
  virtual void MouseDown(TMouseButton button, WPARAM wParam, LPARAM lParam, bool dbl);
  bool DoContextPopup(LPARAM lParam);
  HBRUSH BackgroundBrush();

 protected:
  // Reads the window's position back after the platform moved or sized it.
  void SyncBoundsFromWindow();

 private:
  friend class TForm;
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR data);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void Bind(HWND hwnd);
  void ApplyBounds();
  void ParentFontChanged();
  void ParentColorChanged();
  HWND ParentHandle() const;

  HWND handle_ = nullptr;
  bool stock_ = false;
  TControl* parent_ = nullptr;
  std::vector<TControl*> children_;  // in creation order; tab order is the order of tabList_
  std::vector<TControl*> tabList_;
  TAlign align_ = TAlign::alNone;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TFont font_;
  bool parentFont_ = true;
  UniqueFont fontHandle_;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  UniqueBrush brush_;
  bool tabStop_ = false;
  TPopupMenu* popupMenu_ = nullptr;
  bool aligning_ = false;
};
