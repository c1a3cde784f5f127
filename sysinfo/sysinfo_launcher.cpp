// SPDX-License-Identifier: MIT
#include "sysinfo/sysinfo_launcher.h"

#include <string>

#include "app/calc_error.h"

namespace quorvel::sysinfo {
namespace {

// Finds and starts the tool; false when it is unavailable.
bool FindAndLaunch(const SysInfoServices& services) {
  std::string toolPath;
  // The first value is trusted as it stands: a wrong path shows up as a
  // failed launch.
  if (!GetKeyValue(services.registry, kLocalMachine, kToolKey, kToolValue, toolPath)) {
    if (!GetKeyValue(services.registry, kLocalMachine, kToolsFolderKey, kToolsFolderValue,
                     toolPath))
      return false;
    if (services.probe.ProbeFile(toolPath + kToolFileName).empty())
      return false;
    toolPath += kToolFileName;
  }
  services.launcher.Launch(toolPath);
  return true;
}

}  // namespace

void StartSysInfo(const SysInfoServices& services) {
  bool started = false;
  try {
    started = FindAndLaunch(services);
  } catch (const CalcError&) {
    started = false;
  }
  if (!started)
    ShowMessage(services.desktop, Tr(kUnavailableMessage));
}

}  // namespace quorvel::sysinfo
