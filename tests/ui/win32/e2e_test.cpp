// SPDX-License-Identifier: MIT
// The real quorvel.exe, driven from this second program the way Windows UI
// tests do: windows found by class and caption, controls by their ids, texts
// read with WM_GETTEXT, places with GetWindowRect and MapWindowPoints, the
// focus with GetGUIThreadInfo, the tab order with GetNextDlgTabItem, clicks
// posted as BM_CLICK (so a modal box never blocks this program) and keys
// sent as real input with SendInput. Every wait is on a condition, with a
// time limit.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/identity.h"
#include "app/language.h"
#include "tests/support/windows_test_support.h"
#include "ui/about_table.h"
#include "ui/colours.h"
#include "ui/form1_table.h"
#include "ui/layout.h"
#include "ui/win32/ids.h"

namespace quorvel::ui::win32 {
namespace {

using quorvel::testing::WaitFor;

std::wstring Text(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring Wide(std::string_view text) {
  return std::wstring(text.begin(), text.end());
}

// Where `control` lies in its window's client area.
PixelRect ClientRect(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The visible top-level windows of `process` (of any process for 0) with
// class `windowClass` and caption `caption`.
std::vector<HWND> TopLevels(DWORD process, const wchar_t* windowClass, const wchar_t* caption) {
  struct Search {
    DWORD process;
    const wchar_t* windowClass;
    const wchar_t* caption;
    std::vector<HWND> found;
  } search{process, windowClass, caption, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[256] = {};
        GetClassNameW(window, name, 256);
        if ((s->process == 0 || owner == s->process) && IsWindowVisible(window) &&
            s->windowClass == std::wstring(name) && Text(window) == s->caption)
          s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Presses `key`, with `modifier` (VK_MENU for Alt, VK_CONTROL) held down
// where one is given.
void PressKey(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (modifier)
    add(modifier, false);
  add(key, false);
  add(key, true);
  if (modifier)
    add(modifier, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Puts `text` on the clipboard, as another program copies it.
bool Copy(const std::wstring& text) {
  if (!OpenClipboard(nullptr))
    return false;
  EmptyClipboard();
  std::size_t size = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text.c_str(), size);
  GlobalUnlock(memory);
  bool copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!copied)
    GlobalFree(memory);
  CloseClipboard();
  return copied;
}

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (INPUT& i : input) {
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = c;
      i.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
}

// The row index of `name` in `table`, which makes its control id.
template <typename Table>
int IdOf(const Table& table, std::string_view name) {
  const ControlRow* row = FindRow(table, name);
  EXPECT_NE(row, nullptr) << name;
  return ControlId(static_cast<std::size_t>(row - table.data()));
}

// The value of an environment variable, or `otherwise` when it is not set.
std::wstring Variable(const wchar_t* name, const std::wstring& otherwise) {
  wchar_t value[MAX_PATH * 2] = {};
  DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
  return length > 0 && length < MAX_PATH * 2 ? value : otherwise;
}

// The program under test: the one this build made, or the one QUORVEL_EXE
// names (an installed copy).
std::wstring Program() {
  return Variable(L"QUORVEL_EXE", testing::FromBuild(QUORVEL_EXE).wstring());
}

// One run of the program. It is started as the shell starts it: from
// QUORVEL_START (a Start-menu shortcut, say) where that is set, else from
// its file.
class QuorvelRun : public ::testing::Test {
 protected:
  // Starts the program at `dpi` and waits for its main window in front.
  void Start(UINT dpi) {
    dpi_ = dpi;
    SetDpi(dpi);
    std::wstring start = Variable(L"QUORVEL_START", Program());
    SHELLEXECUTEINFOW shell{};
    shell.cbSize = sizeof(shell);
    shell.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    shell.lpFile = start.c_str();
    shell.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExW(&shell)) << "cannot start the program";
    if (shell.hProcess)
      CloseHandle(shell.hProcess);
    ASSERT_TRUE(WaitFor([&] {
      auto found = TopLevels(0, kForm1Class, L"Morlith");
      main_ = found.empty() ? nullptr : found.front();
      return main_ != nullptr;
    })) << "the main window did not appear";
    // The program's own process, whatever the shell started on the way.
    DWORD processId = 0;
    thread_ = GetWindowThreadProcessId(main_, &processId);
    process_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                           FALSE, processId);
    processId_ = processId;
    ASSERT_NE(process_, nullptr);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main_; }))
        << "the main window is not in front";
  }

  void TearDown() override { Stop(); }

  // Ends the program if it still runs.
  void Stop() {
    if (process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
    }
    if (process_)
      CloseHandle(process_);
    process_ = nullptr;
    SetDpi(96);
  }

