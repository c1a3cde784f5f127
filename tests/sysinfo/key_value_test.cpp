// SPDX-License-Identifier: MIT
#include "sysinfo/key_value.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/calc_error.h"
#include "tests/support/memory_registry.h"
#include "tests/support/throwing_registry.h"

namespace quorvel::sysinfo {
namespace {

const std::string kKey = "SOFTWARE\\Quorvel\\Test";

std::vector<std::byte> Bytes(std::initializer_list<unsigned> values) {
  std::vector<std::byte> bytes;
  for (unsigned value : values)
    bytes.push_back(static_cast<std::byte>(value));
  return bytes;
}

std::vector<std::byte> Text(const std::string& text) {
  std::vector<std::byte> bytes(text.size());
  std::memcpy(bytes.data(), text.data(), text.size());
  return bytes;
}

struct Row {
  const char* what;
  std::uint32_t type;
  std::vector<std::byte> data;
  std::string before;  // KeyVal on entry
  bool result;
  std::string after;  // KeyVal on return
};

TEST(GetKeyValueTest, ConvertsEachTypeOfValue) {
  const std::string full(1024, 'x');
  const Row rows[] = {
      {"string with its closing NUL", kRegSz, Text(std::string("C:\\Tools\\a.exe", 15)), "old",
       true, "C:\\Tools\\a.exe"},
      {"string without a closing NUL", kRegSz, Text("C:\\Tools\\a.exe"), "old", true,
       "C:\\Tools\\a.exe"},
      {"string whose only NUL is inside", kRegSz, Text(std::string("ab\0cd", 5)), "", true,
       std::string("ab\0cd", 5)},
      {"1024 bytes without a NUL", kRegSz, Text(full), "", true, full},
      {"1025 bytes is too long", kRegSz, Text(full + "y"), "old", false, ""},
      {"expandable string is left alone", kRegExpandSz, Text(std::string("%X%\0", 4)), "kept", true,
       "kept"},
      {"binary is left alone", kRegBinary, Bytes({1, 2, 3}), "kept", true, "kept"},
      {"DWORD 0x12345678", kRegDword, Bytes({0x78, 0x56, 0x34, 0x12}), "old", true, "305419896"},
      {"DWORD 0x10, high bytes zero", kRegDword, Bytes({0x10, 0, 0, 0}), "old", true, "16"},
      {"DWORD 0x01020304, bytes below 0x10", kRegDword, Bytes({4, 3, 2, 1}), "old", true,
       "16909060"},
      {"DWORD 0xFFFFFFFF is unsigned", kRegDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF}), "", true,
       "4294967295"},
      {"DWORD of three bytes", kRegDword, Bytes({1, 2, 3}), "old", false, ""},
      {"DWORD of eight bytes", kRegDword, Bytes({1, 0, 0, 0, 0, 0, 0, 0}), "old", false, ""},
      {"empty string", kRegSz, {}, "old", true, ""},
      {"empty binary", kRegBinary, {}, "old", true, ""},
  };
  for (const Row& row : rows) {
    MemoryRegistry registry;
    registry.SetValue(kLocalMachine, kKey, "Value", row.type, row.data);
    std::string keyVal = row.before;
    EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kKey, "Value", keyVal), row.result) << row.what;
    EXPECT_EQ(keyVal, row.after) << row.what;
    EXPECT_EQ(registry.OpenKeys(), 0u) << row.what;
  }
}

TEST(GetKeyValueTest, FailsWithEmptyTextWhenTheValueCannotBeRead) {
  MemoryRegistry registry;
  registry.SetString(kLocalMachine, kKey, "Value", "text");
  registry.SetString(kLocalMachine, "SOFTWARE\\Locked", "Value", "text");
  registry.GrantAccess(kLocalMachine, "SOFTWARE\\Locked", 0);
  struct Case {
    const char* what;
    RegKey root;
    std::string key;
    std::string value;
  };
  const Case cases[] = {
      {"missing key", kLocalMachine, "SOFTWARE\\Missing", "Value"},
      {"missing value", kLocalMachine, kKey, "Missing"},
      {"another root", kLocalMachine + 1, kKey, "Value"},
      {"key that refuses reading", kLocalMachine, "SOFTWARE\\Locked", "Value"},
  };
  for (const Case& c : cases) {
    std::string keyVal = "old";
    EXPECT_FALSE(GetKeyValue(registry, c.root, c.key, c.value, keyVal)) << c.what;
    EXPECT_EQ(keyVal, "") << c.what;
    EXPECT_EQ(registry.OpenKeys(), 0u) << c.what;
  }
}

TEST(GetKeyValueTest, AsksOnlyForTheRightToRead) {
  // A key a standard user may read but not write, as under HKEY_LOCAL_MACHINE.
  MemoryRegistry registry;
  registry.SetString(kLocalMachine, kKey, "Value", "text");
  registry.GrantAccess(kLocalMachine, kKey, kKeyRead);
  std::string keyVal;
  EXPECT_TRUE(GetKeyValue(registry, kLocalMachine, kKey, "Value", keyVal));
  EXPECT_EQ(keyVal, "text");

  registry.GrantAccess(kLocalMachine, kKey, kKeyRead & ~0x1u);
  EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, kKey, "Value", keyVal))
      << "without the query right the key must not open";
}

TEST(GetKeyValueTest, KeyPathsAndNamesIgnoreCase) {
  MemoryRegistry registry;
  registry.SetString(kLocalMachine, "SOFTWARE\\Mixed\\Case", "Path", "found");
  std::string keyVal;
  EXPECT_TRUE(GetKeyValue(registry, kLocalMachine, "software\\MIXED\\case", "PATH", keyVal));
  EXPECT_EQ(keyVal, "found");
}

TEST(GetKeyValueTest, ClosesTheKeyWhenAnErrorLeaves) {
  testing::ThrowingRegistry registry;
  std::string keyVal;
  EXPECT_THROW(GetKeyValue(registry, kLocalMachine, kKey, "Value", keyVal), CalcError);
  EXPECT_EQ(registry.open, 0);
}

}  // namespace
}  // namespace quorvel::sysinfo
