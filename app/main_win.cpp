// SPDX-License-Identifier: MIT
// The Windows program's entry: it runs the Win32 windows. Nothing else
// happens at start-up.
#include <windows.h>

#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  return quorvel::ui::win32::RunProgram(instance, show);
}
