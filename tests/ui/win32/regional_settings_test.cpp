// SPDX-License-Identifier: MIT
// The main window follows a change of the regional settings while it runs.
// The decimal separator is changed here as the regional settings change it,
// in this process: Wine keeps a copy of the user's locale in each process,
// which only a change made in that process brings up to date.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/recording_desktop.h"
#include "ui/form1_table.h"
#include "ui/layout.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/ids.h"

namespace quorvel::ui::win32 {
namespace {

// The user's decimal separator set to `separator`, and what was there before
// put back when it goes.
class DecimalSeparator {
 public:
  explicit DecimalSeparator(const wchar_t* separator) {
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, before_, kSize);
    DWORD size = sizeof(ignored_);
    set_ = RegGetValueW(HKEY_CURRENT_USER, kKey, L"sDecimal", RRF_RT_REG_SZ, nullptr, ignored_,
                        &size) == ERROR_SUCCESS;
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
  }
  ~DecimalSeparator() {
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, before_);
    if (!set_)
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"sDecimal");
  }
  DecimalSeparator(const DecimalSeparator&) = delete;
  DecimalSeparator& operator=(const DecimalSeparator&) = delete;

 private:
  static constexpr const wchar_t* kKey = L"Control Panel\\International";
  static constexpr int kSize = 8;
  wchar_t before_[kSize] = {};
  wchar_t ignored_[kSize] = {};
  bool set_ = false;
};

class RegionalSettingsTest : public ::testing::Test {
 protected:
  HWND Control(std::string_view name) const {
    const ControlRow* row = FindRow(kForm1Controls, name);
    return GetDlgItem(form_.hwnd(),
                      ControlId(static_cast<std::size_t>(row - kForm1Controls.data())));
  }

  // The caption Calculate gives, or the message it shows.
  std::wstring Calculate(const wchar_t* focal, const wchar_t* aperture) {
    desktop_.messages.clear();
    SetWindowTextW(Control("iFocal"), focal);
    SetWindowTextW(Control("iAperature"), aperture);
    SetWindowTextW(Control("iHyper"), L"");
    HWND button = Control("cCalculate");
    SendMessageW(form_.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    if (!desktop_.messages.empty()) {
      const std::string& text = desktop_.messages.back().text;
      return std::wstring(text.begin(), text.end());
    }
    wchar_t caption[64] = {};
    GetWindowTextW(Control("iHyper"), caption, 64);
    return caption;
  }

  void SettingChanged(const wchar_t* what) {
    SendMessageW(form_.hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(what));
  }

  testing::RecordingDesktop desktop_;
  Form1Window form_{GetModuleHandleW(nullptr), desktop_};
};

TEST_F(RegionalSettingsTest, TheMainWindowReadsTheSeparatorChosenWhileItRuns) {
  ASSERT_EQ(Calculate(L"200", L"2.8"), L" 156.24 ft.");
  {
    DecimalSeparator comma(L",");
    SettingChanged(L"WindowMetrics");
    EXPECT_EQ(Calculate(L"200", L"2.8"), L" 156.24 ft.") << "only a change of \"intl\" counts";
    SettingChanged(nullptr);
    SettingChanged(L"intl");
    EXPECT_EQ(Calculate(L"200", L"2,8"), L" 156.24 ft.");
    std::wstring message = Calculate(L"200", L"2.8");
    EXPECT_NE(message.find(L"for example 8 or 2,8."), std::wstring::npos) << message;
  }
  SettingChanged(L"intl");
  EXPECT_EQ(Calculate(L"200", L"2.8"), L" 156.24 ft.");
  EXPECT_NE(Calculate(L"200", L"2,8").find(L"for example 8 or 2.8."), std::wstring::npos);
}

}  // namespace
}  // namespace quorvel::ui::win32