  // The DPI Wine gives the programs it starts from now on.
  static void SetDpi(DWORD dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) == ERROR_SUCCESS) {
      RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                     sizeof(dpi));
      RegCloseKey(key);
    }
  }

  HWND Control(std::string_view name) const {
    return GetDlgItem(main_, IdOf(kForm1Controls, name));
  }
  HWND AboutControl(HWND about, std::string_view name) const {
    return GetDlgItem(about, IdOf(kAboutControls, name));
  }

  // Moves the focus with Tab, as a keyboard user does, to the control `name`.
  bool TabTo(std::string_view name) {
    for (int presses = 0; presses < 5; ++presses) {
      if (WaitFor([&] { return Focus() == Control(name); }, std::chrono::milliseconds(500)))
        return true;
      PressKey(VK_TAB);
    }
    return false;
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(thread_, &info);
    return info.hwndFocus;
  }

  std::vector<HWND> AboutWindows() const {
    return TopLevels(processId_, kAboutClass, L"About Quorvel");
  }

  HWND OpenAbout() {
    PostMessageW(main_, WM_COMMAND, kContactCommand, 0);
    HWND about = nullptr;
    EXPECT_TRUE(WaitFor([&] {
      auto found = AboutWindows();
      about = found.empty() ? nullptr : found.front();
      return about != nullptr && GetForegroundWindow() == about;
    })) << "About did not open in front";
    return about;
  }

  // Types into the boxes by window messages and presses Calculate.
  void Calculate(const wchar_t* focal, const wchar_t* aperture) {
    SendMessageW(Control("iFocal"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(focal));
    SendMessageW(Control("iAperature"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(aperture));
    SendMessageW(Control("iHyper"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"?"));
    PostMessageW(Control("cCalculate"), BM_CLICK, 0, 0);
  }

  bool Ended(DWORD milliseconds = 10000) const {
    DWORD code = 1;
    return WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_, &code) && code == 0;
  }

  double Dpi() const { return dpi_; }

  UINT dpi_ = 96;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  DWORD thread_ = 0;
  HWND main_ = nullptr;
};

// A run at the DPI the test asks for.
// The tests that do not depend on the DPI, or compare two themselves, start
// the program where they say.
class QuorvelOnceTest : public QuorvelRun {};

class QuorvelTest : public QuorvelRun, public ::testing::WithParamInterface<UINT> {
 protected:
  void SetUp() override { Start(GetParam()); }
};

TEST_P(QuorvelTest, MainWindowFollowsItsTable) {
  RECT client;
  GetClientRect(main_, &client);
  PixelRect expected = ClientPixels(kForm1Window, Dpi());
  EXPECT_EQ(client.right, expected.width);
  EXPECT_EQ(client.bottom, expected.height) << "the client area lies below the menu bar";
  LONG style = GetWindowLongW(main_, GWL_STYLE);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW) << "sizing border, all three boxes";
  EXPECT_NE(GetMenu(main_), nullptr);

  for (const ControlRow& row : kForm1Controls) {
    HWND control = Control(row.name);
    ASSERT_NE(control, nullptr) << row.name;
    EXPECT_EQ(ClientRect(control), ToClientPixels(kForm1Controls, row, Dpi())) << row.name;
    if (row.kind != ControlKind::TextBox) {
      EXPECT_EQ(Text(control), Wide(row.caption)) << row.name;
    }
  }
  // The twips of the table, 15 to the pixel at 96 DPI.
  if (GetParam() == 96) {
    EXPECT_EQ(ClientRect(Control("cBye")), (PixelRect{3240 / 15, 3000 / 15, 105, 25}));
  }
  EXPECT_TRUE(GetWindowLongW(Control("iHyper"), GWL_STYLE) & WS_BORDER) << "a single border";

  EXPECT_EQ(Focus(), Control("iFocal")) << "the focus starts in the focal length";
  const char* order[] = {"iFocal", "iAperature", "cCalculate", "cBye", "iFocal"};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    EXPECT_EQ(GetNextDlgTabItem(main_, Control(order[i - 1]), FALSE), Control(order[i]))
        << order[i - 1] << " -> " << order[i];
  }
  // Resizing moves no control.
  PixelRect before = ClientRect(Control("cBye"));
  SetWindowPos(main_, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(ClientRect(Control("cBye")), before);
}

TEST_P(QuorvelTest, TypedNumbersGiveTheWorkedResults) {
  // Real keys: the digits, Tab to the next box, Alt+C for Calculate.
  TypeText(L"200");
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Focus() == Control("iAperature"); }));
  TypeText(L"2.8");
  PressKey('C', VK_MENU);
  EXPECT_TRUE(WaitFor([&] { return Text(Control("iHyper")) == L" 156.24 ft."; }));
  std::wstring shown = Text(Control("iHyper"));
  EXPECT_EQ(std::string(shown.begin(), shown.end()), " 156.24 ft.");

  const wchar_t* rows[][3] = {{L"50", L"8", L" 3.42 ft."},
                              {L"24", L"1.4", L" 4.5 ft."},
                              {L"0", L"8", L" 0 ft."},
                              {L"50", L"-8", L"-3.42 ft."},
                              {L"1000", L"1", L" 10936.67 ft."}};
  for (const auto& row : rows) {
    Calculate(row[0], row[1]);
    EXPECT_TRUE(WaitFor([&] { return Text(Control("iHyper")) == row[2]; })) << row[0];
  }
  // Enter and Esc do nothing special in the main window.
  SetFocus(nullptr);
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  Sleep(200);
  EXPECT_EQ(WaitForSingleObject(process_, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_P(QuorvelTest, AnErrorIsShownAndTheFocusGoesBackToTheBoxAtFault) {
  const struct {
    const wchar_t* focal;
    const wchar_t* aperture;
    const wchar_t* number;
    const char* atFault;
  } cases[] = {
      {L"", L"", L"1001", "iFocal"},
      {L"5O", L"8", L"1001", "iFocal"},
      {L"50", L"f8", L"1001", "iAperature"},
      {L"50", L"0", L"1003", "iAperature"},
  };
  Calculate(L"50", L"8");
  ASSERT_TRUE(WaitFor([&] { return Text(Control("iHyper")) == L" 3.42 ft."; }));
  for (const auto& c : cases) {
    Calculate(c.focal, c.aperture);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
      auto found = TopLevels(processId_, L"#32770", L"Quorvel");
      box = found.empty() ? nullptr : found.front();
      return box != nullptr;
    })) << "no message box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), main_) << "owned by the active window";
    // A click sent to the button, as scripts and UI Automation send it,
    // reaches the disabled window all the same.
    PostMessageW(Control("cCalculate"), BM_CLICK, 0, 0);
    Sleep(300);
    EXPECT_EQ(TopLevels(processId_, L"#32770", L"Quorvel").size(), 1u) << "one error box at a time";
    std::wstring report;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM param) -> BOOL {
          std::wstring text = Text(child);
          if (text.starts_with(L"Error "))
            *reinterpret_cast<std::wstring*>(param) = text;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&report));
    EXPECT_TRUE(report.starts_with(std::wstring(L"Error ") + c.number)) << c.atFault;
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    HWND atFault = Control(c.atFault);
    EXPECT_TRUE(WaitFor([&] { return Focus() == atFault; })) << c.atFault;
    DWORD selection = static_cast<DWORD>(SendMessageW(atFault, EM_GETSEL, 0, 0));
    EXPECT_EQ(HIWORD(selection), Text(atFault).size()) << "its text is selected";
    EXPECT_EQ(Text(Control("iHyper")), L"?") << "the caption stays";
  }
  // The program still answers, typed straight into the box at fault.
  TypeText(L"7");
  ASSERT_TRUE(WaitFor([&] { return Text(Control("iAperature")) == L"7"; }));
  PostMessageW(Control("cCalculate"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return Text(Control("iHyper")) == L" 3.91 ft."; }));
}

