#pragma once
// Top-level windows: the main window and the dialogs built in code.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

class TButton;

// bsSizeToolWin: a sizable tool window; placed in another control (SetParent before
// the style is set) it is that control's child window.
enum class TFormBorderStyle { bsSizeable, bsDialog, bsSizeToolWin };
enum class TPosition { poDesigned, poScreenCenter };

constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;

class TForm : public TControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition p) { position_ = p; }
  void SetClientSize(int width, int height);
  // A dialog laid out in code: fixed border, centred on the screen, button face,
  // the 8-point design font.
  void SetUpAsDialog(std::string caption, int clientWidth, int clientHeight);
  // Resolution the layout was designed at; the form scales to the screen's when shown.
  int PixelsPerInch() const { return pixelsPerInch_; }

  TControl* ActiveControl() const { return activeControl_; }
  // Raises "Cannot focus a disabled or invisible window" when the control cannot take the focus.
  void SetActiveControl(TControl* control);
  void ControlFocused(TControl* control);
  // Moves the focus to the next (or previous) tab stop after `current`.
  void SelectNext(TControl* current, bool forward);

  // Shortcuts of the focused control's context menu, then of its parents'; Tab; dialog keys.
  bool PreProcessKey(TControl* target, MSG& msg);
  bool IsShortCut(TControl* focused, WORD shortcut);

  // First showing of the main window: OnShow runs before the window appears.
  void ShowMain(int showCommand);
  void Close();
  bool ShownOnce() const { return shownOnce_; }

  // Modal use of a dialog built in code.
  int ShowModal();
  int RunModal();  // the platform side of ShowModal (the modal seam calls it)
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  TButton* DefaultButton() const;
  TButton* CancelButton() const;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnDestroy;
  std::function<void(TComponent* sender, bool& canClose)> OnCloseQuery;
  TNotifyEvent OnClose;

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Concrete forms call this at the end of their constructor, once their components exist.
  void DoCreate();
  // Scales the layout from the design resolution to the screen's.
  void ScaleToScreen();
  // Scales the layout and the font dialogs the window owns to `dpi`.
  void ScaleTo(int dpi);

 private:
  bool CloseQuery();
  void CollectTabStops(TControl* parent, std::vector<TControl*>& out);

  std::string caption_;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TPosition position_ = TPosition::poDesigned;
  int pixelsPerInch_ = 96;
  TControl* activeControl_ = nullptr;
  bool shownOnce_ = false;
  bool destroyFired_ = false;
  int modalResult_ = mrNone;
  bool inModal_ = false;
  // The close query passed for a session that is ending.
  bool sessionAgreed_ = false;
};
