// SPDX-License-Identifier: MIT
// The real launcher and file probe on a POSIX system.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/calc_error.h"
#include "app/programs.h"
#include "tests/support/launch_failures.h"
#include "tests/support/wait_for.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::WaitFor;

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

void CopyProgram(const fs::path& to) {
  fs::copy_file(QUORVEL_LAUNCH_HELPER, to);
  fs::permissions(to, fs::perms::owner_all);
}

// Zombies whose parent is this process.
int ZombieChildren() {
  int zombies = 0;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line))
      continue;
    // pid (comm) state ppid ...; comm may hold blanks, so read after ')'.
    std::size_t close = line.rfind(')');
    if (close == std::string::npos)
      continue;
    char state = 0;
    int parent = 0;
    if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) == 2 && state == 'Z' &&
        parent == getpid())
      ++zombies;
  }
  return zombies;
}

TEST(SystemLauncherTest, StartsTheProgramByItsWholePathWithoutWaiting) {
  TempFolder folder;
  fs::create_directory(folder.path() / "my tools");
  fs::path program = folder.path() / "my tools" / "helper";
  CopyProgram(program);
  // A program named like the path's first word: it must never start.
  fs::path decoy = folder.path() / "my";
  CopyProgram(decoy);
  fs::path marker = program.string() + ".ran";

  SystemLauncher launcher;
  launcher.Launch(program.string());

  ASSERT_TRUE(WaitFor(marker)) << "the program did not run";
  EXPECT_FALSE(fs::exists(program.string() + ".done")) << "Launch waited for the program to end";
  std::ofstream(program.string() + ".go") << "go\n";
  ASSERT_TRUE(WaitFor(program.string() + ".done"));
  EXPECT_FALSE(fs::exists(decoy.string() + ".ran")) << "the path was split at its blank";

  // The program is not our child, so it can never linger as our zombie.
  int status = 0;
  EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  EXPECT_EQ(ZombieChildren(), 0);
}

TEST(SystemLauncherTest, WhatCannotBeStartedIsALaunchFailure) {
  TempFolder folder;
  fs::path text = folder.path() / "notes.txt";
  std::ofstream(text) << "not a program\n";
  fs::path executableText = folder.path() / "looks-runnable";
  std::ofstream(executableText) << "not a program either\n";
  fs::permissions(executableText, fs::perms::owner_all);
  fs::path sub = folder.path() / "folder";
  fs::create_directory(sub);
  fs::path program = folder.path() / "helper";
  CopyProgram(program);

  const std::string paths[] = {
      "",
      (folder.path() / "missing").string(),
      sub.string(),
      text.string(),
      executableText.string(),
      // The system would read only up to the NUL and start the helper.
      program.string() + std::string(1, '\0') + " junk",
  };
  SystemLauncher launcher;
  testing::ExpectLaunchFailures(launcher, paths);
  EXPECT_FALSE(fs::exists(program.string() + ".ran")) << "the path was cut at its NUL";
  EXPECT_EQ(ZombieChildren(), 0);
}

TEST(SystemLauncherTest, OutcomeDoesNotDependOnTheSignalDispositions) {
  // A process may inherit SIGCHLD ignored; the system then reaps children
  // itself and their exit status is lost.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction previous {};
  ASSERT_EQ(sigaction(SIGCHLD, &ignore, &previous), 0);
  TempFolder folder;
  fs::path executableText = folder.path() / "looks-runnable";
  std::ofstream(executableText) << "not a program\n";
  fs::permissions(executableText, fs::perms::owner_all);
  fs::path program = folder.path() / "helper";
  CopyProgram(program);

  SystemLauncher launcher;
  const std::string notAProgram[] = {executableText.string()};
  testing::ExpectLaunchFailures(launcher, notAProgram);
  EXPECT_NO_THROW(launcher.Launch(program.string()));
  EXPECT_TRUE(WaitFor(program.string() + ".ran")) << "the program did not run";
  std::ofstream(program.string() + ".go") << "go\n";
  EXPECT_TRUE(WaitFor(program.string() + ".done"));
  sigaction(SIGCHLD, &previous, nullptr);
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
