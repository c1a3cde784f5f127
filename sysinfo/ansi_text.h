// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvel::sysinfo {

// The program's UTF-8 text in the system's ANSI code page, for the registry's
// "A" functions; unchanged where the platform has no such code page.
std::string TextToAnsi(std::string_view text);

// Bytes in the ANSI code page back to UTF-8 text; unchanged elsewhere.
std::string AnsiToText(std::string_view ansi);

}  // namespace quorvel::sysinfo
