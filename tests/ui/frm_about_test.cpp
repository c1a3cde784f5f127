// SPDX-License-Identifier: MIT
// The About object's handlers and operations against pretend windows.
#include "ui/frm_about.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/fake_programs.h"
#include "tests/support/fake_views.h"
#include "tests/support/memory_registry.h"
#include "tests/support/recording_desktop.h"

namespace quorvel::ui {
namespace {

using testing::FakeAboutWindows;
using testing::FakePrograms;
using testing::RecordingDesktop;

class AboutHandlersTest : public ::testing::Test {
 protected:
  sysinfo::MemoryRegistry registry_;
  FakePrograms programs_;
  RecordingDesktop desktop_;
  FakeAboutWindows windows_;
  frmAbout about_{std::ref(windows_), {registry_, programs_, programs_, desktop_}};
};

TEST_F(AboutHandlersTest, LoadingSetsTheTextsFromTheIdentityInOrder) {
  about_.Show();
  ASSERT_NE(windows_.last, nullptr);
  using enum AboutText;
  EXPECT_EQ(windows_.last->texts[WindowCaption], "About Quorvel");
  EXPECT_EQ(windows_.last->texts[Version], "Version 1.0.0");
  EXPECT_EQ(windows_.last->texts[Title], "Quorvel");
  EXPECT_EQ(windows_.last->texts[Summary], "Quorvel, Version 1.0.0");
  EXPECT_EQ(windows_.last->order, (std::vector{WindowCaption, Version, Title, Summary}));
  EXPECT_EQ(windows_.last->shows, 1);
  EXPECT_EQ(about_.window(), windows_.last);
}

TEST_F(AboutHandlersTest, OkAndTheCloseBoxUnloadAndShowLoadsAfresh) {
  for (void (frmAbout::*close)() : {&frmAbout::cmdOK_Click, &frmAbout::Unload}) {
    about_.Show();
    windows_.last->texts[AboutText::Version] = "stale";
    (about_.*close)();
    EXPECT_EQ(about_.window(), nullptr);
    EXPECT_EQ(windows_.open, 0);
    about_.Show();
    EXPECT_EQ(windows_.open, 1);
    EXPECT_EQ(windows_.last->texts[AboutText::Version], "Version 1.0.0") << "texts built afresh";
    about_.Unload();
  }
  EXPECT_EQ(windows_.loads, 4);
  about_.Unload();
  EXPECT_EQ(windows_.open, 0) << "unloading an unloaded window does nothing";
}

TEST_F(AboutHandlersTest, TheOperationsWorkWithoutTheWindow) {
  registry_.SetString(sysinfo::kLocalMachine, sysinfo::kToolKey, sysinfo::kToolValue,
                      "C:\\Tools\\msinfo32.exe");
  programs_.files.insert("C:\\Tools\\msinfo32.exe");
  std::string keyVal;
  EXPECT_TRUE(
      about_.GetKeyValue(sysinfo::kLocalMachine, sysinfo::kToolKey, sysinfo::kToolValue, keyVal));
  EXPECT_EQ(keyVal, "C:\\Tools\\msinfo32.exe");
  about_.StartSysInfo();
  EXPECT_EQ(programs_.launched, std::vector<std::string>{"C:\\Tools\\msinfo32.exe"});
  EXPECT_TRUE(desktop_.messages.empty());
  EXPECT_EQ(windows_.loads, 0) << "the operations do not load the window";
}

}  // namespace
}  // namespace quorvel::ui
