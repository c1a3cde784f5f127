// SPDX-License-Identifier: MIT
#include <windows.h>

#include "app/calc_error.h"
#include "app/programs.h"

namespace quorvel {
namespace {

std::wstring Wide(std::string_view text) {
  if (text.empty())
    return {};
  int length = static_cast<int>(text.size());
  int wideLength = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), wideLength);
  return wide;
}

[[noreturn]] void LaunchFailed(std::string_view path, const std::string& reason) {
  throw CalcError(CalcError::Kind::LaunchFailure,
                  "The program \"" + std::string(path) + "\" could not be started: " + reason);
}

// The part of `path` after its last backslash or slash.
std::string_view BareName(std::string_view path) {
  std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace

void SystemLauncher::Launch(std::string_view path) {
  if (path.empty())
    LaunchFailed(path, "no program was named.");
  std::wstring application = Wide(path);
  DWORD attributes = GetFileAttributesW(application.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    LaunchFailed(path, "it does not exist.");
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    LaunchFailed(path, "it is not a program file.");

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
    LaunchFailed(path, "it is not a program this system can run.");
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::string SystemFileProbe::ProbeFile(std::string_view path) {
  std::string_view name = BareName(path);
  if (name.empty())
    return {};
  DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return {};
  constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
  if ((attributes & kNotPlain) != 0)
    return {};
  return std::string(name);
}

}  // namespace quorvel
