// SPDX-License-Identifier: MIT
//
// The Win32 side of the program's top-level windows: a window procedure that
// reaches the window's C++ object, and the count of the open windows, whose
// last one closing ends the run.
#pragma once

#include <windows.h>

namespace quorvel::ui::win32 {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the window if it is still there.
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the window class `className` with this class's procedure, the
  // arrow cursor and the button face behind the controls the first time,
  // then creates the window, hidden.
  void Create(HINSTANCE instance, const wchar_t* className, DWORD exStyle, DWORD style, HWND owner,
              HMENU menu);

  // Handles a message; what it does not handle goes to DefWindowProcW. The
  // object may be destroyed inside, and then must not be touched after.
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

// Ends the run at once: every window of the program is hidden, no further
// message is handled, and the message loop returns.
void EndRun();

// Runs the message loop until the run ends: keys go to `accelerators` of
// `main` first, then through the dialog keys (Tab, Enter, Esc, access keys)
// of the window they are for.
void RunMessageLoop(HWND main, HACCEL accelerators);

}  // namespace quorvel::ui::win32
