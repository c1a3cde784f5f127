// SPDX-License-Identifier: MIT
#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/calc_error.h"
#include "app/programs.h"
#include "app/programs_detail.h"

namespace quorvel::testing {

// A pretend file system for launching and probing: a set of paths that are
// plain, visible program files. Launching records the path and fails, as the
// real launcher does, for any other path.
class FakePrograms final : public Launcher, public FileProbe {
 public:
  void Launch(std::string_view path) override {
    launched.emplace_back(path);
    if (!files.contains(std::string(path)))
      throw CalcError(CalcError::Kind::LaunchFailure, "no such program");
  }
  std::string ProbeFile(std::string_view path) override {
    probed.emplace_back(path);
    if (!files.contains(std::string(path)))
      return {};
    return std::string(detail::BareName(path, "\\/"));
  }

  std::set<std::string> files;
  std::vector<std::string> launched;
  std::vector<std::string> probed;
};

}  // namespace quorvel::testing
