// SPDX-License-Identifier: MIT
// The real launcher (CreateProcessW) and file probe (GetFileAttributesW).
#include <gtest/gtest.h>

#include <fstream>

#include "app/calc_error.h"
#include "app/programs.h"
#include "tests/support/launch_failures.h"
#include "tests/support/windows_test_support.h"

namespace quorvel {
namespace {

using testing::FinishHelper;
using testing::InstallHelper;
using testing::WaitFor;
using testing::WithSuffix;
namespace fs = std::filesystem;

TEST(WindowsLauncherTest, StartsAProgramUnderProgramFilesWithoutSplittingItsPath) {
  const fs::path program = L"C:\\Program Files\\Quorvel Launch Test\\helper.exe";
  const fs::path decoy = L"C:\\Program.exe";
  InstallHelper(program);
  InstallHelper(decoy);
  for (const char* marker : {".ran", ".go", ".done"})
    fs::remove(WithSuffix(program, marker));
  fs::remove(WithSuffix(decoy, ".ran"));

  SystemLauncher launcher;
  launcher.Launch(program.string());

  bool ran = WaitFor(WithSuffix(program, ".ran"));
  EXPECT_FALSE(fs::exists(WithSuffix(decoy, ".ran"))) << "C:\\Program.exe was started";
  ASSERT_TRUE(ran) << "the program did not run";
  EXPECT_FALSE(fs::exists(WithSuffix(program, ".done"))) << "Launch waited for the program";
  EXPECT_TRUE(FinishHelper(program));
}

TEST(WindowsLauncherTest, WhatCannotBeStartedIsALaunchFailure) {
  const fs::path folder = L"C:\\Quorvel Launch Failures";
  fs::create_directories(folder);
  std::ofstream(folder / "notes.exe") << "not a program\n";
  const fs::path program = folder / "helper.exe";
  InstallHelper(program);
  fs::remove(WithSuffix(program, ".ran"));
  const std::string paths[] = {
      "",
      (folder / "missing.exe").string(),
      folder.string(),
      (folder / "notes.exe").string(),
      // The system would read only up to the NUL and start the helper.
      program.string() + std::string(1, '\0') + " junk",
  };
  SystemLauncher launcher;
  testing::ExpectLaunchFailures(launcher, paths);
  EXPECT_FALSE(fs::exists(WithSuffix(program, ".ran"))) << "the path was cut at its NUL";
}

TEST(WindowsFileProbeTest, GivesTheNameOfAPlainVisibleFile) {
  const fs::path folder = L"C:\\Quorvel Probe Test";
  fs::create_directories(folder / "Sub");
  struct Row {
    const wchar_t* name;
    DWORD attributes;  // 0: a folder
    const char* expected;
  };
  const Row rows[] = {
      {L"MSINFO32.EXE", FILE_ATTRIBUTE_NORMAL, "MSINFO32.EXE"},
      {L"read-only.exe", FILE_ATTRIBUTE_READONLY, "read-only.exe"},
      {L"archived.exe", FILE_ATTRIBUTE_ARCHIVE, "archived.exe"},
      {L"hidden.exe", FILE_ATTRIBUTE_HIDDEN, ""},
      {L"system.exe", FILE_ATTRIBUTE_SYSTEM, ""},
      {L"Sub", 0, ""},
  };
  for (const Row& row : rows) {
    fs::path file = folder / row.name;
    if (row.attributes != 0) {
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      std::ofstream(file) << "x";
      ASSERT_TRUE(SetFileAttributesW(file.c_str(), row.attributes));
    }
  }
  SystemFileProbe probe;
  for (const Row& row : rows)
    EXPECT_EQ(probe.ProbeFile((folder / row.name).string()), row.expected)
        << fs::path(row.name).string();
  EXPECT_EQ(probe.ProbeFile((folder / "missing.exe").string()), "");
}

}  // namespace
}  // namespace quorvel