// Pasted with Ctrl+V from another program: the line breaks and invisible
// characters that come along around a number are blanks, and one inside it
// is named in the message.
TEST_F(QuorvelOnceTest, PastedNumbersBringLineBreaksAndInvisibleCharacters) {
  ASSERT_NO_FATAL_FAILURE(Start(96));
  const struct {
    const wchar_t* focal;
    const wchar_t* aperture;
    const wchar_t* shown;  // the caption, or how the message begins
  } cases[] = {
      {L"50\r\n", L"\u200E8\r\n", L" 3.42 ft."},
      {L"\uFEFF50\r", L"-8\u200B", L"-3.42 ft."},
      {L"5\u200B0", L"8", L"Error 1001\n\nThe focal length box holds a character that cannot"},
      {L"50", L"2\r8", L"Error 1001\n\nThe f-number box holds a character that cannot"},
  };
  for (const auto& c : cases) {
    SendMessageW(Control("iHyper"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"?"));
    for (auto [box, text] : {std::pair{"iFocal", c.focal}, std::pair{"iAperature", c.aperture}}) {
      SendMessageW(Control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
      ASSERT_TRUE(Copy(text)) << box;
      ASSERT_TRUE(TabTo(box));
      PressKey('V', VK_CONTROL);
      ASSERT_TRUE(WaitFor([&] { return !Text(Control(box)).empty(); })) << box;
    }
    PressKey('C', VK_MENU);
    std::wstring shown;
    ASSERT_TRUE(WaitFor([&] {
      auto boxes = TopLevels(processId_, L"#32770", L"Quorvel");
      if (boxes.empty()) {
        shown = Text(Control("iHyper"));
        return shown != L"?";
      }
      EnumChildWindows(
          boxes.front(),
          [](HWND child, LPARAM param) -> BOOL {
            std::wstring text = Text(child);
            if (text.starts_with(L"Error "))
              *reinterpret_cast<std::wstring*>(param) = text;
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&shown));
      if (!shown.empty())
        PostMessageW(GetDlgItem(boxes.front(), IDOK), BM_CLICK, 0, 0);
      return !shown.empty();
    })) << "no result and no message";
    EXPECT_TRUE(shown.starts_with(c.shown)) << std::string(shown.begin(), shown.end());
    ASSERT_TRUE(WaitFor([&] { return TopLevels(processId_, L"#32770", L"Quorvel").empty(); }));
  }
}

TEST_P(QuorvelTest, AboutIsOneWindowAndOkEnterAndEscCloseIt) {
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  PostMessageW(main_, WM_COMMAND, kContactCommand, 0);
  Sleep(200);
  EXPECT_EQ(AboutWindows().size(), 1u) << "choosing About again opens no second window";

  POINT origin{0, 0};
  ClientToScreen(about, &origin);
  EXPECT_EQ(origin.x, ClientPixels(kAboutWindow, kAboutPlace, Dpi()).left);
  EXPECT_EQ(origin.y, ClientPixels(kAboutWindow, kAboutPlace, Dpi()).top);
  RECT client;
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, ClientPixels(kAboutWindow, Dpi()).width);
  EXPECT_EQ(client.bottom, ClientPixels(kAboutWindow, Dpi()).height);
  LONG style = GetWindowLongW(about, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(style & WS_SYSMENU) << "the close box";
  EXPECT_TRUE(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME)
      << "a dialog frame, with no icon in its caption";
  HWND owner = GetWindow(about, GW_OWNER);
  EXPECT_NE(owner, nullptr) << "owned, so not in the task bar";
  EXPECT_NE(owner, main_) << "but not by the main window";
  EXPECT_EQ(Text(AboutControl(about, "lblTitle")), L"Quorvel");
  EXPECT_EQ(Text(AboutControl(about, "lblVersion")), L"Version 1.0.0");
  for (const ControlRow& row : kAboutControls) {
    if (row.kind == ControlKind::Line)
      continue;
    HWND control = AboutControl(about, row.name);
    ASSERT_NE(control, nullptr) << row.name;
    EXPECT_EQ(ClientRect(control), ToPixels(row, Dpi())) << row.name;
  }
  EXPECT_TRUE(WaitFor([&] { return Focus() == AboutControl(about, "cmdOK"); }));
  EXPECT_EQ(GetNextDlgTabItem(about, AboutControl(about, "cmdOK"), FALSE),
            AboutControl(about, "picIcon"));

  // Esc, Enter and OK close it; each reload builds its texts and place anew.
  struct Closer {
    const char* how;
    std::function<void(HWND)> close;
  };
  const Closer closers[] = {
      {"Esc", [](HWND) { PressKey(VK_ESCAPE); }},
      {"Enter", [](HWND) { PressKey(VK_RETURN); }},
      {"OK", [this](HWND w) { PostMessageW(AboutControl(w, "cmdOK"), BM_CLICK, 0, 0); }},
      {"close box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Closer& closer : closers) {
    SendMessageW(AboutControl(about, "lblVersion"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"stale"));
    SetWindowPos(about, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    closer.close(about);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); })) << closer.how;
    EXPECT_TRUE(IsWindowVisible(main_)) << closer.how;
    about = OpenAbout();
    ASSERT_NE(about, nullptr) << closer.how;
    EXPECT_EQ(Text(AboutControl(about, "lblVersion")), L"Version 1.0.0") << closer.how;
    POINT again{0, 0};
    ClientToScreen(about, &again);
    EXPECT_EQ(again.x, ClientPixels(kAboutWindow, kAboutPlace, Dpi()).left) << closer.how;
  }
}

