// SPDX-License-Identifier: MIT
#include "sysinfo/sysinfo_launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_programs.h"
#include "tests/support/memory_registry.h"
#include "tests/support/recording_desktop.h"
#include "tests/support/throwing_registry.h"

namespace quorvel::sysinfo {
namespace {

using testing::FakePrograms;
using testing::RecordingDesktop;

struct Scenario {
  const char* what;
  const char* toolPath;   // the first value, a REG_SZ; nullptr when missing
  bool toolPathIsBinary;  // the first value is of a type left unconverted
  const char* folder;     // the second value; nullptr when missing
  std::vector<std::string> files;
  std::vector<std::string> launched;  // what Launch was called with
  std::vector<std::string> probed;    // what ProbeFile was called with
  bool unavailable;                   // the message was shown
};

TEST(StartSysInfoTest, FindsTheToolOrSaysItIsUnavailable) {
  const Scenario scenarios[] = {
      {"first value, tool present",
       "C:\\Tools\\msinfo32.exe",
       false,
       "C:\\Shared",
       {"C:\\Tools\\msinfo32.exe"},
       {"C:\\Tools\\msinfo32.exe"},
       {},
       false},
      {"first value launched unchanged even when the file is missing",
       "C:\\Gone\\tool.exe",
       false,
       "C:\\Shared",
       {"C:\\Shared\\MSINFO32.EXE"},
       {"C:\\Gone\\tool.exe"},
       {},
       true},
      {"first value of an unconverted type: the empty path fails",
       "",
       true,
       "C:\\Shared",
       {"C:\\Shared\\MSINFO32.EXE"},
       {""},
       {},
       true},
      {"second value with the tool file",
       nullptr,
       false,
       "C:\\Shared",
       {"C:\\Shared\\MSINFO32.EXE"},
       {"C:\\Shared\\MSINFO32.EXE"},
       {"C:\\Shared\\MSINFO32.EXE"},
       false},
      {"second value without the tool file",
       nullptr,
       false,
       "C:\\Shared",
       {},
       {},
       {"C:\\Shared\\MSINFO32.EXE"},
       true},
      {"a folder ending in a backslash gets the name all the same",
       nullptr,
       false,
       "C:\\Shared\\",
       {"C:\\Shared\\\\MSINFO32.EXE"},
       {"C:\\Shared\\\\MSINFO32.EXE"},
       {"C:\\Shared\\\\MSINFO32.EXE"},
       false},
      {"no value at all", nullptr, false, nullptr, {}, {}, {}, true},
  };
  for (const Scenario& s : scenarios) {
    MemoryRegistry registry;
    if (s.toolPath != nullptr && s.toolPathIsBinary)
      registry.SetValue(kLocalMachine, kToolKey, kToolValue, kRegBinary, {std::byte{1}});
    else if (s.toolPath != nullptr)
      registry.SetString(kLocalMachine, kToolKey, kToolValue, s.toolPath);
    if (s.folder != nullptr)
      registry.SetString(kLocalMachine, kToolsFolderKey, kToolsFolderValue, s.folder);
    FakePrograms programs;
    programs.files.insert(s.files.begin(), s.files.end());
    RecordingDesktop desktop;

    StartSysInfo({registry, programs, programs, desktop});

    EXPECT_EQ(programs.launched, s.launched) << s.what;
    EXPECT_EQ(programs.probed, s.probed) << s.what;
    if (s.unavailable) {
      ASSERT_EQ(desktop.messages.size(), 1u) << s.what;
      EXPECT_EQ(desktop.messages[0].text, "System Information Is Unavailable At This Time");
      EXPECT_EQ(desktop.messages[0].caption, "Quorvel");
    } else {
      EXPECT_TRUE(desktop.messages.empty()) << s.what;
    }
    EXPECT_EQ(registry.OpenKeys(), 0u) << s.what;
  }
}

TEST(StartSysInfoTest, AnErrorInsideALookupEndsInTheMessage) {
  testing::ThrowingRegistry registry;
  FakePrograms programs;
  RecordingDesktop desktop;
  EXPECT_NO_THROW(StartSysInfo({registry, programs, programs, desktop}));
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, kUnavailableMessage);
  EXPECT_TRUE(programs.launched.empty());
}

#ifndef _WIN32
TEST(StartSysInfoTest, WithoutARegistryTheToolIsUnavailable) {
  std::string keyVal = "before";
  EXPECT_FALSE(GetKeyValue(SystemRegistry(), kLocalMachine, kToolKey, kToolValue, keyVal));
  EXPECT_EQ(keyVal, "");
  FakePrograms programs;
  programs.files.insert("C:\\Shared\\MSINFO32.EXE");
  RecordingDesktop desktop;
  StartSysInfo({SystemRegistry(), programs, programs, desktop});
  EXPECT_TRUE(programs.launched.empty());
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, kUnavailableMessage);
}
#endif

}  // namespace
}  // namespace quorvel::sysinfo
