// SPDX-License-Identifier: MIT
// POSIX systems have no registry: every lookup fails, and the system
// information tool is reported unavailable.
#include "sysinfo/registry.h"

namespace quorvel::sysinfo {
namespace {

class NoRegistry final : public Registry {
 public:
  RegStatus OpenKey(RegKey, const std::string&, std::uint32_t, RegKey&) override {
    return kRegFileNotFound;
  }
  RegStatus QueryValue(RegKey, const std::string&, std::uint32_t&, std::span<std::byte>,
                       std::uint32_t&) override {
    return kRegInvalidHandle;
  }
  void CloseKey(RegKey) override {}
};

}  // namespace

Registry& SystemRegistry() {
  static NoRegistry registry;
  return registry;
}

// Without an ANSI code page, text is UTF-8 already.
std::optional<std::string> AnsiToText(std::string_view ansi) {
  return std::string(ansi);
}

}  // namespace quorvel::sysinfo
