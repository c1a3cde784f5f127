// SPDX-License-Identifier: MIT
#include <windows.h>

#include "app/number_format.h"
#include "app/win_text.h"

namespace quorvel::detail {

std::string ReadUserDecimalSeparator() {
  wchar_t wide[8] = {};
  int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, 8);
  if (length <= 1)
    return ".";
  return win::Narrow(std::wstring_view(wide, static_cast<std::size_t>(length - 1))).value_or(".");
}

}  // namespace quorvel::detail
