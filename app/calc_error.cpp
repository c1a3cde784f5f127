// SPDX-License-Identifier: MIT
#include "app/calc_error.h"

namespace quorvel {

CalcError::CalcError(Kind kind, const std::string& description, int argument)
    : std::runtime_error(description), kind_(kind), argument_(argument) {}

std::int32_t CalcError::number() const noexcept {
  return ErrorNumber(kind_);
}

}  // namespace quorvel
