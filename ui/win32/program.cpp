// SPDX-License-Identifier: MIT
#include "ui/win32/program.h"

#include "ui/win32/form1_window.h"
#include "ui/win32/win32_desktop.h"

namespace quorvel::ui::win32 {

int RunProgram(HINSTANCE instance, int show) {
  Win32Desktop desktop;
  Form1Window form(instance, desktop);
  desktop.SetFallbackOwner(form.hwnd());
  ShowWindow(form.hwnd(), show);
  UpdateWindow(form.hwnd());
  RunMessageLoop(form.hwnd(), form.accelerators());
  return 0;
}

}  // namespace quorvel::ui::win32
