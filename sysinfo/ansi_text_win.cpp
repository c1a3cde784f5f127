// SPDX-License-Identifier: MIT
#include <windows.h>

#include "app/win_text.h"
#include "sysinfo/ansi_text.h"

namespace quorvel::sysinfo {

std::string TextToAnsi(std::string_view text) {
  return win::Narrow(win::Widen(text), CP_ACP);
}

std::string AnsiToText(std::string_view ansi) {
  return win::Narrow(win::Widen(ansi, CP_ACP));
}

}  // namespace quorvel::sysinfo
