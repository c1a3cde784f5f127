// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "app/calc_error.h"
#include "app/programs.h"

namespace quorvel::testing {

// Expects launching each of `paths` to fail with a LaunchFailure error.
inline void ExpectLaunchFailures(Launcher& launcher, std::span<const std::string> paths) {
  for (const std::string& path : paths) {
    try {
      launcher.Launch(path);
      ADD_FAILURE() << "no error for \"" << path << "\"";
    } catch (const CalcError& error) {
      EXPECT_EQ(error.kind(), CalcError::Kind::LaunchFailure) << path;
    }
  }
}

}  // namespace quorvel::testing
