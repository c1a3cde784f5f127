// SPDX-License-Identifier: MIT
#include <sys/stat.h>

#include "app/programs.h"
#include "app/programs_detail.h"

namespace quorvel {

void SystemLauncher::Launch(std::string_view path) {
  // The only program to start is the one the Windows registry names; without
  // a registry the system information tool is unavailable before any launch.
  detail::ThrowLaunchFailure(path, "programs are started only on Windows.");
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
