// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel::bench {

// How many times the global operator new has run in this program so far.
long AllocationCount() noexcept;

}  // namespace quorvel::bench
