// SPDX-License-Identifier: MIT
#include "ui/win32/win32_desktop.h"

#include "app/translation.h"
#include "ui/win32/text.h"
#include "ui/win32/window.h"

namespace quorvel::ui::win32 {

void Win32Desktop::ShowMessageBox(MessageKind kind, std::string_view caption,
                                  std::string_view text) {
  HWND owner = GetActiveWindow();
  if (!owner && IsWindow(fallbackOwner_) && IsWindowVisible(fallbackOwner_))
    owner = fallbackOwner_;
  UINT icon = kind == MessageKind::Error ? MB_ICONERROR : MB_ICONINFORMATION;
  UINT reading = TextsRightToLeft() ? MB_RTLREADING | MB_RIGHT : 0;
  MessageBoxW(owner, Shown(text).c_str(), Wide(caption).c_str(), MB_OK | icon | reading);
}

void Win32Desktop::EndProgram() {
  EndRun();
}

}  // namespace quorvel::ui::win32
