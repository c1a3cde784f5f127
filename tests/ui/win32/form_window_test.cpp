// SPDX-License-Identifier: MIT
// The end of the Win32 windows: each control is destroyed while what it uses,
// its font and its icon, still exists.
#include "ui/win32/form_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/recording_desktop.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/ids.h"

namespace quorvel::ui::win32 {
namespace {

// What each control found of its font and its icon when it was destroyed.
struct Ending {
  bool fontAlive = true;
  bool iconAlive = true;
};
std::vector<Ending> endings;
constexpr const wchar_t* kOriginal = L"quorvel.test.original";
constexpr const wchar_t* kFont = L"quorvel.test.font";
constexpr const wchar_t* kIcon = L"quorvel.test.icon";

LRESULT CALLBACK Watch(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(control, kOriginal));
  if (message == WM_DESTROY) {
    Ending ending;
    if (HANDLE font = GetPropW(control, kFont))
      ending.fontAlive = GetObjectType(font) == OBJ_FONT;
    if (auto icon = static_cast<HICON>(GetPropW(control, kIcon))) {
      ICONINFO info{};
      ending.iconAlive = GetIconInfo(icon, &info) != FALSE;
      if (ending.iconAlive) {
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
      }
    }
    endings.push_back(ending);
    for (const wchar_t* name : {kOriginal, kFont, kIcon})
      RemovePropW(control, name);
  }
  return CallWindowProcW(original, control, message, wParam, lParam);
}

// Notes the font and the icon each control of `window` uses now, and watches
// it for its destruction; gives the number of controls.
int WatchControls(HWND window) {
  int count = 0;
  EnumChildWindows(
      window,
      [](HWND control, LPARAM counter) -> BOOL {
        SetPropW(control, kFont, reinterpret_cast<HANDLE>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SetPropW(control, kIcon,
                 reinterpret_cast<HANDLE>(SendMessageW(control, STM_GETICON, 0, 0)));
        auto original =
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Watch));
        SetPropW(control, kOriginal, reinterpret_cast<HANDLE>(original));
        ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(FormWindowTest, ControlsAreDestroyedBeforeTheirFontsAndIcon) {
  endings.clear();
  int watched = 0;
  {
    testing::RecordingDesktop desktop;
    Form1Window form(GetModuleHandleW(nullptr), desktop);
    SendMessageW(form.hwnd(), WM_COMMAND, kContactCommand, 0);
    HWND about = FindWindowW(kAboutClass, nullptr);
    ASSERT_NE(about, nullptr);
    watched = WatchControls(form.hwnd()) + WatchControls(about);
  }
  ASSERT_GT(watched, 0);
  ASSERT_EQ(static_cast<int>(endings.size()), watched) << "a control was not destroyed";
  for (const Ending& ending : endings) {
    EXPECT_TRUE(ending.fontAlive) << "a control outlived its font";
    EXPECT_TRUE(ending.iconAlive) << "the picture box outlived its icon";
  }
}

}  // namespace
}  // namespace quorvel::ui::win32
