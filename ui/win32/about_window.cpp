// SPDX-License-Identifier: MIT
#include "ui/win32/about_window.h"

#include "app/translation.h"
#include "ui/about_table.h"
#include "ui/win32/dpi.h"
#include "ui/win32/ids.h"
#include "ui/win32/text.h"

namespace quorvel::ui::win32 {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
// The dialog frame, which also keeps the caption free of an icon.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, HWND owner, frmAbout& handlers) : handlers_(handlers) {
  Create(instance, kAboutClass, kExStyle | (TextsRightToLeft() ? WS_EX_RTLREADING : 0), kStyle,
         owner, nullptr);
  BuildControls(kAboutControls, kAboutWindow, "cmdOK");
  ok_ = control("cmdOK");
  title_ = control("lblTitle");
  version_ = control("lblVersion");
  Place(WindowDpi(hwnd()));
}

void AboutWindow::Place(UINT dpi) {
  PixelRect client = ClientPixels(kAboutWindow, kAboutPlace, dpi);
  RECT frame{client.left, client.top, client.left + client.width, client.top + client.height};
  AdjustFrame(frame, kStyle, false, kExStyle, dpi);
  SetWindowPos(hwnd(), nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::SetText(AboutText which, std::string_view text) {
  switch (which) {
    case AboutText::WindowCaption:
      SetWindowTextW(hwnd(), Shown(text).c_str());
      break;
    case AboutText::Title:
      SetWindowTextUtf8(title_, text);
      FitCaption(title_);
      break;
    case AboutText::Version:
      SetWindowTextW(version_, Shown(text).c_str());
      FitCaption(version_);
      break;
    case AboutText::Summary:
      names().SetDescription(hwnd(), text);
      break;
  }
}

void AboutWindow::Show() {
  // Restored first: shown or brought to the front, a minimised window stays
  // minimised.
  ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd());
  SetActiveWindow(hwnd());
}

LRESULT AboutWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case DM_GETDEFID:
      return MAKELRESULT(GetDlgCtrlID(ok_), DC_HASDEFID);
    case WM_COMMAND: {
      // OK itself, Enter (the default button's id) and Esc (IDCANCEL).
      int id = LOWORD(wParam);
      if (IsWindowEnabled(hwnd()) && (id == GetDlgCtrlID(ok_) || id == IDCANCEL)) {
        handlers_.cmdOK_Click();  // this window is gone afterwards
        return 0;
      }
      break;
    }
    case WM_CLOSE:
      handlers_.Unload();  // this window is gone afterwards
      return 0;
  }
  if (auto handled = HandleForm(message, wParam, lParam))
    return *handled;
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

}  // namespace quorvel::ui::win32
