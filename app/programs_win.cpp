// SPDX-License-Identifier: MIT
#include <windows.h>

#include <optional>

#include "app/programs.h"
#include "app/programs_detail.h"
#include "app/win_text.h"

namespace quorvel {

void SystemLauncher::Launch(std::string_view path) {
  if (path.empty())
    detail::ThrowLaunchFailure(path, "no program was named.");
  // The system would read the path only up to a NUL, and so start another
  // program than the one named.
  if (path.find('\0') != std::string_view::npos)
    detail::ThrowLaunchFailure(path, "its name holds a NUL character.");
  std::optional<std::wstring> wide = win::Widen(path);
  if (!wide)
    detail::ThrowLaunchFailure(path, "its name is not valid text.");
  std::wstring application = std::move(*wide);
  DWORD attributes = GetFileAttributesW(application.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    detail::ThrowLaunchFailure(path, "it does not exist.");
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    detail::ThrowLaunchFailure(path, "it is not a program file.");

  // The path goes as the application name, so nothing splits it at blanks
  // ("C:\Program Files\..." never starts "C:\Program.exe"); the command line
  // is the same path, quoted, as the program's argv[0].
  std::wstring commandLine = L"\"" + application + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    detail::ThrowLaunchFailure(path, "it is not a program this system can run.");
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::string SystemFileProbe::ProbeFile(std::string_view path) {
  std::string_view name = detail::BareName(path, "\\/");
  if (name.empty() || path.find('\0') != std::string_view::npos)
    return {};
  std::optional<std::wstring> wide = win::Widen(path);
  if (!wide)
    return {};
  DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return {};
  constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
  if ((attributes & kNotPlain) != 0)
    return {};
  return std::string(name);
}

}  // namespace quorvel
