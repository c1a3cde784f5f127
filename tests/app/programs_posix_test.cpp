// SPDX-License-Identifier: MIT
// The launcher and the real file probe on a POSIX system.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/calc_error.h"
#include "app/programs.h"
#include "tests/support/launch_failures.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "quorvel-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(SystemLauncherTest, EveryLaunchIsALaunchFailure) {
  const std::string paths[] = {"/bin/sh", ""};
  SystemLauncher launcher;
  testing::ExpectLaunchFailures(launcher, paths);
}

TEST(SystemFileProbeTest, GivesTheNameOfAPlainVisibleFile) {
  TempFolder folder;
  std::ofstream(folder.path() / "MSINFO32.EXE") << "x";
  fs::path readOnly = folder.path() / "read-only.exe";
  std::ofstream(readOnly) << "x";
  fs::permissions(readOnly, fs::perms::owner_read);
  std::ofstream(folder.path() / ".hidden") << "x";
  fs::create_directory(folder.path() / "folder");

  struct Row {
    std::string name;
    std::string expected;
  };
  const Row rows[] = {
      {"MSINFO32.EXE", "MSINFO32.EXE"},
      {"read-only.exe", "read-only.exe"},
      {".hidden", ""},
      {"folder", ""},
      {"missing", ""},
  };
  SystemFileProbe probe;
  for (const Row& row : rows)
    EXPECT_EQ(probe.ProbeFile((folder.path() / row.name).string()), row.expected) << row.name;
  EXPECT_EQ(probe.ProbeFile(""), "");
}

}  // namespace
}  // namespace quorvel
