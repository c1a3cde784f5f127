// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "app/desktop.h"

namespace quorvel::ui::win32 {

// The window-side services on Win32: modal message boxes owned by the
// program's active window, and the end of the run.
class Win32Desktop final : public Desktop {
 public:
  // The window that owns a box when none of the program's is active (the
  // main window); a box without an owner would leave the focus to the
  // desktop when it closes.
  void SetFallbackOwner(HWND window) { fallbackOwner_ = window; }

  void ShowMessageBox(MessageKind kind, std::string_view caption, std::string_view text) override;
  void EndProgram() override;

 private:
  HWND fallbackOwner_ = nullptr;
};

}  // namespace quorvel::ui::win32
