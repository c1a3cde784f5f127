// SPDX-License-Identifier: MIT
// Shared by the POSIX and Windows launchers and file probes.
#pragma once

#include <string_view>

namespace quorvel::detail {

// Throws the launch-failure CalcError for `path`, saying why.
[[noreturn]] void ThrowLaunchFailure(std::string_view path, std::string_view reason);

// The part of `path` after its last character from `separators`.
std::string_view BareName(std::string_view path, std::string_view separators);

}  // namespace quorvel::detail
