// SPDX-License-Identifier: MIT
#include "app/number_format.h"

#include <string>

namespace quorvel {

const NumberFormat& UserNumberFormat() {
  // The separator text must outlive every NumberFormat that views it.
  static const std::string separator = [] {
    std::string read = detail::ReadUserDecimalSeparator();
    return read.empty() ? std::string(".") : read;
  }();
  static const NumberFormat format{separator};
  return format;
}

}  // namespace quorvel
