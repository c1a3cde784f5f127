// SPDX-License-Identifier: MIT
#include "ui/win32/text.h"

#include <algorithm>

#include "app/translation.h"
#include "app/win_text.h"

namespace quorvel::ui::win32 {

std::wstring Wide(std::string_view text) {
  return win::Widen(text).value_or(L"\uFFFD");
}

std::wstring Shown(std::string_view text) {
  std::wstring wide = Wide(text);
  // A name written left to right ("Morlith") stays as it is.
  auto rightToLeft = [](wchar_t c) {
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFF);
  };
  if (!TextsRightToLeft() || std::ranges::none_of(wide, rightToLeft))
    return wide;
  return L"\u202B" + wide + L"\u202C";
}

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  // Broken UTF-16 (a lone surrogate pasted in) reads as a character that is
  // no digit, so it is reported as not a number rather than dropped.
  return win::Narrow(text).value_or("\xEF\xBF\xBD");
}

void SetWindowTextUtf8(HWND window, std::string_view text) {
  SetWindowTextW(window, Wide(text).c_str());
}

}  // namespace quorvel::ui::win32
