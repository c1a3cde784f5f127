// SPDX-License-Identifier: MIT
// Windows only: the program's UTF-8 text to and from the UTF-16 of the
// Windows API, and to and from a code page. A conversion is exact or it
// fails: no character is ever replaced by "?" or a look-alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel::win {

inline constexpr unsigned kUtf8 = 65001;

// Text in `codePage` (UTF-8 by default) as UTF-16; nothing when it holds a
// byte sequence that is invalid there.
std::optional<std::wstring> Widen(std::string_view text, unsigned codePage = kUtf8);

// UTF-16 text in `codePage` (UTF-8 by default); nothing when a character has
// no exact form there (or the text is not valid UTF-16).
std::optional<std::string> Narrow(std::wstring_view text, unsigned codePage = kUtf8);

}  // namespace quorvel::win