TEST_P(QuorvelTest, ExitWithAboutOpenEndsTheProgram) {
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  PostMessageW(Control("cBye"), BM_CLICK, 0, 0);
  EXPECT_TRUE(Ended()) << "Exit did not end the program";
}

TEST_P(QuorvelTest, ClosingTheMainWindowLeavesAboutUntilItCloses) {
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(main_); }));
  EXPECT_FALSE(Ended(500)) << "the program ended with About still open";
  EXPECT_TRUE(IsWindowVisible(about));
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(Ended()) << "closing the last window did not end the program";
}

// A minimised About, which another program or a window manager under Wine
// may make of it, comes back in front: with the About command, and when the
// main window closes and leaves the program running for it.
TEST_F(QuorvelOnceTest, AMinimisedAboutComesBack) {
  ASSERT_NO_FATAL_FAILURE(Start(96));
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  ShowWindow(about, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(about); }));
  EXPECT_EQ(OpenAbout(), about) << "About again loads none";
  EXPECT_TRUE(WaitFor([&] { return !IsIconic(about) && GetForegroundWindow() == about; }))
      << "About again left About minimised";

  ShowWindow(about, SW_MINIMIZE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(about); }));
  PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(main_); }));
  EXPECT_TRUE(WaitFor([&] { return !IsIconic(about) && GetForegroundWindow() == about; }))
      << "closing the main window left About minimised";
  EXPECT_FALSE(Ended(200)) << "the program runs on while About is open";
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(Ended());
}

// The installer's folder page, when QUORVEL_SETUP names the installer
// (scripts/check-windows-package.sh): a folder it cannot use, the one
// QUORVEL_SETUP_FOLDER names, sends the user back to choose another, with a
// message naming the folder typed.
TEST(QuorvelSetupTest, AFolderItCannotUseSendsTheUserBackToChooseAnother) {
  std::wstring setup = Variable(L"QUORVEL_SETUP", L"");
  std::wstring folder = Variable(L"QUORVEL_SETUP_FOLDER", L"");
  if (setup.empty() || folder.empty())
    GTEST_SKIP() << "QUORVEL_SETUP and QUORVEL_SETUP_FOLDER name no installer and folder";
  SHELLEXECUTEINFOW shell{};
  shell.cbSize = sizeof(shell);
  shell.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  shell.lpFile = setup.c_str();
  shell.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&shell) && shell.hProcess) << "cannot start the installer";
  DWORD process = GetProcessId(shell.hProcess);
  // The installer's windows: its own, and a message box over it.
  auto windowsOf = [process] {
    std::vector<HWND> found;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process && IsWindowVisible(window))
        found.push_back(window);
    }
    return found;
  };
  auto folderBox = [](HWND installer) -> HWND {
    HWND box = nullptr;
    EnumChildWindows(
        installer,
        [](HWND child, LPARAM param) -> BOOL {
          if (GetDlgCtrlID(child) == 1019 && IsWindowVisible(child))
            *reinterpret_cast<HWND*>(param) = child;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    return box;
  };
  HWND installer = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    auto found = windowsOf();
    installer = found.empty() ? nullptr : found.front();
    return installer != nullptr;
  })) << "no installer window";
  // Next (and I Agree, the licence page's Next) to the folder page.
  HWND box = nullptr;
  for (int page = 0; page < 3 && !(box = folderBox(installer)); ++page) {
    PostMessageW(GetDlgItem(installer, 1), BM_CLICK, 0, 0);
    WaitFor([&] { return folderBox(installer) != nullptr; }, std::chrono::seconds(3));
  }
  ASSERT_NE(box = folderBox(installer), nullptr) << "no folder page";
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  PostMessageW(GetDlgItem(installer, 1), BM_CLICK, 0, 0);

  HWND message = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    for (HWND window : windowsOf()) {
      if (window != installer)
        message = window;
    }
    return message != nullptr;
  })) << "no message about the folder";
  std::wstring said;
  EnumChildWindows(
      message,
      [](HWND child, LPARAM param) -> BOOL {
        *reinterpret_cast<std::wstring*>(param) += Text(child) + L"\n";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&said));
  EXPECT_NE(said.find(folder + L" holds other files"), std::wstring::npos)
      << std::string(said.begin(), said.end());
  PostMessageW(GetDlgItem(message, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(message); }));
  EXPECT_TRUE(WaitFor([&] { return folderBox(installer) != nullptr; }))
      << "the installer left the folder page";
  EXPECT_EQ(WaitForSingleObject(shell.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the installer ended";
  EXPECT_EQ(Text(folderBox(installer)), folder) << "the folder typed is kept";

  // Cancel, and yes to quitting.
  PostMessageW(GetDlgItem(installer, IDCANCEL), BM_CLICK, 0, 0);
  HWND ask = nullptr;
  if (WaitFor([&] {
        for (HWND window : windowsOf()) {
          if (window != installer)
            ask = window;
        }
        return ask != nullptr;
      })) {
    PostMessageW(GetDlgItem(ask, IDYES), BM_CLICK, 0, 0);
  }
  EXPECT_EQ(WaitForSingleObject(shell.hProcess, 20000), static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(shell.hProcess);
}

TEST(QuorvelProgramTest, CarriesItsIconAndVersion) {
  std::wstring program = Program();
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  for (int size : {16, 32, 48, 256}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size) << "an image made at this size, not scaled";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  FreeLibrary(module);

  DWORD ignored = 0;
  std::vector<BYTE> data(GetFileVersionInfoSizeW(program.c_str(), &ignored));
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(
      GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(AppIdentity::minor, AppIdentity::major));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, AppIdentity::revision));
  wchar_t* product = nullptr;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\040904B0\\ProductVersion",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_EQ(std::wstring(product), L"1.0.0");
}

