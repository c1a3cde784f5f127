// SPDX-License-Identifier: MIT
#include <windows.h>

#include "sysinfo/ansi_text.h"

namespace quorvel::sysinfo {
namespace {

std::string Convert(std::string_view text, UINT from, UINT to) {
  if (text.empty())
    return {};
  int length = static_cast<int>(text.size());
  int wideLength = MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(from, 0, text.data(), length, wide.data(), wideLength);
  int outLength = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(outLength), '\0');
  WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), outLength, nullptr, nullptr);
  return out;
}

}  // namespace

std::string TextToAnsi(std::string_view text) {
  return Convert(text, CP_UTF8, CP_ACP);
}

std::string AnsiToText(std::string_view ansi) {
  return Convert(ansi, CP_ACP, CP_UTF8);
}

}  // namespace quorvel::sysinfo
