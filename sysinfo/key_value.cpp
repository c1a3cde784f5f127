// SPDX-License-Identifier: MIT
#include "sysinfo/key_value.h"

#include <array>
#include <string_view>
#include <utility>

namespace quorvel::sysinfo {
namespace {

// An open key, closed when it goes out of scope, whatever path leaves.
class OpenKey {
 public:
  explicit OpenKey(Registry& registry) : registry_(registry) {}
  ~OpenKey() { registry_.CloseKey(key_); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  RegKey& handle() { return key_; }

 private:
  Registry& registry_;
  RegKey key_ = 0;
};

bool Fail(std::string& KeyVal) {
  KeyVal.clear();
  return false;
}

}  // namespace

bool GetKeyValue(Registry& registry, RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
  OpenKey key(registry);
  if (registry.OpenKey(KeyRoot, KeyName, kKeyRead, key.handle()) != kRegSuccess)
    return Fail(KeyVal);

  std::array<std::byte, kValueBufferSize> buffer{};
  std::uint32_t size = kValueBufferSize;
  std::uint32_t type = kRegNone;
  if (registry.QueryValue(key.handle(), SubKeyRef, type, buffer, size) != kRegSuccess)
    return Fail(KeyVal);

  std::string_view data(reinterpret_cast<const char*>(buffer.data()), size);
  if (type == kRegDword) {
    // Windows stores a DWORD little-endian, whatever the machine.
    if (size != 4)
      return Fail(KeyVal);
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
      value = (value << 8) | std::to_integer<std::uint32_t>(buffer[i]);
    KeyVal = std::to_string(value);
    return true;
  }
  if (data.empty()) {
    KeyVal.clear();
    return true;
  }
  if (type == kRegSz) {
    if (data.back() == '\0')
      data.remove_suffix(1);
    std::optional<std::string> text = AnsiToText(data);
    if (!text)
      return Fail(KeyVal);
    KeyVal = std::move(*text);
  }
  return true;
}

}  // namespace quorvel::sysinfo