// A control as the screen shows it, border and all: its pixels, 0x00RRGGBB,
// row by row from the top.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Picture PictureOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  Picture picture;
  picture.width = rect.right - rect.left;
  picture.height = rect.bottom - rect.top;
  int width = picture.width;
  int height = picture.height;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  // The colour only: an icon drawn with alpha leaves it in the top byte.
  picture.pixels.resize(static_cast<std::size_t>(width * height));
  std::transform(pixels, pixels + width * height, picture.pixels.begin(),
                 [](std::uint32_t p) { return p & 0xFFFFFFu; });
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

// The ink of a control's text as the screen shows it: the box around its
// dark pixels, and their count.
struct Ink {
  int width = 0;
  int height = 0;
  long pixels = 0;
};

Ink InkOf(HWND control) {
  Picture picture = PictureOf(control);
  int width = picture.width;
  int height = picture.height;
  Ink ink;
  int left = width, right = -1, top = height, bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = picture.at(x, y);
      if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) >= 3 * 96)
        continue;
      ++ink.pixels;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  ink.width = right >= left ? right - left + 1 : 0;
  ink.height = bottom >= top ? bottom - top + 1 : 0;
  return ink;
}

// The text a label shows on the screen, inside its border: the rows of its
// ink, in bands of rows with ink, and where the ink ends on the right, from
// the client area's left edge.
struct InkLines {
  std::vector<std::pair<int, int>> bands;  // first and last row
  int right = -1;
  int width = 0;
  int height = 0;
};

InkLines InkLinesOf(HWND control) {
  Picture picture = PictureOf(control);
  RECT window, client;
  GetWindowRect(control, &window);
  GetClientRect(control, &client);
  MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  InkLines ink;
  ink.width = client.right - client.left;
  ink.height = client.bottom - client.top;
  bool inBand = false;
  for (int y = 0; y < ink.height; ++y) {
    bool any = false;
    for (int x = 0; x < ink.width; ++x) {
      std::uint32_t p = picture.at(client.left + x, client.top + y);
      if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 96) {
        any = true;
        ink.right = std::max(ink.right, x);
      }
    }
    if (any && !inBand)
      ink.bands.push_back({y, y});
    if (any)
      ink.bands.back().second = y;
    inBand = any;
  }
  return ink;
}

// A result of any magnitude as the screen shows it, up to the largest the
// program computes (about 10^305 feet): its number on one line with its unit,
// or over it, and the ink of each line whole inside the border: a line cut
// at the bottom or on the right would leave its ink against the edge.
TEST_P(QuorvelTest, AResultOfAnyMagnitudeIsWholeOnTheScreen) {
  const struct {
    const wchar_t* focal;
    const wchar_t* aperture;
    const wchar_t* caption;
  } results[] = {
      {L"5000", L"1", L" 273416.67 ft."},        {L"1e5", L"-1", L"-109366666.67 ft."},
      {L"1e7", L"-1", L"-1093666666666.67 ft."}, {L"1e8", L"1", L" 109366666666667 ft."},
      {L"1e10", L"1", L" 1.09367E+18 ft."},      {L"1e150", L"-1", L"-1.09367E+298 ft."},
      {L"1e154", L"4", L" 2.73417E+305 ft."},    {L"50", L"8", L" 3.42 ft."},
  };
  for (const auto& r : results) {
    std::wstring caption = r.caption;
    std::wstring broken = caption;
    broken.replace(caption.rfind(L' '), 1, L"\r\n");
    Calculate(r.focal, r.aperture);
    std::wstring shown;
    ASSERT_TRUE(WaitFor([&] {
      shown = Text(Control("iHyper"));
      return shown == caption || shown == broken;
    })) << std::string(caption.begin(), caption.end())
        << " shown as " << std::string(shown.begin(), shown.end());
    const std::size_t lines = shown == caption ? 1 : 2;
    // The ink, once it is drawn and still.
    InkLines ink;
    EXPECT_TRUE(WaitFor([&] {
      InkLines before = ink;
      ink = InkLinesOf(Control("iHyper"));
      return ink.bands.size() == lines && ink.bands == before.bands && ink.right == before.right;
    })) << std::string(caption.begin(), caption.end())
        << ": " << ink.bands.size() << " lines of ink for " << lines;
    ASSERT_FALSE(ink.bands.empty());
    EXPECT_LT(ink.bands.back().second, ink.height - 1)
        << std::string(caption.begin(), caption.end()) << ": cut at the bottom";
    EXPECT_LT(ink.right, ink.width - 1)
        << std::string(caption.begin(), caption.end()) << ": cut on the right";
  }
}

