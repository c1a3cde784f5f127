// SPDX-License-Identifier: MIT
// A program for the launching tests. It takes no arguments, as Launch passes
// none: it writes "<its path>.ran" holding its process id, waits until
// "<its path>.go" exists (ten seconds at most), then writes "<its path>.done".
// Its path is that of its own file, whatever command line started it.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

int main() {
  wchar_t name[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, name, MAX_PATH);
  const std::filesystem::path self = name;
  auto withSuffix = [&self](const char* suffix) {
    std::filesystem::path file = self;
    file += suffix;
    return file;
  };
  std::ofstream(withSuffix(".ran")) << GetCurrentProcessId() << '\n';
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!std::filesystem::exists(withSuffix(".go")) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ofstream(withSuffix(".done")) << "done\n";
  return 0;
}
