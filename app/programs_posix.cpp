// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "app/programs.h"
#include "app/programs_detail.h"

extern char** environ;

namespace quorvel {
namespace {

// Runs in the intermediate child: starts the program with every signal at
// its default and none blocked, whatever this process had set, and gives
// posix_spawn's verdict (exec errors included, which glibc reports).
bool SpawnProgram(std::string& program) {
  posix_spawnattr_t attributes;
  if (posix_spawnattr_init(&attributes) != 0)
    return false;
  sigset_t all;
  sigfillset(&all);
  sigdelset(&all, SIGKILL);
  sigdelset(&all, SIGSTOP);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  char* argv[] = {program.data(), nullptr};
  pid_t child = 0;
  bool started = posix_spawn(&child, program.c_str(), nullptr, &attributes, argv, environ) == 0;
  posix_spawnattr_destroy(&attributes);
  return started;
}

}  // namespace

void SystemLauncher::Launch(std::string_view path) {
  detail::CheckPathToLaunch(path);
  std::string program(path);
  struct stat status {};
  if (stat(program.c_str(), &status) != 0)
    detail::ThrowLaunchFailure(path, "it does not exist.");
  if (!S_ISREG(status.st_mode))
    detail::ThrowLaunchFailure(path, "it is not a program file.");
  if (access(program.c_str(), X_OK) != 0)
    detail::ThrowLaunchFailure(path, "it is not a program file.");

  // An intermediate child starts the program and exits at once, so the
  // program is adopted by the system, which reaps it: we wait only for the
  // intermediate, and never for the program. The verdict comes back through
  // a pipe rather than the intermediate's exit status, which is lost when
  // this process ignores SIGCHLD (a disposition it may inherit): the system
  // then reaps the intermediate itself and waitpid has nothing to report.
  int verdict[2];
  if (pipe2(verdict, O_CLOEXEC) != 0)
    detail::ThrowLaunchFailure(path, std::strerror(errno));
  pid_t intermediate = fork();
  if (intermediate < 0) {
    int error = errno;
    close(verdict[0]);
    close(verdict[1]);
    detail::ThrowLaunchFailure(path, std::strerror(error));
  }
  if (intermediate == 0) {
    close(verdict[0]);
    char started = SpawnProgram(program) ? 1 : 0;
    _exit(write(verdict[1], &started, 1) == 1 ? 0 : 1);
  }
  close(verdict[1]);
  char started = 0;
  ssize_t got = 0;
  while ((got = read(verdict[0], &started, 1)) < 0 && errno == EINTR) {
  }
  close(verdict[0]);
  while (waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
  }
  if (got != 1 || started != 1)
    detail::ThrowLaunchFailure(path, "it is not a program this system can run.");
}

std::string SystemFileProbe::ProbeFile(std::string_view path) {
  std::string_view name = detail::BareName(path, "/");
  if (name.empty() || name.front() == '.' || path.find('\0') != std::string_view::npos)
    return {};
  struct stat status {};
  if (stat(std::string(path).c_str(), &status) != 0 || !S_ISREG(status.st_mode))
    return {};
  return std::string(name);
}

}  // namespace quorvel
