// SPDX-License-Identifier: MIT
#include "ui/win32/form_window.h"

#include "app/translation.h"
#include "ui/win32/dpi.h"

namespace quorvel::ui::win32 {
namespace {

// The name a caption gives: its text without the blanks around it.
std::string_view Trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void FormWindow::BuildControls(std::span<const ControlRow> table, const WindowLayout& window,
                               std::string_view first) {
  controls_ = std::make_unique<Controls>(hwnd(), table, window, WindowDpi(hwnd()));
  focus_ = control(first);
  for (const ControlRow& row : table) {
    if (!row.names.empty())
      names_.Set(control(row.names), Trimmed(Tr(row.caption)));
    if (!row.accessibleName.empty())
      names_.Set(control(row.name), Tr(row.accessibleName));
    if (!row.description.empty())
      names_.SetDescription(control(row.name), Tr(row.description));
  }
  names_.StartIfScreenReader();
}

void FormWindow::Focus(HWND target) {
  focus_ = target;
  SetFocus(target);
}

std::optional<LRESULT> FormWindow::HandleForm(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      // A plain window does not keep its focused control as a dialog does.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused && IsChild(hwnd(), focused))
          focus_ = focused;
        return std::nullopt;
      }
      if (!focus_)
        return std::nullopt;
      SetFocus(focus_);
      return 0;
    case WM_SETFOCUS:
      if (focus_)
        SetFocus(focus_);
      return 0;
    case WM_GETOBJECT:
      names_.Start();
      return std::nullopt;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETSCREENREADER)
        names_.StartIfScreenReader();
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      // A contrast theme or colours chosen while the program runs: every
      // control is drawn again in them.
      RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return std::nullopt;
    case WM_CTLCOLORSTATIC:
      if (!controls_)
        return std::nullopt;
      return reinterpret_cast<LRESULT>(
          controls_->ColourStatic(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd(), &paint);
      if (controls_)
        controls_->PaintLines(dc);
      EndPaint(hwnd(), &paint);
      return 0;
    }
    case WM_DPICHANGED: {
      UINT dpi = HIWORD(wParam);
      if (controls_)
        controls_->Layout(dpi);
      DpiChanged(dpi);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace quorvel::ui::win32
