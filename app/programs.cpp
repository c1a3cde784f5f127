// SPDX-License-Identifier: MIT
#include <string>

#include "app/calc_error.h"
#include "app/programs_detail.h"

namespace quorvel::detail {

void ThrowLaunchFailure(std::string_view path, std::string_view reason) {
  // A NUL would end the text wherever it is shown, so it is written visibly.
  std::string shown;
  for (char c : path)
    shown += c == '\0' ? std::string_view("\\0") : std::string_view(&c, 1);
  throw CalcError(CalcError::Kind::LaunchFailure,
                  "The program \"" + shown + "\" could not be started: " + std::string(reason));
}

std::string_view BareName(std::string_view path, std::string_view separators) {
  std::size_t separator = path.find_last_of(separators);
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace quorvel::detail
