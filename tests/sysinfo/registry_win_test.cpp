// SPDX-License-Identifier: MIT
// The value reader and the system information launcher on the real registry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sysinfo/key_value.h"
#include "sysinfo/sysinfo_launcher.h"
#include "tests/support/recording_desktop.h"
#include "tests/support/windows_test_support.h"

namespace quorvel::sysinfo {
namespace {

using testing::FinishHelper;
using testing::InstallHelper;
using testing::RecordingDesktop;
using testing::WaitFor;
using testing::WithSuffix;
namespace fs = std::filesystem;

// Writes a value under HKEY_LOCAL_MACHINE with the wide functions, so the
// reader's own ANSI conversion is what is tested.
void Write(const std::wstring& key, const std::wstring& name, DWORD type,
           const std::vector<BYTE>& data) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &handle, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(
      RegSetValueExW(handle, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())),
      ERROR_SUCCESS);
  RegCloseKey(handle);
}

std::vector<BYTE> Wide(const std::wstring& text, bool withNul) {
  std::vector<BYTE> bytes((text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t));
  std::memcpy(bytes.data(), text.c_str(), bytes.size());
  return bytes;
}

std::vector<BYTE> Dword(DWORD value) {
  std::vector<BYTE> bytes(4);
  std::memcpy(bytes.data(), &value, 4);
  return bytes;
}

void Remove(const std::wstring& key, const std::wstring& name) {
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str());
}

TEST(WindowsRegistryTest, ReadsEachTypeOfValue) {
  const std::wstring key = L"SOFTWARE\\Quorvel Tests\\Caf\u00e9";
  Write(key, L"WithNul", REG_SZ, Wide(L"C:\\Tools\\a.exe", true));
  Write(key, L"WithoutNul", REG_SZ, Wide(L"abc", false));
  Write(key, L"Accented", REG_SZ, Wide(L"Caf\u00e9", true));
  Write(key, L"Dword", REG_DWORD, Dword(0x12345678));
  Write(key, L"Small", REG_DWORD, Dword(0x10));
  Write(key, L"Bytes", REG_DWORD, Dword(0x01020304));
  Write(key, L"Binary", REG_BINARY, {1, 2, 3});
  Write(key, L"Expand", REG_EXPAND_SZ, Wide(L"%SystemRoot%", true));
  Write(key, L"Empty", REG_SZ, {});
  Write(key, L"TooLong", REG_SZ, Wide(std::wstring(1500, L'x'), true));

  struct Row {
    const char* name;
    bool result;
    std::string after;
  };
  const Row rows[] = {
      {"WithNul", true, "C:\\Tools\\a.exe"},
      {"WithoutNul", true, "abc"},
      {"Accented", true, "Caf\xc3\xa9"},
      {"Dword", true, "305419896"},
      {"Small", true, "16"},
      {"Bytes", true, "16909060"},
      {"Binary", true, "old"},
      {"Expand", true, "old"},
      {"Empty", true, ""},
      {"TooLong", false, ""},
      {"Missing", false, ""},
  };
  const std::string keyName = "SOFTWARE\\Quorvel Tests\\Caf\xc3\xa9";
  for (const Row& row : rows) {
    std::string keyVal = "old";
    EXPECT_EQ(GetKeyValue(SystemRegistry(), kLocalMachine, keyName, row.name, keyVal), row.result)
        << row.name;
    EXPECT_EQ(keyVal, row.after) << row.name;
  }
  std::string keyVal = "old";
  EXPECT_FALSE(GetKeyValue(SystemRegistry(), kLocalMachine, "SOFTWARE\\Quorvel Tests\\Missing",
                           "Value", keyVal));
  EXPECT_EQ(keyVal, "");
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
}

TEST(WindowsRegistryTest, NamesTheAnsiCodePageCannotHoldFindNothing) {
  // "Ключ" and "Wert Ω" are not in code page 1252: a lossy conversion would
  // turn them into "????" and "Wert ?", which exist here and must not be read.
  if (GetACP() != 1252)
    GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 1252";
  const std::wstring parent = L"SOFTWARE\\Quorvel Tests";
  Write(parent + L"\\????", L"Value", REG_SZ, Wide(L"wrong key", true));
  Write(parent + L"\\Plain", L"Wert ?", REG_SZ, Wide(L"wrong value", true));
  const struct {
    const char* key;
    const char* value;
  } rows[] = {
      {"SOFTWARE\\Quorvel Tests\\\xd0\x9a\xd0\xbb\xd1\x8e\xd1\x87", "Value"},
      {"SOFTWARE\\Quorvel Tests\\Plain", "Wert \xce\xa9"},
  };
  for (const auto& row : rows) {
    std::string keyVal = "old";
    EXPECT_FALSE(GetKeyValue(SystemRegistry(), kLocalMachine, row.key, row.value, keyVal))
        << row.key << " " << row.value;
    EXPECT_EQ(keyVal, "");
  }
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (parent + L"\\????").c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (parent + L"\\Plain").c_str());
}

TEST(WindowsRegistryTest, StartSysInfoFindsTheToolThroughBothKeys) {
  const std::wstring toolKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
  const std::wstring folderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";
  const fs::path base = L"C:\\Program Files\\Quorvel SysInfo Test";
  const fs::path direct = base / "msinfo-direct.exe";
  const fs::path folder = base / "Shared";
  const fs::path inFolder = folder / "MSINFO32.EXE";
  InstallHelper(direct);
  InstallHelper(inFolder);
  SystemLauncher launcher;
  SystemFileProbe probe;
  RecordingDesktop desktop;
  const SysInfoServices services{SystemRegistry(), probe, launcher, desktop};

  // The first value names the tool itself.
  Write(toolKey, L"PATH", REG_SZ, Wide(direct.wstring(), true));
  StartSysInfo(services);
  EXPECT_TRUE(WaitFor(WithSuffix(direct, ".ran")));
  EXPECT_TRUE(FinishHelper(direct));

  // Only the second value: its folder, with the file name appended.
  Remove(toolKey, L"PATH");
  Write(folderKey, L"MSINFO", REG_SZ, Wide(folder.wstring(), true));
  StartSysInfo(services);
  EXPECT_TRUE(WaitFor(WithSuffix(inFolder, ".ran")));
  EXPECT_TRUE(FinishHelper(inFolder));
  EXPECT_TRUE(desktop.messages.empty());

  // A folder without the tool file, then no value at all.
  fs::create_directories(base / "Empty");
  Write(folderKey, L"MSINFO", REG_SZ, Wide((base / "Empty").wstring(), true));
  StartSysInfo(services);
  Remove(folderKey, L"MSINFO");
  StartSysInfo(services);
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_EQ(desktop.messages[0].text, kUnavailableMessage);
  EXPECT_EQ(desktop.messages[1].text, kUnavailableMessage);
}

}  // namespace
}  // namespace quorvel::sysinfo
