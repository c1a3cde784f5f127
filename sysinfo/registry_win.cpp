// SPDX-License-Identifier: MIT
// The Windows registry through advapi32's ANSI functions.
#include <windows.h>

#include "sysinfo/ansi_text.h"
#include "sysinfo/registry.h"

namespace quorvel::sysinfo {
namespace {

HKEY ToHandle(RegKey key) {
  return reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public Registry {
 public:
  RegStatus OpenKey(RegKey root, const std::string& path, std::uint32_t access,
                    RegKey& key) override {
    HKEY opened = nullptr;
    LSTATUS status = RegOpenKeyExA(ToHandle(root), TextToAnsi(path).c_str(), 0,
                                   static_cast<REGSAM>(access), &opened);
    if (status == ERROR_SUCCESS)
      key = reinterpret_cast<RegKey>(opened);
    return static_cast<RegStatus>(status);
  }

  RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                       std::span<std::byte> data, std::uint32_t& size) override {
    DWORD valueType = REG_NONE;
    DWORD byteCount = static_cast<DWORD>(data.size());
    LSTATUS status = RegQueryValueExA(ToHandle(key), TextToAnsi(name).c_str(), nullptr, &valueType,
                                      reinterpret_cast<LPBYTE>(data.data()), &byteCount);
    type = valueType;
    size = byteCount;
    return static_cast<RegStatus>(status);
  }

  void CloseKey(RegKey key) override {
    if (key != 0)
      RegCloseKey(ToHandle(key));
  }
};

}  // namespace

Registry& SystemRegistry() {
  static WindowsRegistry registry;
  return registry;
}

}  // namespace quorvel::sysinfo
