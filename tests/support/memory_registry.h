// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <vector>

#include "sysinfo/registry.h"

namespace quorvel::sysinfo {

// A registry kept in memory, for the tests to fill. Key paths and value names
// compare without regard to ASCII case, as in the Windows registry.
class MemoryRegistry final : public Registry {
 public:
  RegStatus OpenKey(RegKey root, const std::string& path, std::uint32_t access,
                    RegKey& key) override;
  RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                       std::span<std::byte> data, std::uint32_t& size) override;
  void CloseKey(RegKey key) override;

  // Stores a value, creating its key; the key grants every access.
  void SetValue(RegKey root, const std::string& path, const std::string& name, std::uint32_t type,
                std::vector<std::byte> data);
  // Stores a REG_SZ text, with its closing NUL when `withNul`.
  void SetString(RegKey root, const std::string& path, const std::string& name,
                 const std::string& text, bool withNul = true);
  // Stores a 4-byte REG_DWORD, little-endian as Windows stores it.
  void SetDword(RegKey root, const std::string& path, const std::string& name, std::uint32_t value);
  // Limits the access that opening the key may ask for; more is refused.
  void GrantAccess(RegKey root, const std::string& path, std::uint32_t access);

  // How many keys are open now.
  std::size_t OpenKeys() const { return open_.size(); }

 private:
  struct Value {
    std::uint32_t type = kRegNone;
    std::vector<std::byte> data;
  };
  struct Key {
    std::uint32_t grantedAccess = 0xFFFFFFFFu;
    std::map<std::string, Value> values;
  };

  Key& MakeKey(RegKey root, const std::string& path);

  std::map<std::pair<RegKey, std::string>, Key> keys_;
  std::map<RegKey, Key*> open_;
  RegKey nextHandle_ = 0x1000;
};

}  // namespace quorvel::sysinfo
