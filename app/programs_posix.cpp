// SPDX-License-Identifier: MIT
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/programs.h"
#include "app/programs_detail.h"

extern char** environ;

namespace quorvel {

void SystemLauncher::Launch(std::string_view path) {
  if (path.empty())
    detail::ThrowLaunchFailure(path, "no program was named.");
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
  // intermediate, and never for the program. The intermediate's exit status
  // carries posix_spawn's verdict back (exec errors included, which glibc
  // reports), so a file that is no program is still a failure here.
  pid_t intermediate = fork();
  if (intermediate < 0)
    detail::ThrowLaunchFailure(path, std::strerror(errno));
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
    detail::ThrowLaunchFailure(path, "it is not a program this system can run.");
}

std::string SystemFileProbe::ProbeFile(std::string_view path) {
  std::string_view name = detail::BareName(path, "/");
  if (name.empty() || name.front() == '.')
    return {};
  struct stat status {};
  if (stat(std::string(path).c_str(), &status) != 0 || !S_ISREG(status.st_mode))
    return {};
  return std::string(name);
}

}  // namespace quorvel
