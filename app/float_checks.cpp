// SPDX-License-Identifier: MIT
#include "app/float_checks.h"

#include <cfenv>

#include "app/calc_error.h"

namespace quorvel {

namespace {
constexpr int kFaults = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
}  // namespace

void ClearFloat() noexcept {
  // Clearing costs several times more than testing, and the faults are rarely
  // set: clear them only when there is something to clear. Underflow and
  // inexact are left alone; no check looks at them.
  if (std::fetestexcept(kFaults) != 0)
    std::feclearexcept(kFaults);
}

void CheckFloat() {
  if (std::fetestexcept(kFaults) != 0) {
    throw CalcError(CalcError::Kind::FloatingPointFault,
                    "A calculation went beyond the range of numbers this program can handle.");
  }
}

double Multiply(double a, double b) noexcept {
  // Volatile operands and result pin the multiplication to this call: the
  // loads and the store must happen here, in order, even where the function
  // is inlined (link-time optimisation can inline across translation units,
  // so its own file alone would not be enough). Without them the compiler may
  // fold or reorder the product around the flag functions, which it
  // considers unrelated to it.
  volatile double left = a;
  volatile double right = b;
  volatile double product = left * right;
  return product;
}

}  // namespace quorvel
