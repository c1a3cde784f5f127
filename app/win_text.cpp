// SPDX-License-Identifier: MIT
#include "app/win_text.h"

#include <windows.h>

namespace quorvel::win {

std::wstring Widen(std::string_view text, unsigned codePage) {
  if (text.empty())
    return {};
  int length = static_cast<int>(text.size());
  int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
  return wide;
}

std::string Narrow(std::wstring_view text, unsigned codePage) {
  if (text.empty())
    return {};
  int length = static_cast<int>(text.size());
  int narrowLength =
      WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), length, narrow.data(), narrowLength, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace quorvel::win
