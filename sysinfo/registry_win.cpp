// SPDX-License-Identifier: MIT
// The Windows registry through advapi32's ANSI functions.
#include <windows.h>

#include <optional>

#include "app/win_text.h"
#include "sysinfo/registry.h"

namespace quorvel::sysinfo {
namespace {

// UTF-8 text in the ANSI code page, for the "A" functions; nothing when the
// code page cannot hold it exactly (a look-alike could name another key).
std::optional<std::string> TextToAnsi(std::string_view text) {
  std::optional<std::wstring> wide = win::Widen(text);
  return wide ? win::Narrow(*wide, CP_ACP) : std::nullopt;
}

HKEY ToHandle(RegKey key) {
  return reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public Registry {
 public:
  RegStatus OpenKey(RegKey root, const std::string& path, std::uint32_t access,
                    RegKey& key) override {
    // A path the code page cannot hold names no key that can be opened.
    std::optional<std::string> ansiPath = TextToAnsi(path);
    if (!ansiPath)
      return kRegFileNotFound;
    HKEY opened = nullptr;
    LSTATUS status =
        RegOpenKeyExA(ToHandle(root), ansiPath->c_str(), 0, static_cast<REGSAM>(access), &opened);
    if (status == ERROR_SUCCESS)
      key = reinterpret_cast<RegKey>(opened);
    return static_cast<RegStatus>(status);
  }

  RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                       std::span<std::byte> data, std::uint32_t& size) override {
    std::optional<std::string> ansiName = TextToAnsi(name);
    if (!ansiName)
      return kRegFileNotFound;
    DWORD valueType = REG_NONE;
    DWORD byteCount = static_cast<DWORD>(data.size());
    LSTATUS status = RegQueryValueExA(ToHandle(key), ansiName->c_str(), nullptr, &valueType,
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

std::optional<std::string> AnsiToText(std::string_view ansi) {
  std::optional<std::wstring> wide = win::Widen(ansi, CP_ACP);
  return wide ? win::Narrow(*wide) : std::nullopt;
}

}  // namespace quorvel::sysinfo
