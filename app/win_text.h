// SPDX-License-Identifier: MIT
// Windows only: the program's UTF-8 text to and from the UTF-16 of the
// Windows API, and to and from a code page.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::win {

// UTF-8 (or any code page `codePage`) text as UTF-16.
std::wstring Widen(std::string_view text, unsigned codePage = 65001);

// UTF-16 text as UTF-8 (or any code page `codePage`).
std::string Narrow(std::wstring_view text, unsigned codePage = 65001);

}  // namespace quorvel::win
