// SPDX-License-Identifier: MIT
#include <windows.h>

#include "app/win_text.h"
#include "sysinfo/ansi_text.h"

namespace quorvel::sysinfo {

std::optional<std::string> TextToAnsi(std::string_view text) {
  std::optional<std::wstring> wide = win::Widen(text);
  return wide ? win::Narrow(*wide, CP_ACP) : std::nullopt;
}

std::optional<std::string> AnsiToText(std::string_view ansi) {
  std::optional<std::wstring> wide = win::Widen(ansi, CP_ACP);
  return wide ? win::Narrow(*wide) : std::nullopt;
}

}  // namespace quorvel::sysinfo
