// SPDX-License-Identifier: MIT
#include "ui/win32/window.h"

namespace quorvel::ui::win32 {
namespace {

// The run's state: the program's windows that are open, and whether it ends.
int openWindows = 0;
bool ending = false;

BOOL CALLBACK HideWindow(HWND window, LPARAM) {
  ShowWindow(window, SW_HIDE);
  return TRUE;
}

}  // namespace

Window::~Window() {
  if (hwnd_) {
    // Detached first: the messages of its destruction find no object.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::Create(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style,
                    HWND owner, HMENU menu) {
  WNDCLASSEXW windowClass{};
  if (!GetClassInfoExW(instance, className, &windowClass)) {
    windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassExW(&windowClass);
  }
  CreateWindowExW(exStyle, className, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, owner, menu, instance, this);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* made = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    made->hwnd_ = hwnd;
    ++openWindows;
  }
  auto* object = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    if (object)
      object->hwnd_ = nullptr;
    if (--openWindows == 0 && !ending)
      PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (object && !ending)
    return object->Handle(message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void EndRun() {
  ending = true;
  EnumThreadWindows(GetCurrentThreadId(), &HideWindow, 0);
  PostQuitMessage(0);
}

void RunMessageLoop(HWND main, HACCEL accelerators) {
  MSG message;
  while (!ending && GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && root == main && TranslateAcceleratorW(main, accelerators, &message))
      continue;
    if (root && IsDialogMessageW(root, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace quorvel::ui::win32
