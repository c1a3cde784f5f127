// SPDX-License-Identifier: MIT
#include "app/win_text.h"

#include <windows.h>

namespace quorvel::win {

std::optional<std::wstring> Widen(std::string_view text, unsigned codePage) {
  if (text.empty())
    return std::wstring();
  int length = static_cast<int>(text.size());
  int wideLength =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (wideLength <= 0)
    return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), wideLength);
  return wide;
}

std::optional<std::string> Narrow(std::wstring_view text, unsigned codePage) {
  if (text.empty())
    return std::string();
  int length = static_cast<int>(text.size());
  // UTF-8 holds every character, and refuses only broken UTF-16. Any other
  // code page would silently write "?" or a look-alike for a character it
  // lacks; asking for no look-alikes and for the default character's use to
  // be reported turns that into a failure.
  bool utf8 = codePage == kUtf8;
  DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* reportDefault = utf8 ? nullptr : &usedDefault;
  int narrowLength =
      WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, reportDefault);
  if (narrowLength <= 0 || usedDefault)
    return std::nullopt;
  std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
  WideCharToMultiByte(codePage, flags, text.data(), length, narrow.data(), narrowLength, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace quorvel::win
