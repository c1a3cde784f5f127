// SPDX-License-Identifier: MIT
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/calc_error.h"
#include "app/programs.h"

extern char** environ;

namespace quorvel {
namespace {

[[noreturn]] void LaunchFailed(std::string_view path, const std::string& reason) {
  throw CalcError(CalcError::Kind::LaunchFailure,
                  "The program \"" + std::string(path) + "\" could not be started: " + reason);
}

// The part of `path` after its last slash.
std::string_view BareName(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

void SystemLauncher::Launch(std::string_view path) {
  if (path.empty())
    LaunchFailed(path, "no program was named.");
  std::string program(path);
  struct stat status {};
  if (stat(program.c_str(), &status) != 0)
    LaunchFailed(path, "it does not exist.");
  if (!S_ISREG(status.st_mode))
    LaunchFailed(path, "it is not a program file.");
  if (access(program.c_str(), X_OK) != 0)
    LaunchFailed(path, "it is not a program file.");

  // An intermediate child starts the program and exits at once, so the
  // program is adopted by the system, which reaps it: we wait only for the
  // intermediate, and never for the program. The intermediate's exit status
  // carries posix_spawn's verdict back (exec errors included, which glibc
  // reports), so a file that is no program is still a failure here.
  pid_t intermediate = fork();
  if (intermediate < 0)
    LaunchFailed(path, std::strerror(errno));
  if (intermediate == 0) {
    char* argv[] = {program.data(), nullptr};
    pid_t child = 0;
    int error = posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ);
    _exit(error == 0 ? 0 : 1);
  }
  int waitStatus = 0;
  while (waitpid(intermediate, &waitStatus, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(waitStatus) || WEXITSTATUS(waitStatus) != 0)
    LaunchFailed(path, "it is not a program this system can run.");
}

std::string SystemFileProbe::ProbeFile(std::string_view path) {
  std::string_view name = BareName(path);
  if (name.empty() || name.front() == '.')
    return {};
  struct stat status {};
  if (stat(std::string(path).c_str(), &status) != 0 || !S_ISREG(status.st_mode))
    return {};
  return std::string(name);
}

}  // namespace quorvel
