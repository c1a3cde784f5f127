// SPDX-License-Identifier: MIT
#include <windows.h>

#include "app/number_format.h"

namespace quorvel::detail {

std::string ReadUserDecimalSeparator() {
  wchar_t wide[8] = {};
  int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, 8);
  if (length <= 1) {
    return ".";
  }
  char utf8[32] = {};
  int bytes =
      WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, utf8, sizeof utf8, nullptr, nullptr);
  return bytes > 0 ? std::string(utf8, static_cast<std::size_t>(bytes)) : std::string(".");
}

}  // namespace quorvel::detail
