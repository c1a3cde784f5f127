// SPDX-License-Identifier: MIT
// Shared by the tests that run on Windows (under Wine in CI).
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/wait_for_file.h"

namespace quorvel::testing {

namespace fs = std::filesystem;

// The launch helper built beside the tests. The build names it by its Unix
// path; Wine shows the Unix file system as drive Z:.
inline fs::path LaunchHelper() {
  std::string path = QUORVEL_LAUNCH_HELPER;
  if (!path.empty() && path.front() == '/')
    path = "Z:" + path;
  return fs::path(path).make_preferred();
}

// `file` with `suffix` appended to its name.
inline fs::path WithSuffix(fs::path file, const char* suffix) {
  file += suffix;
  return file;
}

// Copies the helper to `to`, creating its folder.
inline void InstallHelper(const fs::path& to) {
  fs::create_directories(to.parent_path());
  fs::copy_file(LaunchHelper(), to, fs::copy_options::overwrite_existing);
}

// Lets a helper started as `program` finish, and waits until it has.
inline bool FinishHelper(const fs::path& program) {
  std::ofstream(WithSuffix(program, ".go")) << "go\n";
  return WaitFor(WithSuffix(program, ".done"));
}

}  // namespace quorvel::testing
