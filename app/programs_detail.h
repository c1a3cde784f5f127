// SPDX-License-Identifier: MIT
// Shared by the POSIX and Windows launchers and file probes.
#pragma once

#include <string_view>

namespace quorvel::detail {

// Throws the launch-failure CalcError for `path`, saying why.
[[noreturn]] void ThrowLaunchFailure(std::string_view path, std::string_view reason);

// Throws the launch failure for a path that names no program at all: an
// empty one, or one with a NUL inside, which the system would cut short and
// so start another program than the one named.
void CheckPathToLaunch(std::string_view path);

// The part of `path` after its last character from `separators`.
std::string_view BareName(std::string_view path, std::string_view separators);

}  // namespace quorvel::detail
