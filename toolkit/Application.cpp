#include "toolkit/Application.h"

#include <commctrl.h>
#include <ole2.h>

#include <utility>

#include "toolkit/Form.h"
#include "toolkit/Locale.h"

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr), modal_(std::make_unique<TModalSeam>()) {
  Application = this;
  // The program's loading, the runtime's start and the static objects.
  startTrace_.Mark("process");
}

TApplication::~TApplication() {
  DestroyComponents();
  if (parking_) DestroyWindow(parking_);
  if (comInitialized_) OleUninitialize();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  comInitialized_ = SUCCEEDED(OleInitialize(nullptr));
  LoadFormatSettings();
  startTrace_.Mark("initialize");
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

HWND TApplication::ParkingWindow() {
  if (!parking_)
    parking_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  return parking_;
}

void TApplication::Run(int showCommand) {
  if (mainForm_) mainForm_->ShowMain(showCommand);
  MSG msg;
  while (!terminated_) {
    if ((startTrace_.Pending() || !idleWanted_.empty()) && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) Idle();
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (PreProcessMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TApplication::Idle() {
  MarkStart("first idle");
  if (!idleWanted_.empty()) {
    // Taken first: a window may ask again while it works.
    const std::vector<HWND> wanted = std::exchange(idleWanted_, {});
    // A window destroyed since it asked is passed over.
    for (HWND window : wanted)
      if (IsWindow(window)) SendMessageW(window, kIdleMessage, 0, 0);
  }
  startTrace_.Finish();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (PreProcessMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool TApplication::PreProcessMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TControl* target = nullptr;
  for (HWND h = msg.hwnd; h && !target; h = GetParent(h)) target = TControl::FromHandle(h);
  if (!target) return false;
  TForm* form = target->ParentForm();
  if (!form) return false;
  try {
    return form->PreProcessKey(target, msg);
  } catch (const std::exception& e) {
    HandleException(e);
    return true;
  }
}

std::string TApplication::ErrorBoxText(const std::string& message) {
  std::string text = message;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

void TApplication::HandleException(const std::exception& e) { ShowException(e.what()); }

void TApplication::ShowException(const std::string& message) {
  HWND owner = mainForm_ ? mainForm_->Handle() : nullptr;
  modal_->ShowMessageBox(owner, ErrorBoxText(message), title_, MB_OK | MB_ICONERROR);
}

std::unique_ptr<TModalSeam> TApplication::SetModalSeam(std::unique_ptr<TModalSeam> seam) {
  std::swap(seam, modal_);
  return seam;
}

void TApplication::SetCursorOverride(HCURSOR cursor) {
  cursor_ = cursor;
  ::SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW));
}

THourglass::THourglass() : previous_(Application ? Application->CursorOverride() : nullptr) {
  if (Application) Application->SetCursorOverride(LoadCursorW(nullptr, IDC_WAIT));
}

THourglass::~THourglass() {
  if (Application) Application->SetCursorOverride(previous_);
}
