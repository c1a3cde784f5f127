// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// How the user writes numbers: only the decimal separator matters to this
// program, since it accepts no grouping.
struct NumberFormat {
  std::string_view decimal = ".";
};

// The plain format with "." as the decimal separator.
inline constexpr NumberFormat kPlainFormat{};

// The user's number format, from the operating system's settings: read on
// the first call, then again only by RefreshUserNumberFormat. On POSIX the
// LC_ALL / LC_NUMERIC / LANG locale decides; a locale that is not installed
// falls back to the C locale. On Windows the user's locale does, with the
// regional settings' changes. Every format it gives stays valid to the end
// of the program, whatever is read later. Safe to call from any thread.
NumberFormat UserNumberFormat();

// Reads the user's number format again, after the user changed the regional
// settings while the program runs.
void RefreshUserNumberFormat();

namespace detail {
// Reads the decimal separator from the platform, for UserNumberFormat.
std::string ReadUserDecimalSeparator();
}  // namespace detail

}  // namespace quorvel