// About's icon takes the focus with Tab and shows it on the screen: a focus
// rectangle just inside its sunken border, gone again when the focus moves on.
TEST_P(QuorvelTest, AboutsIconShowsTheFocus) {
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  HWND ok = AboutControl(about, "cmdOK");
  HWND icon = AboutControl(about, "picIcon");
  ASSERT_TRUE(WaitFor([&] { return Focus() == ok; }));
  // The icon drawn, and still: the same picture twice in a row.
  Picture unfocused;
  ASSERT_TRUE(WaitFor([&] {
    Picture before = unfocused;
    unfocused = PictureOf(icon);
    return InkOf(icon).pixels > 0 && unfocused.pixels == before.pixels;
  })) << "the icon is not drawn";
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Focus() == icon; }));

  // The client area, inside the border, in the control's picture.
  RECT window, client;
  GetWindowRect(icon, &window);
  GetClientRect(icon, &client);
  MapWindowPoints(icon, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  int onRing = 0, elsewhere = 0;
  EXPECT_TRUE(WaitFor([&] {
    Picture focused = PictureOf(icon);
    onRing = elsewhere = 0;
    for (int y = 0; y < focused.height; ++y) {
      for (int x = 0; x < focused.width; ++x) {
        if (focused.at(x, y) == unfocused.at(x, y))
          continue;
        bool inside = x >= client.left && x < client.right && y >= client.top && y < client.bottom;
        bool ring = inside && (x == client.left || x == client.right - 1 || y == client.top ||
                               y == client.bottom - 1);
        ++(ring ? onRing : elsewhere);
      }
    }
    return onRing >= client.right - client.left;
  })) << "no focus rectangle: "
      << onRing << " pixels changed on the ring";
  EXPECT_EQ(elsewhere, 0) << "pixels changed off the ring";

  PressKey(VK_TAB);
  ASSERT_TRUE(WaitFor([&] { return Focus() == ok; }));
  EXPECT_TRUE(WaitFor([&] { return PictureOf(icon).pixels == unfocused.pixels; }))
      << "the focus rectangle stays when the focus moves on";
}

// The texts keep growing with the DPI beyond 150 %, where the classic bitmap
// face stops: from 144 to 192 DPI a prompt's ink and the bold heading's grow
// by a third in width and height, and the heading keeps its weight.
TEST_F(QuorvelOnceTest, TextsKeepGrowingBeyond150Percent) {
  ASSERT_NO_FATAL_FAILURE(Start(144));
  const char* labels[] = {"Label1", "Label3"};
  Ink at144[2];
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(WaitFor([&] { return InkOf(Control(labels[i])).pixels > 0; })) << labels[i];
    at144[i] = InkOf(Control(labels[i]));
  }
  Stop();
  Start(192);
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(WaitFor([&] { return InkOf(Control(labels[i])).pixels > 0; })) << labels[i];
    Ink at192 = InkOf(Control(labels[i]));
    double wider = static_cast<double>(at192.width) / at144[i].width;
    double taller = static_cast<double>(at192.height) / at144[i].height;
    double more = static_cast<double>(at192.pixels) / static_cast<double>(at144[i].pixels);
    EXPECT_NEAR(wider, 4.0 / 3, 0.1) << labels[i] << ": " << at144[i].width
                                     << " px wide at 144 DPI, " << at192.width << " at 192";
    EXPECT_NEAR(taller, 4.0 / 3, 0.15) << labels[i] << ": " << at144[i].height
                                       << " px tall at 144 DPI, " << at192.height << " at 192";
    EXPECT_NEAR(more, 16.0 / 9, 0.5) << labels[i] << ": " << at144[i].pixels
                                     << " dark pixels at 144 DPI, " << at192.pixels << " at 192";
  }
}

// Screen readers: a prompt right before the box it names in the z-order (the
// order they walk), and the result a live region that tells of each change.
TEST_P(QuorvelTest, PromptsPrecedeTheirBoxesAndEachResultIsALiveRegionChange) {
  EXPECT_EQ(GetWindow(Control("Label1"), GW_HWNDNEXT), Control("iFocal"));
  EXPECT_EQ(GetWindow(Control("Label2"), GW_HWNDNEXT), Control("iAperature"));
  EXPECT_EQ(GetWindow(Control("iFocal"), GW_HWNDNEXT), Control("Label4"))
      << "the unit lies beneath the box it overlaps";

  static std::vector<HWND> changed;
  changed.clear();
  HWINEVENTHOOK hook = SetWinEventHook(
      EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
        if (object == OBJID_CLIENT && child == CHILDID_SELF)
          changed.push_back(window);
      },
      processId_, 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  auto events = [](std::size_t count) {
    return WaitFor([count] {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
      return changed.size() >= count;
    });
  };
  Calculate(L"50", L"8");
  EXPECT_TRUE(events(1)) << "no live region change for the result";
  Calculate(L"50", L"8");
  EXPECT_TRUE(events(2)) << "none for the same result again";
  UnhookWinEvent(hook);
  EXPECT_EQ(changed, (std::vector<HWND>{Control("iHyper"), Control("iHyper")}));
}

