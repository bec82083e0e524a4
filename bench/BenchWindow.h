#pragma once
// The benchmarks' own top-level window: registered, made, filled, shown and painted, then
// served until it is closed.
#include <windows.h>

// Ends the loop when the window goes; every other message has its default handling.
inline LRESULT CALLBACK BenchWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// `fill` (if any) adds the window's contents before it is shown.
inline int RunBenchWindow(HINSTANCE instance, int showCommand, const wchar_t* name, WNDPROC proc = BenchWindowProc,
                          void (*fill)(HWND, HINSTANCE) = nullptr) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, name, name, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 600, 400, nullptr,
                              nullptr, instance, nullptr);
  if (fill) fill(hwnd, instance);
  ShowWindow(hwnd, showCommand);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
