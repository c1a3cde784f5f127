// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <filesystem>
#include <thread>

namespace quorvel::testing {

// Waits until `file` exists, twenty seconds at most; false if it never does.
inline bool WaitFor(const std::filesystem::path& file) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!std::filesystem::exists(file)) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace quorvel::testing
