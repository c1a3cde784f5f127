// SPDX-License-Identifier: MIT
//
// The main window on Win32: builds its controls and menu from the table, and
// hands every event to the handlers of ui/form1.h, which it serves as their
// view; it builds their About windows too.
#pragma once

#include <windows.h>

#include <memory>

#include "app/desktop.h"
#include "ui/form1.h"
#include "ui/win32/form_window.h"

namespace quorvel::ui::win32 {

class Form1Window final : public FormWindow, public Form1View {
 public:
  // Builds the window, hidden, at the system's default position, with the
  // client area of the table below its menu bar.
  Form1Window(HINSTANCE instance, Desktop& desktop);
  ~Form1Window() override;

  // The F1 key of the help item, for the message loop.
  HACCEL accelerators() const { return accelerators_; }

  std::string BoxText(Box box) const override;
  void SetResult(std::string_view caption, std::string_view accessibleName) override;
  void FocusAndSelect(Box box) override;

 private:
  std::unique_ptr<AboutView> MakeAboutWindow(frmAbout& about);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DpiChanged(UINT dpi) override;
  void Command(int id);
  void FitClientArea(UINT dpi);
  void SetIcons(UINT dpi);

  HINSTANCE instance_;
  HACCEL accelerators_ = nullptr;
  // Owns the About window without showing: an owned window stays out of the
  // task bar, and this owner is not the main window, so About is not tied to it.
  HWND aboutOwner_ = nullptr;
  HWND focal_ = nullptr;
  HWND aperture_ = nullptr;
  HWND result_ = nullptr;
  int calculateId_ = 0;
  int byeId_ = 0;
  Form1 handlers_;
};

}  // namespace quorvel::ui::win32
