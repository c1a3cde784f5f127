// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

namespace quorvel::testing {

// Polls `condition` until it holds, `limit` at most; false if it never does.
inline bool WaitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Waits until `file` exists.
inline bool WaitFor(const std::filesystem::path& file) {
  return WaitFor([&file] { return std::filesystem::exists(file); });
}

}  // namespace quorvel::testing
