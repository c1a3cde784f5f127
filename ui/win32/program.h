// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace quorvel::ui::win32 {

// Runs the program: creates the main window, shows it as `show` asks, and
// runs the message loop until the program ends. Gives the exit code.
int RunProgram(HINSTANCE instance, int show);

}  // namespace quorvel::ui::win32
