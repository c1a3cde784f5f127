// SPDX-License-Identifier: MIT
#include <string>

#include "app/calc_error.h"
#include "app/programs_detail.h"

namespace quorvel::detail {

void ThrowLaunchFailure(std::string_view path, std::string_view reason) {
  throw CalcError(
      CalcError::Kind::LaunchFailure,
      "The program \"" + std::string(path) + "\" could not be started: " + std::string(reason));
}

std::string_view BareName(std::string_view path, std::string_view separators) {
  std::size_t separator = path.find_last_of(separators);
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace quorvel::detail
