// SPDX-License-Identifier: MIT
#include "ui/win32/dpi.h"

#include "ui/win32/system_function.h"

namespace quorvel::ui::win32 {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
// shcore's GetDpiForMonitor, with MDT_EFFECTIVE_DPI (0) as its second argument.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// The newer functions where the system has them, looked up once.
struct DpiFunctions {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  GetDpiForWindowFunction forWindow =
      FindFunction<GetDpiForWindowFunction>(user32, "GetDpiForWindow");
  GetSystemMetricsForDpiFunction metrics =
      FindFunction<GetSystemMetricsForDpiFunction>(user32, "GetSystemMetricsForDpi");
  AdjustWindowRectExForDpiFunction adjust =
      FindFunction<AdjustWindowRectExForDpiFunction>(user32, "AdjustWindowRectExForDpi");
  // shcore is loaded only where GetDpiForWindow is missing.
  GetDpiForMonitorFunction forMonitor =
      forWindow
          ? nullptr
          : FindFunction<GetDpiForMonitorFunction>(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor");
};

bool windows7 = false;

const DpiFunctions& Functions() {
  static const DpiFunctions functions;
  static const DpiFunctions none{nullptr, nullptr, nullptr, nullptr, nullptr};
  return windows7 ? none : functions;
}

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen)
    ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT WindowDpi(HWND window) {
  const DpiFunctions& functions = Functions();
  if (functions.forWindow)
    return functions.forWindow(window);
  UINT dpiX = 0;
  UINT dpiY = 0;
  if (functions.forMonitor &&
      SUCCEEDED(functions.forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &dpiX,
                                     &dpiY))) {
    return dpiY;
  }
  return SystemDpi();
}

int SystemMetric(int index, UINT dpi) {
  const DpiFunctions& functions = Functions();
  if (functions.metrics)
    return functions.metrics(index, dpi);
  return GetSystemMetrics(index);
}

void AdjustFrame(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi) {
  const DpiFunctions& functions = Functions();
  if (functions.adjust) {
    functions.adjust(&rect, style, menu, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&rect, style, menu, exStyle);
  }
}

void UseWindows7Dpi(bool use) {
  windows7 = use;
}

}  // namespace quorvel::ui::win32
