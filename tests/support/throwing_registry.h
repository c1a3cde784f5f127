// SPDX-License-Identifier: MIT
#pragma once

#include "app/calc_error.h"
#include "sysinfo/registry.h"

namespace quorvel::testing {

// A registry whose keys open but whose every query throws a run-time error,
// as a failing platform conversion would; it counts the keys left open.
class ThrowingRegistry final : public sysinfo::Registry {
 public:
  sysinfo::RegStatus OpenKey(sysinfo::RegKey, const std::string&, std::uint32_t,
                             sysinfo::RegKey& key) override {
    key = kHandle;
    ++open;
    return sysinfo::kRegSuccess;
  }
  sysinfo::RegStatus QueryValue(sysinfo::RegKey, const std::string&, std::uint32_t&,
                                std::span<std::byte>, std::uint32_t&) override {
    throw CalcError(CalcError::Kind::InvalidArgument, "query failed");
  }
  void CloseKey(sysinfo::RegKey key) override {
    if (key == kHandle)
      --open;
  }

  int open = 0;

 private:
  static constexpr sysinfo::RegKey kHandle = 42;
};

}  // namespace quorvel::testing
