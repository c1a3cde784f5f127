// SPDX-License-Identifier: MIT
// The window texts: the program's UTF-8 to the UTF-16 of the W functions.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quorvel::ui::win32 {

// UTF-8 text as UTF-16; text that is not UTF-8 shows as U+FFFD.
std::wstring Wide(std::string_view text);

// A text of the user's language as UTF-16 to show: where the language reads
// right to left and so does the text, inside a right-to-left embedding, so
// that it reads so in any control, whatever the system makes of
// WS_EX_RTLREADING (Wine makes nothing of it).
std::wstring Shown(std::string_view text);

// The text of a window or control, as UTF-8.
std::string WindowText(HWND window);

void SetWindowTextUtf8(HWND window, std::string_view text);

}  // namespace quorvel::ui::win32
