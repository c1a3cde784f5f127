// SPDX-License-Identifier: MIT
// The Win32 windows on both ways of knowing their DPI: the per-monitor
// functions of Windows 10, and what Windows 7 has (the system DPI and the
// plain system sizes). Under Wine, as on one monitor, both must give the
// same windows.
#include "ui/win32/dpi.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/recording_desktop.h"
#include "ui/form1_table.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/ids.h"

namespace quorvel::ui::win32 {
namespace {

// Per-monitor aware, as quorvel.exe is by its manifest; set before any window.
const bool kAware = [] {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  return GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) ==
         DPI_AWARENESS_PER_MONITOR_AWARE;
}();

struct Placed {
  SIZE window{};
  std::vector<RECT> controls;  // in client coordinates, by row
};

Placed PlaceOfMainWindow(bool windows7) {
  UseWindows7Dpi(windows7);
  testing::RecordingDesktop desktop;
  Form1Window form(GetModuleHandleW(nullptr), desktop);
  Placed placed;
  RECT frame{};
  GetWindowRect(form.hwnd(), &frame);
  placed.window = {frame.right - frame.left, frame.bottom - frame.top};
  for (std::size_t row = 0; row < kForm1Controls.size(); ++row) {
    RECT rect{};
    if (HWND control = GetDlgItem(form.hwnd(), ControlId(row))) {
      GetWindowRect(control, &rect);
      MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    }
    placed.controls.push_back(rect);
  }
  UseWindows7Dpi(false);
  return placed;
}

bool operator==(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

TEST(DpiTest, TheMainWindowIsTheSameOnWindows7) {
  ASSERT_TRUE(kAware);
  Placed modern = PlaceOfMainWindow(false);
  Placed windows7 = PlaceOfMainWindow(true);
  EXPECT_EQ(windows7.window.cx, modern.window.cx);
  EXPECT_EQ(windows7.window.cy, modern.window.cy);
  ASSERT_EQ(windows7.controls.size(), modern.controls.size());
  for (std::size_t row = 0; row < modern.controls.size(); ++row)
    EXPECT_TRUE(windows7.controls[row] == modern.controls[row]) << kForm1Controls[row].name;
}

TEST(DpiTest, Windows7SizesAreTheSameAtTheSystemDpi) {
  ASSERT_TRUE(kAware);
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  UINT dpi = GetDpiForWindow(window);
  UseWindows7Dpi(true);
  EXPECT_EQ(WindowDpi(window), dpi);
  for (int metric : {SM_CXICON, SM_CXSMICON, SM_CYCAPTION, SM_CYMENU})
    EXPECT_EQ(SystemMetric(metric, dpi), GetSystemMetricsForDpi(metric, dpi)) << metric;

  // The frames of both windows, with and without a menu bar.
  const struct {
    DWORD style;
    DWORD exStyle;
    bool menu;
  } frames[] = {
      {WS_OVERLAPPEDWINDOW, 0, true},
      {WS_OVERLAPPEDWINDOW, 0, false},
      {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false},
  };
  for (const auto& f : frames) {
    RECT expected{10, 20, 340, 254};
    AdjustWindowRectExForDpi(&expected, f.style, f.menu, f.exStyle, dpi);
    RECT adjusted{10, 20, 340, 254};
    AdjustFrame(adjusted, f.style, f.menu, f.exStyle, dpi);
    EXPECT_TRUE(adjusted == expected) << f.style << (f.menu ? " with a menu" : "");
  }
  UseWindows7Dpi(false);
  DestroyWindow(window);
}

}  // namespace
}  // namespace quorvel::ui::win32
