// SPDX-License-Identifier: MIT
// Starts a Windows program and measures the time from its start until its
// first top-level window is visible, then ends it. Prints the milliseconds.
// Usage: quorvel_win32_startup_probe PROGRAM
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  DWORD process;
  bool shown;
};

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && IsWindowVisible(window))
    search->shown = true;
  return !search->shown;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: quorvel_win32_startup_probe PROGRAM\n", stderr);
    return 2;
  }
  std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, shown;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fputs("cannot start the program\n", stderr);
    return 2;
  }
  Search search{process.dwProcessId, false};
  for (;;) {
    EnumWindows(&FindShown, reinterpret_cast<LPARAM>(&search));
    if (search.shown)
      break;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
      std::fputs("the program ended without a window\n", stderr);
      return 2;
    }
    Sleep(1);
  }
  QueryPerformanceCounter(&shown);
  std::printf("%.1f\n", 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) /
                            static_cast<double>(frequency.QuadPart));
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
