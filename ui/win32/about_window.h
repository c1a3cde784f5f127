// SPDX-License-Identifier: MIT
//
// One loaded About window on Win32: a fixed dialog frame with a close box
// only and no icon, owned by a hidden window so that it stays out of the task
// bar without being tied to the main window. Destroying it unloads the
// window.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/frm_about.h"
#include "ui/win32/form_window.h"

namespace quorvel::ui::win32 {

class AboutWindow final : public FormWindow, public AboutView {
 public:
  // Builds the window hidden, its client area at its fixed place on the
  // screen, with the focus on OK.
  AboutWindow(HINSTANCE instance, HWND owner, frmAbout& handlers);

  void SetText(AboutText which, std::string_view text) override;
  void Show() override;

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Place(UINT dpi);

  frmAbout& handlers_;
  HWND ok_ = nullptr;
  HWND title_ = nullptr;
  HWND version_ = nullptr;
};

}  // namespace quorvel::ui::win32
