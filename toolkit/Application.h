#pragma once
// The application object: title, main form, message loop, the hourglass, the
// modal seam and the standard error box for failures no command handles.
#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/ModalSeam.h"
#include "toolkit/StartTrace.h"

class TForm;

// Sent to a window that asked for the loop's next idle moment (TApplication::WantIdle).
inline constexpr UINT kIdleMessage = WM_APP + 0x60;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  // Common controls, COM, the design resolution and the locale's formats.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // The first form created becomes the main form.
  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    T* form = TComponent::Create<T>(this, std::forward<Args>(args)...);
    if (!mainForm_) mainForm_ = form;
    return form;
  }
  TForm* MainForm() const { return mainForm_; }
  void SetMainForm(TForm* form) { mainForm_ = form; }

  // The window is sent kIdleMessage, once, at the next moment the message loop has
  // nothing left to handle or paint (for a window of the start: once the main form is
  // shown and painted). Work that the first paint does not need waits for it there.
  void WantIdle(HWND window) { idleWanted_.push_back(window); }

  // Shows the main form and runs the message loop until it closes.
  void Run(int showCommand = SW_SHOWNORMAL);
  void ProcessMessages();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  // Shortcut and dialog-key handling before a message is dispatched.
  bool PreProcessMessage(MSG& msg);

  void HandleException(const std::exception& e);
  // The standard error box: message with a full stop when its last character sorts after ".".
  void ShowException(const std::string& message);
  static std::string ErrorBoxText(const std::string& message);

  TModalSeam& Modal() { return *modal_; }
  // Tests put in their scripted seam; returns the previous one.
  std::unique_ptr<TModalSeam> SetModalSeam(std::unique_ptr<TModalSeam> seam);

  // Windows without a parent yet live here.
  HWND ParkingWindow();

  HCURSOR CursorOverride() const { return cursor_; }
  void SetCursorOverride(HCURSOR cursor);

  void Notification(TComponent* component, TOperation operation) override;

  // Notes that a phase of the start ended (see TStartTrace).
  void MarkStart(const char* phase) { startTrace_.Mark(phase); }
  TStartTrace& StartTrace() { return startTrace_; }

 private:
  std::string title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  std::unique_ptr<TModalSeam> modal_;
  HWND parking_ = nullptr;
  HCURSOR cursor_ = nullptr;
  bool comInitialized_ = false;
  TStartTrace startTrace_;
  std::vector<HWND> idleWanted_;
  // Nothing left to handle or paint: the start is over, and the work put off for it runs.
  void Idle();
};

// The one application object of the process (null before it exists).
extern TApplication* Application;

// Notes the end of a start phase when there is an application object.
inline void MarkStart(const char* phase) {
  if (Application) Application->MarkStart(phase);
}

// Shows the hourglass until the end of the scope, whatever way it ends.
class THourglass {
 public:
  THourglass();
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;
  ~THourglass();

 private:
  HCURSOR previous_;
};
