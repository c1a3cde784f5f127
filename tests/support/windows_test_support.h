// SPDX-License-Identifier: MIT
// Shared by the tests that run on Windows (under Wine in CI).
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/wait_for.h"

namespace quorvel::testing {

namespace fs = std::filesystem;

// A file the build names by its Unix path, as Wine shows it: the Unix file
// system is drive Z:.
inline fs::path FromBuild(std::string path) {
  if (!path.empty() && path.front() == '/')
    path = "Z:" + path;
  return fs::path(path).make_preferred();
}

#ifdef QUORVEL_LAUNCH_HELPER
// The launch helper built beside the tests.
inline fs::path LaunchHelper() {
  return FromBuild(QUORVEL_LAUNCH_HELPER);
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

#endif  // QUORVEL_LAUNCH_HELPER

}  // namespace quorvel::testing
