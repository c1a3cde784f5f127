// SPDX-License-Identifier: MIT
//
// The About window's two public operations, which no control calls:
//
//   GetKeyValue    reads one registry value as text (key_value.h)
//   StartSysInfo   finds the system information tool through the registry
//                  and starts it, or says that it is unavailable
#pragma once

#include "app/desktop.h"
#include "app/programs.h"
#include "app/translation.h"
#include "sysinfo/key_value.h"
#include "sysinfo/registry.h"

namespace quorvel::sysinfo {

// Where the tool's path is kept: first the tool's own key, then the folder of
// the shared tools, to which the file name is appended.
inline constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kToolValue = "PATH";
inline constexpr const char* kToolsFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kToolsFolderValue = "MSINFO";
inline constexpr const char* kToolFileName = "\\MSINFO32.EXE";
inline constexpr std::string_view kUnavailableMessage =
    Mark("System Information Is Unavailable At This Time");

// What StartSysInfo works with.
struct SysInfoServices {
  Registry& registry;
  FileProbe& probe;
  Launcher& launcher;
  Desktop& desktop;
};

// Starts the system information tool, or shows kUnavailableMessage when it
// cannot be found or started. No error reaches the caller.
void StartSysInfo(const SysInfoServices& services);

}  // namespace quorvel::sysinfo
