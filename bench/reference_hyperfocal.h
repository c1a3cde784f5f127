// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvel::bench {

// How the reference finds the user's locale.
enum class LocaleUse {
  PerCall,  // std::locale("") in each call: the obvious way
  Cached,   // built once and reused: the careful way
};

// The hyperfocal caption computed with string streams and std::locale: the
// yardstick the real implementation is measured against. Returns an empty
// string where the real one would throw.
std::string ReferenceHyperfocal(std::string_view focalText, std::string_view apertureText,
                                LocaleUse localeUse);

}  // namespace quorvel::bench
