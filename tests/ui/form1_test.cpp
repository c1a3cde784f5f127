// SPDX-License-Identifier: MIT
// The main window's handlers against a pretend window: the same handlers
// serve the Qt and the Win32 windows.
#include "ui/form1.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/calc_error.h"
#include "tests/support/fake_views.h"
#include "tests/support/recording_desktop.h"

namespace quorvel::ui {
namespace {

using testing::FakeAboutWindows;
using testing::FakeForm1View;
using testing::RecordingDesktop;

class Form1HandlersTest : public ::testing::Test {
 protected:
  void Calculate(const char* focal, const char* aperture) {
    view_.focal = focal;
    view_.aperture = aperture;
    form_.cCalculate_Click();
  }

  FakeForm1View view_;
  FakeAboutWindows windows_;
  RecordingDesktop desktop_;
  Form1 form_{view_, desktop_, std::ref(windows_)};
};

TEST_F(Form1HandlersTest, CalculateWritesTheCaptionAndItsName) {
  const char* rows[][3] = {{"50", "8", " 3.42 ft."},      {"200", "2.8", " 156.24 ft."},
                           {"24", "1.4", " 4.5 ft."},     {"0", "8", " 0 ft."},
                           {"50", "-8", "-3.42 ft."},     {" 50 ", " 8 ", " 3.42 ft."},
                           {"1000", "1", " 10936.67 ft."}};
  for (const auto& row : rows) {
    Calculate(row[0], row[1]);
    EXPECT_EQ(view_.result, row[2]) << row[0] << " " << row[1];
    EXPECT_EQ(view_.resultName,
              std::string("Hyperfocal distance: ") + (row[2] + (row[2][0] == ' ')));
  }
  Calculate("1000", "1");
  EXPECT_EQ(view_.result, " 10936.67 ft.") << "pressing again gives the same caption";
  EXPECT_TRUE(desktop_.messages.empty());
  EXPECT_FALSE(view_.focused.has_value());
  EXPECT_EQ(ResultAccessibleName(""), "Hyperfocal distance");
}

TEST_F(Form1HandlersTest, AnErrorIsReportedTheCaptionKeptAndTheBoxAtFaultFocused) {
  Calculate("50", "8");
  const struct {
    const char* focal;
    const char* aperture;
    CalcError::Kind kind;
    Box atFault;
  } cases[] = {
      {"", "", CalcError::Kind::TypeMismatch, Box::Focal},
      {"5O", "8", CalcError::Kind::TypeMismatch, Box::Focal},
      {"1e200", "8", CalcError::Kind::FloatingPointFault, Box::Focal},
      {"50", "f8", CalcError::Kind::TypeMismatch, Box::Aperture},
      {"50", "0", CalcError::Kind::DivisionByZero, Box::Aperture},
      {"0", "0", CalcError::Kind::Overflow, Box::Aperture},
  };
  for (const auto& c : cases) {
    desktop_.messages.clear();
    view_.focused.reset();
    Calculate(c.focal, c.aperture);
    ASSERT_EQ(desktop_.messages.size(), 1u) << c.focal << "/" << c.aperture;
    const auto& message = desktop_.messages.front();
    EXPECT_EQ(message.kind, MessageKind::Error);
    EXPECT_EQ(message.caption, "Quorvel");
    EXPECT_TRUE(message.text.starts_with("Error " + std::to_string(ErrorNumber(c.kind))))
        << message.text;
    EXPECT_EQ(view_.focused, c.atFault) << c.focal << "/" << c.aperture;
  }
  EXPECT_EQ(view_.result, " 3.42 ft.") << "the caption stays";
  EXPECT_EQ(view_.resultWrites, 1);
  EXPECT_EQ(desktop_.endProgramCalls, 0) << "an error does not end the program";
}

TEST_F(Form1HandlersTest, ExitEndsTheProgramWithOrWithoutAbout) {
  form_.cBye_Click();
  EXPECT_EQ(desktop_.endProgramCalls, 1);
  form_.Contact_Click();
  ASSERT_EQ(windows_.open, 1);
  form_.cBye_Click();
  EXPECT_EQ(desktop_.endProgramCalls, 2);
}

TEST_F(Form1HandlersTest, AboutMakesOneObjectAndLoadsItsWindowOnce) {
  EXPECT_EQ(form_.about(), nullptr) << "nothing is made at start-up";
  form_.Contact_Click();
  frmAbout* about = form_.about();
  ASSERT_NE(about, nullptr);
  form_.Contact_Click();
  EXPECT_EQ(form_.about(), about);
  EXPECT_EQ(windows_.loads, 1) << "an open window is not loaded again";
  EXPECT_EQ(windows_.open, 1);
  ASSERT_NE(windows_.last, nullptr);
  EXPECT_EQ(windows_.last->shows, 2) << "but brought to the front again";
}

}  // namespace
}  // namespace quorvel::ui
