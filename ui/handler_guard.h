// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <utility>

#include "app/calc_error.h"
#include "app/desktop.h"

namespace quorvel::ui {

// Runs an event handler under the guard: a CalcError that escapes it is
// reported to the user and the handler is abandoned; the error comes back so
// the window can put the focus where the fault was.
template <typename Handler>
std::optional<CalcError> RunGuarded(Desktop& desktop, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const CalcError& error) {
    ReportError(desktop, error);
    return error;
  }
  return std::nullopt;
}

}  // namespace quorvel::ui
