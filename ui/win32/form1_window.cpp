// SPDX-License-Identifier: MIT
#include "ui/win32/form1_window.h"

#include <string_view>

#include "app/number_format.h"
#include "app/translation.h"
#include "ui/form1_table.h"
#include "ui/win32/about_window.h"
#include "ui/win32/accessibility.h"
#include "ui/win32/dpi.h"
#include "ui/win32/ids.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/text.h"

namespace quorvel::ui::win32 {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS;
constexpr DWORD kExStyle = 0;

// Right to left, the caption reads from the right too.
DWORD ReadingStyle() {
  return TextsRightToLeft() ? WS_EX_RTLREADING : 0;
}

// Appends an item to `menu`: a command, or the popup `popup`. Right to left,
// the menu bar's one menu stands at its right and the menu's items read
// from the right.
void AddItem(HMENU menu, const std::wstring& text, UINT command, HMENU popup = nullptr) {
  const bool rightToLeft = TextsRightToLeft();
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_FTYPE | MIIM_STRING | (popup ? MIIM_SUBMENU : MIIM_ID);
  item.fType = static_cast<UINT>(MFT_STRING | (rightToLeft && !popup ? MFT_RIGHTORDER : 0) |
                                 (rightToLeft && popup ? MFT_RIGHTJUSTIFY : 0));
  item.wID = command;
  item.hSubMenu = popup;
  std::wstring copy = text;
  item.dwTypeData = copy.data();
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

HMENU MakeMenu() {
  HMENU help = CreatePopupMenu();
  AddItem(help, Shown(Tr(kHelpItemCaption)) + L"\tF1", kHelpCommand);
  AddItem(help, Shown(Tr(kContactItemCaption)), kContactCommand);
  HMENU bar = CreateMenu();
  AddItem(bar, Shown(Tr(kMenuCaption)), 0, help);
  return bar;
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance, Desktop& desktop)
    : instance_(instance),
      handlers_(*this, desktop, [this](frmAbout& about) { return MakeAboutWindow(about); }) {
  Create(instance, kForm1Class, kExStyle | ReadingStyle(), kStyle, nullptr, MakeMenu());
  SetWindowTextUtf8(hwnd(), kForm1Window.caption);

  ACCEL f1{FVIRTKEY, VK_F1, kHelpCommand};
  accelerators_ = CreateAcceleratorTableW(&f1, 1);

  BuildControls(kForm1Controls, kForm1Window, "iFocal");
  focal_ = control("iFocal");
  aperture_ = control("iAperature");
  result_ = control("iHyper");
  calculateId_ = GetDlgCtrlID(control("cCalculate"));
  byeId_ = GetDlgCtrlID(control("cBye"));
  names().Set(result_, ResultAccessibleName({}));
  names().SetLive(result_);
  UINT dpi = WindowDpi(hwnd());
  FitClientArea(dpi);
  SetIcons(dpi);
}

void Form1Window::SetIcons(UINT dpi) {
  // The icons at the sizes of the window's DPI, for its caption and the task
  // bar; those they replace are freed. No DPI: no icons.
  for (auto [which, metric] : {std::pair<WPARAM, int>{ICON_BIG, SM_CXICON},
                               std::pair<WPARAM, int>{ICON_SMALL, SM_CXSMICON}}) {
    int size = SystemMetric(metric, dpi);
    auto icon = dpi == 0 ? nullptr
                         : static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(QUORVEL_ICON),
                                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    auto old = reinterpret_cast<HICON>(
        SendMessageW(hwnd(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon)));
    if (old)
      DestroyIcon(old);
  }
}

Form1Window::~Form1Window() {
  if (hwnd())
    SetIcons(0);
  if (aboutOwner_)
    DestroyWindow(aboutOwner_);
  if (accelerators_)
    DestroyAcceleratorTable(accelerators_);
}

void Form1Window::FitClientArea(UINT dpi) {
  PixelRect client = ClientPixels(kForm1Window, dpi);
  RECT frame{0, 0, client.width, client.height};
  AdjustFrame(frame, kStyle, true, kExStyle, dpi);
  SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Form1Window::BoxText(Box box) const {
  return WindowText(box == Box::Aperture ? aperture_ : focal_);
}

void Form1Window::SetResult(std::string_view caption, std::string_view accessibleName) {
  SetWindowTextUtf8(result_, caption);
  FitCaption(result_);
  names().Set(result_, accessibleName);
  // Screen readers speak a live region's change, also to the same text.
  NotifyLiveRegion(result_);
}

void Form1Window::FocusAndSelect(Box box) {
  HWND target = box == Box::Aperture ? aperture_ : focal_;
  Focus(target);
  SendMessageW(target, EM_SETSEL, 0, -1);
}

std::unique_ptr<AboutView> Form1Window::MakeAboutWindow(frmAbout& about) {
  if (!aboutOwner_) {
    aboutOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance_, nullptr);
  }
  return std::make_unique<AboutWindow>(instance_, aboutOwner_, about);
}

void Form1Window::Command(int id) {
  // While a message box is up the window is disabled; a command posted to it
  // all the same (a script, UI Automation) must not open a second box.
  if (!IsWindowEnabled(hwnd()))
    return;
  if (id == kContactCommand) {
    handlers_.Contact_Click();
  } else if (id == calculateId_) {
    handlers_.cCalculate_Click();
  } else if (id == byeId_) {
    handlers_.cBye_Click();
  }
  // The help item, and the Enter and Esc that the dialog keys turn into
  // IDOK and IDCANCEL, do nothing.
}

LRESULT Form1Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      handlers_.Form_Unload();
      break;
    case WM_DESTROY:
      SetIcons(0);
      break;
    case WM_SETTINGCHANGE:
      // The regional settings changed while the program runs: from now on
      // numbers are read, and the messages' examples written, with the
      // decimal separator they name.
      if (lParam && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl")
        RefreshUserNumberFormat();
      break;
  }
  if (auto handled = HandleForm(message, wParam, lParam))
    return *handled;
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

void Form1Window::DpiChanged(UINT dpi) {
  SetIcons(dpi);
}

}  // namespace quorvel::ui::win32