// The contrast of the text drawn in `area` of the screen with its background:
// the colour most of the area has, and the one that stands out from it most.
double TextContrast(RECT area) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  std::map<COLORREF, int> counts;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      ++counts[GetPixel(memory, x, y)];
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  auto rgb = [](COLORREF c) { return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)}; };
  Rgb background =
      rgb(std::ranges::max_element(counts, {}, &std::pair<const COLORREF, int>::second)->first);
  double best = 1.0;
  for (const auto& [colour, count] : counts)
    best = std::max(best, ContrastRatio(rgb(colour), background));
  return best;
}

// A system colour scheme, set in the registry for the programs started from
// now on, and the one it replaced put back when it goes.
class ColourScheme {
 public:
  ColourScheme(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> colours) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Colors", 0, nullptr, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
    for (auto [name, value] : colours) {
      wchar_t before[64] = {};
      DWORD size = sizeof(before);
      bool had = RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(before),
                                  &size) == ERROR_SUCCESS;
      saved_.push_back({name, had ? std::optional<std::wstring>(before) : std::nullopt});
      Set(name, value);
    }
  }
  ~ColourScheme() {
    for (const auto& [name, value] : saved_) {
      if (value)
        Set(name.c_str(), value->c_str());
      else
        RegDeleteValueW(key_, name.c_str());
    }
    RegCloseKey(key_);
  }

 private:
  void Set(const wchar_t* name, const wchar_t* value) {
    RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  }
  HKEY key_ = nullptr;
  std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

