// SPDX-License-Identifier: MIT
// A program for the launching tests. It takes no arguments, as Launch passes
// none: it writes "<its path>.ran" holding its process id, waits until
// "<its path>.go" exists (ten seconds at most), then writes "<its path>.done".
// Its path is that of its own file, whatever command line started it.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::filesystem::path OwnFile([[maybe_unused]] const char* argv0) {
#ifdef _WIN32
  wchar_t name[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, name, MAX_PATH);
  return name;
#else
  return argv0;
#endif
}

long ProcessId() {
#ifdef _WIN32
  return static_cast<long>(GetCurrentProcessId());
#else
  return static_cast<long>(getpid());
#endif
}

}  // namespace

int main(int, char** argv) {
  const std::filesystem::path self = OwnFile(argv[0]);
  auto withSuffix = [&self](const char* suffix) {
    std::filesystem::path file = self;
    file += suffix;
    return file;
  };
  std::ofstream(withSuffix(".ran")) << ProcessId() << '\n';
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!std::filesystem::exists(withSuffix(".go")) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ofstream(withSuffix(".done")) << "done\n";
  return 0;
}
