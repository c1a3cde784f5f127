// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quorvel {

// A run-time error: it ends the running handler at the failing step. The
// handler's guard hands it to the error report, which shows the number and
// the description to the user.
class CalcError : public std::runtime_error {
 public:
  enum class Kind {
    TypeMismatch,
    Overflow,
    DivisionByZero,
    FloatingPointFault,
    InvalidArgument,
    LaunchFailure,
  };

  // The argument value of an error that concerns no single argument.
  static constexpr int kNoArgument = -1;

  // Makes an error of the given kind; the description is shown to the user as
  // it stands. `argument` is the position, from 0, of the caller's argument
  // whose value caused it, where the raiser knows it.
  CalcError(Kind kind, const std::string& description, int argument = kNoArgument);

  // What went wrong, in broad terms.
  Kind kind() const noexcept { return kind_; }
  // The stable number of the error's kind, shown in the error report.
  std::int32_t number() const noexcept;
  // A sentence for the user that says what went wrong: what(), whole, as no
  // description holds a NUL (a launch failure writes its path's visibly).
  std::string description() const { return what(); }
  // The position of the argument at fault, or kNoArgument.
  int argument() const noexcept { return argument_; }

 private:
  Kind kind_;
  int argument_;
};

// The error number of each kind. The numbers are part of what users see and
// report, so they never change once released.
constexpr std::int32_t ErrorNumber(CalcError::Kind kind) noexcept {
  switch (kind) {
    case CalcError::Kind::TypeMismatch:
      return 1001;
    case CalcError::Kind::Overflow:
      return 1002;
    case CalcError::Kind::DivisionByZero:
      return 1003;
    case CalcError::Kind::FloatingPointFault:
      return 1004;
    case CalcError::Kind::InvalidArgument:
      return 1005;
    case CalcError::Kind::LaunchFailure:
      return 1006;
  }
  return 1000;
}

}  // namespace quorvel