// Every text of both windows reads at 4.5:1 or better in the contrast
// themes: High Contrast Black and White, and the default scheme.
TEST_F(QuorvelOnceTest, EveryTextReadsInContrastThemes) {
  ASSERT_NO_FATAL_FAILURE(Start(96));
  const struct {
    const char* name;
    std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> colours;
  } schemes[] = {
      {"the default scheme", {}},
      {"High Contrast Black",
       {{L"ButtonFace", L"0 0 0"},
        {L"ButtonText", L"255 255 255"},
        {L"Window", L"0 0 0"},
        {L"WindowText", L"255 255 255"},
        {L"Hilight", L"26 235 255"},
        {L"HilightText", L"0 0 0"},
        {L"HotTrackingColor", L"255 255 0"},
        {L"ButtonHilight", L"255 255 255"},
        {L"ButtonShadow", L"255 255 255"},
        {L"GrayText", L"63 242 63"}}},
      {"High Contrast White",
       {{L"ButtonFace", L"255 255 255"},
        {L"ButtonText", L"0 0 0"},
        {L"Window", L"255 255 255"},
        {L"WindowText", L"0 0 0"},
        {L"Hilight", L"55 0 110"},
        {L"HilightText", L"255 255 255"},
        {L"HotTrackingColor", L"0 0 159"},
        {L"ButtonHilight", L"0 0 0"},
        {L"ButtonShadow", L"0 0 0"},
        {L"GrayText", L"96 0 0"}}},
  };
  for (const auto& scheme : schemes) {
    Stop();
    ColourScheme colours(scheme.colours);
    Start(96);
    Calculate(L"50", L"8");
    ASSERT_TRUE(WaitFor([&] { return Text(Control("iHyper")) == L" 3.42 ft."; }));
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    // About covers none of the main window's texts.
    SetWindowPos(about, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(500);
    std::vector<std::pair<std::string, RECT>> texts;
    for (const char* name : {"Label3", "Label1", "Label4", "Label2", "iHyper"}) {
      RECT rect;
      GetWindowRect(Control(name), &rect);
      texts.push_back({name, rect});
    }
    RECT frame;  // the frame's caption, in its top border
    GetWindowRect(Control("Frame1"), &frame);
    texts.push_back({"Frame1", {frame.left + 4, frame.top, frame.left + 50, frame.top + 13}});
    for (const char* name :
         {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "Label1"}) {
      RECT rect;
      GetWindowRect(AboutControl(about, name), &rect);
      texts.push_back({std::string("About's ") + name, rect});
    }
    for (const auto& [name, area] : texts) {
      EXPECT_GE(TextContrast(area), kReadableContrast) << name << " in " << scheme.name;
    }
  }
}

// A text as the program shows it, without the right-to-left embedding that
// it puts around a right-to-left text.
std::wstring Plain(std::wstring text) {
  std::erase(text, L'\u202B');
  std::erase(text, L'\u202C');
  return text;
}

// UTF-8 as UTF-16.
std::wstring FromUtf8(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

// The access key a caption gives: the character after its "&", lower case.
wchar_t AccessKey(const std::wstring& text) {
  std::size_t mark = text.find(L'&');
  if (mark == std::wstring::npos || mark + 1 >= text.size())
    return 0;
  wchar_t key[2] = {text[mark + 1], 0};
  CharLowerW(key);
  return key[0];
}

// The program in the user's language, at a DPI. CTest runs these in the
// language's locale (tests/ui/win32/CMakeLists.txt), in which Wine starts
// the program with that UI language. That every caption is whole is checked
// inside the test program (language_test.cpp), where the controls' fonts can
// be measured.
struct LanguageRun {
  const char* catalogue;
  UINT dpi;
  friend void PrintTo(const LanguageRun& run, std::ostream* out) {
    *out << run.catalogue << " at " << run.dpi << " DPI";
  }
};

class LanguageTest : public QuorvelRun, public ::testing::WithParamInterface<LanguageRun> {
 protected:
  void SetUp() override {
    // Only in that language's locale, where the program speaks it too.
    if (ChooseLanguage(UserLanguagePreferences(), CatalogueLanguages()) != GetParam().catalogue)
      GTEST_SKIP() << "runs in the locale of " << GetParam().catalogue;
    Start(GetParam().dpi);
  }

  // `source` in the language of the run, from the catalogue compiled in.
  std::wstring Expected(std::string_view source) const {
    const Catalogue* catalogue = FindCatalogue(GetParam().catalogue);
    return FromUtf8(catalogue ? TableTranslator(*catalogue).Translate(source)
                              : std::string(source));
  }
  Direction direction() const {
    return IsRightToLeft(GetParam().catalogue) ? Direction::RightToLeft : Direction::LeftToRight;
  }
  HWND OpenAnyAbout() {
    PostMessageW(main_, WM_COMMAND, kContactCommand, 0);
    HWND about = nullptr;
    EXPECT_TRUE(WaitFor([&] {
      about = FindWindowW(kAboutClass, nullptr);
      return about != nullptr && IsWindowVisible(about);
    })) << "About did not open";
    return about;
  }
};

TEST_P(LanguageTest, SpeaksTheLanguageMirroredWhereItReadsRightToLeft) {
  const char* language = GetParam().catalogue;
  // The texts, from the catalogue, and each of them whole.
  for (const ControlRow& row : kForm1Controls) {
    if (row.kind == ControlKind::TextBox || row.caption.empty())
      continue;
    HWND control = Control(row.name);
    EXPECT_EQ(Plain(Text(control)), Expected(row.caption)) << language << " " << row.name;
    EXPECT_EQ(ClientRect(control),
              ToClientPixels(kForm1Controls, row, kForm1Window, Dpi(), direction()))
        << language << " " << row.name;
  }
  // Alt and a key reach the menu bar and the buttons: their keys are unique.
  std::vector<wchar_t> keys = {AccessKey(Expected(kMenuCaption)),
                               AccessKey(Plain(Text(Control("cCalculate")))),
                               AccessKey(Plain(Text(Control("cBye"))))};
  for (wchar_t key : keys)
    EXPECT_NE(key, 0) << language;
  std::ranges::sort(keys);
  EXPECT_EQ(std::ranges::adjacent_find(keys), keys.end()) << language << ": access keys repeat";

  // Right to left: captions read from the right, the boxes and the result
  // left to right (the menu, which another process cannot read under Wine,
  // is checked inside tests/ui/win32/language_test.cpp).
  const bool mirrored = direction() == Direction::RightToLeft;
  EXPECT_EQ((GetWindowLongW(Control("Label1"), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0, mirrored);
  for (const char* name : {"iFocal", "iAperature", "iHyper"})
    EXPECT_FALSE(GetWindowLongW(Control(name), GWL_EXSTYLE) & WS_EX_RTLREADING) << name;
  if (mirrored) {
    EXPECT_GT(ClientRect(Control("Label1")).left, ClientRect(Control("iFocal")).left);
  }
  // The tab order stays the table's.
  const char* order[] = {"iFocal", "iAperature", "cCalculate", "cBye", "iFocal"};
  for (std::size_t i = 1; i < std::size(order); ++i)
    EXPECT_EQ(GetNextDlgTabItem(main_, Control(order[i - 1]), FALSE), Control(order[i]));

  // The result keeps its form.
  Calculate(L"50", L"-8");
  EXPECT_TRUE(WaitFor([&] { return Text(Control("iHyper")) == L"-3.42 ft."; })) << language;

  HWND about = OpenAnyAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Plain(Text(about)),
            Expected("About %1").replace(Expected("About %1").find(L"%1"), 2, L"Quorvel"));
  for (const ControlRow& row : kAboutControls) {
    if (row.kind == ControlKind::Line)
      continue;
    HWND control = AboutControl(about, row.name);
    EXPECT_EQ(ClientRect(control), ToPixels(kAboutControls, row, kAboutWindow, Dpi(), direction()))
        << language << " " << row.name;
  }
  std::wstring version = Expected("Version %1");
  EXPECT_EQ(Plain(Text(AboutControl(about, "lblVersion"))),
            version.replace(version.find(L"%1"), 2, L"1.0.0"));
  EXPECT_EQ(Plain(Text(AboutControl(about, "cmdOK"))), Expected("OK"));
  PostMessageW(AboutControl(about, "cmdOK"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }));

  // An error report in the language.
  Calculate(L"", L"");
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    auto found = TopLevels(processId_, L"#32770", L"Quorvel");
    box = found.empty() ? nullptr : found.front();
    return box != nullptr;
  })) << "no message box";
  std::wstring error = Expected("Error %1\n\n%2");
  error = error.substr(0, error.find(L"%1")) + L"1001";
  std::wstring report;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM param) -> BOOL {
        std::wstring text = Text(child);
        if (text.find(L"1001") != std::wstring::npos)
          *reinterpret_cast<std::wstring*>(param) = text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&report));
  EXPECT_TRUE(Plain(report).starts_with(error)) << language;
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest,
                         ::testing::Values(LanguageRun{"ar", 96}, LanguageRun{"ar", 192},
                                           LanguageRun{"ja", 144}, LanguageRun{"zh_CN", 96},
                                           LanguageRun{"de", 96}, LanguageRun{"fr", 192},
                                           LanguageRun{"es", 144}),
                         [](const auto& run) {
                           return std::string(run.param.catalogue) + "_" +
                                  std::to_string(run.param.dpi);
                         });

INSTANTIATE_TEST_SUITE_P(Dpi, QuorvelTest, ::testing::Values(96u, 144u, 192u),
                         [](const auto& dpi) { return std::to_string(dpi.param); });

}  // namespace
}  // namespace quorvel::ui::win32
