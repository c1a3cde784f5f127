// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel::sysinfo {

// The program's UTF-8 text in the system's ANSI code page, for the registry's
// "A" functions; nothing when the code page cannot hold it exactly (a
// look-alike could name another key). Unchanged where the platform has no
// such code page.
std::optional<std::string> TextToAnsi(std::string_view text);

// Bytes in the ANSI code page back to UTF-8 text; nothing when they are not
// valid there. Unchanged elsewhere.
std::optional<std::string> AnsiToText(std::string_view ansi);

}  // namespace quorvel::sysinfo
