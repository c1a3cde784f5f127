// SPDX-License-Identifier: MIT
#include "ui/win32/window.h"

namespace quorvel::ui::win32 {
namespace {

// The run's state: the counted windows that are open, and whether it ends.
int openWindows = 0;
bool ending = false;

// A window's object and whether it is counted, kept in GWLP_USERDATA.
struct Link {
  Window* object;
  bool counted;
};

BOOL CALLBACK HideWindow(HWND window, LPARAM) {
  ShowWindow(window, SW_HIDE);
  return TRUE;
}

}  // namespace

Window::~Window() {
  if (hwnd_ && IsWindow(hwnd_)) {
    // Detached first: the messages of its destruction find no object.
    auto* link = reinterpret_cast<Link*>(GetWindowLongPtrW(hwnd_, GWLP_USERDATA));
    if (link)
      link->object = nullptr;
    DestroyWindow(hwnd_);
  }
}

void Window::Create(const WNDCLASSEXW& windowClass, DWORD exStyle, DWORD style, HWND owner,
                    HMENU menu, bool counted) {
  WNDCLASSEXW registered{};
  if (!GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &registered)) {
    WNDCLASSEXW copy = windowClass;
    copy.cbSize = sizeof(copy);
    copy.lpfnWndProc = &Window::Procedure;
    RegisterClassExW(&copy);
  }
  auto* link = new Link{this, counted};
  hwnd_ =
      CreateWindowExW(exStyle, windowClass.lpszClassName, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, owner, menu, windowClass.hInstance, link);
  if (!hwnd_)
    delete link;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* link = static_cast<Link*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
    link->object->hwnd_ = hwnd;
    if (link->counted)
      ++openWindows;
  }
  auto* link = reinterpret_cast<Link*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY && link) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (link->object)
      link->object->hwnd_ = nullptr;
    bool counted = link->counted;
    delete link;
    if (counted && --openWindows == 0 && !ending)
      PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (link && link->object && !ending)
    return link->object->Handle(message, wParam, lParam);
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
