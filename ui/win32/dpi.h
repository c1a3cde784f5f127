// SPDX-License-Identifier: MIT
//
// The DPI a window is shown at, and the sizes of its frame, caption and
// icons, on every Windows from 7 on. The per-monitor functions of Windows 10
// (version 1607) are looked up at run time, so that the program still starts
// where they are missing. There the window's DPI is its monitor's (Windows
// 8.1) or the system's (Windows 7 and 8), and the system draws frames,
// captions and their icons at the system DPI whatever the window's, so the
// plain functions give their sizes.
#pragma once

#include <windows.h>

namespace quorvel::ui::win32 {

// The DPI `window` is shown at.
UINT WindowDpi(HWND window);

// GetSystemMetrics(`index`) for a window at `dpi`.
int SystemMetric(int index, UINT dpi);

// Grows the client rectangle `rect` to the window rectangle of a window of
// these styles, shown at `dpi`.
void AdjustFrame(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi);

// Makes the functions above do as on Windows 7, where none of the newer
// functions exists, even on a system that has them; for the tests.
void UseWindows7Dpi(bool use);

}  // namespace quorvel::ui::win32
