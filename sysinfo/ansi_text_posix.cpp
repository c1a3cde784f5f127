// SPDX-License-Identifier: MIT
// Without an ANSI code page the registry store holds UTF-8 already.
#include "sysinfo/ansi_text.h"

namespace quorvel::sysinfo {

std::optional<std::string> TextToAnsi(std::string_view text) {
  return std::string(text);
}

std::optional<std::string> AnsiToText(std::string_view ansi) {
  return std::string(ansi);
}

}  // namespace quorvel::sysinfo
