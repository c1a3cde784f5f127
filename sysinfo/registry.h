// SPDX-License-Identifier: MIT
//
// The registry as the value reader sees it: three operations, the same as the
// Windows registry functions it is written against, with their status codes.
//
//   Registry          open a key, query a value, close a key
//   SystemRegistry    the platform's registry: advapi32 on Windows; on POSIX,
//                     which has none, a registry that finds no key
//   AnsiToText        string data as the registry gives it, as UTF-8 text
//
// Texts (key paths, value names) are the program's UTF-8; the Windows backend
// converts them to the ANSI code page. Value data comes back as the raw bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvel::sysinfo {

// A key handle as a number; zero is no key.
using RegKey = std::uintptr_t;
// A status as the registry functions return it; zero is success.
using RegStatus = std::int32_t;

inline constexpr RegStatus kRegSuccess = 0;
inline constexpr RegStatus kRegFileNotFound = 2;
inline constexpr RegStatus kRegAccessDenied = 5;
inline constexpr RegStatus kRegInvalidHandle = 6;
inline constexpr RegStatus kRegMoreData = 234;

// The predefined root key: HKEY_LOCAL_MACHINE, sign-extended as Windows
// defines it.
inline constexpr RegKey kLocalMachine =
    static_cast<RegKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// The access mask for reading only: READ_CONTROL, query value, enumerate
// sub-keys and notify. A standard user is granted it under
// HKEY_LOCAL_MACHINE, where the write rights are refused.
inline constexpr std::uint32_t kKeyRead = 0x20019;

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens `path` under `root` with `access`; on success `key` is the handle.
  virtual RegStatus OpenKey(RegKey root, const std::string& path, std::uint32_t access,
                            RegKey& key) = 0;
  // Reads the value `name`: its type, and its bytes into `data` with `size`
  // set to their count. When `data` is too small, writes no bytes and gives
  // kRegMoreData with `size` set to the count needed.
  virtual RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t& type,
                               std::span<std::byte> data, std::uint32_t& size) = 0;
  // Closes a key opened by OpenKey; closing zero does nothing.
  virtual void CloseKey(RegKey key) = 0;
};

// The platform's registry, made on first use.
Registry& SystemRegistry();

// String data read from the system's registry, in the ANSI code page, as
// UTF-8 text; nothing when the bytes are not valid there. Unchanged where the
// platform has no such code page.
std::optional<std::string> AnsiToText(std::string_view ansi);

}  // namespace quorvel::sysinfo
