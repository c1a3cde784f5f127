// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel {

// Clears the floating-point exception flags that CheckFloat tests.
void ClearFloat() noexcept;

// Throws CalcError (FloatingPointFault) if overflow, division by zero or an
// invalid operation was flagged since the last ClearFloat. Underflow and
// inexact results are not faults.
void CheckFloat();

// a * b, computed at run time at this point of the program, so that the flags
// it raises are seen by the next CheckFloat: the compiler can neither fold it
// into a constant nor move it across ClearFloat or CheckFloat.
double Multiply(double a, double b) noexcept;

}  // namespace quorvel
