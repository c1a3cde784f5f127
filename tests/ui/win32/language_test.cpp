// SPDX-License-Identifier: MIT
// The Win32 windows built inside the test in every language, from the
// catalogues compiled into the program: every caption whole at 100, 150 and
// 200 % (a third longer ones of the pseudo-language too), no text outside
// the catalogues, and Arabic mirroring both windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "app/catalogue.h"
#include "app/number_format.h"
#include "app/translation.h"
#include "calc/hyperfocal.h"
#include "tests/support/recording_desktop.h"
#include "ui/about_table.h"
#include "ui/form1_table.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/ids.h"
#include "ui/win32/text.h"

namespace quorvel::ui::win32 {
namespace {

// The catalogue of `language` installed for the life of the object.
class InstalledCatalogue {
 public:
  explicit InstalledCatalogue(std::string_view language) : translator_(*FindCatalogue(language)) {
    InstallTranslator(&translator_, language);
  }
  ~InstalledCatalogue() { InstallTranslator(nullptr); }

 private:
  TableTranslator translator_;
};

// Both windows: the main one, and About opened from its menu.
struct Windows {
  testing::RecordingDesktop desktop;
  Form1Window form{GetModuleHandleW(nullptr), desktop};
  HWND about = nullptr;

  Windows() {
    SendMessageW(form.hwnd(), WM_COMMAND, kContactCommand, 0);
    // This process's, not that of a test running beside it.
    for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, kAboutClass, nullptr));) {
      DWORD process = 0;
      GetWindowThreadProcessId(found, &process);
      if (process == GetCurrentProcessId())
        about = found;
    }
  }
  HWND Control(HWND window, std::span<const ControlRow> table, std::string_view name) const {
    return GetDlgItem(window,
                      ControlId(static_cast<std::size_t>(FindRow(table, name) - table.data())));
  }
};

PixelRect ClientRect(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The caption of `control` as it draws it, in its font: whether it fits its
// client area, and the sizes, for the message.
std::string CaptionCut(HWND control, bool button) {
  std::wstring text = Wide(WindowText(control));
  RECT client;
  GetClientRect(control, &client);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  const int edges = button ? 6 : 0;
  RECT needed{0, 0, client.right - edges, 0};
  DrawTextW(dc, text.c_str(), -1, &needed,
            DT_CALCRECT | (button ? DT_SINGLELINE : DT_WORDBREAK | DT_NOPREFIX));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (needed.right <= client.right - edges && needed.bottom <= client.bottom)
    return {};
  return std::to_string(needed.right) + " x " + std::to_string(needed.bottom) + " in " +
         std::to_string(client.right) + " x " + std::to_string(client.bottom);
}

// The height in pixels of the font of `control`.
int FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return -font.lfHeight;
}

// Every caption of both windows whole in every language at 100, 150 and
// 200 %, as the windows lay themselves out again when their DPI changes, and
// none set below 8 points. One test, so that Wine starts one program for all.
TEST(Win32LanguageTest, EveryCaptionIsWholeInEveryLanguage) {
  for (const char* language : {"", "de", "fr", "es", "ja", "zh_CN", "ar", "qps_ploc"}) {
    std::optional<InstalledCatalogue> catalogue;
    if (*language)
      catalogue.emplace(language);
    Windows windows;
    ASSERT_NE(windows.about, nullptr);
    // The widest of the worked results.
    HWND form = windows.form.hwnd();
    SetWindowTextW(windows.Control(form, kForm1Controls, "iFocal"), L"1000");
    SetWindowTextW(windows.Control(form, kForm1Controls, "iAperature"), L"1");
    SendMessageW(
        form, WM_COMMAND,
        static_cast<WPARAM>(GetDlgCtrlID(windows.Control(form, kForm1Controls, "cCalculate"))), 0);
    for (UINT dpi : {96u, 144u, 192u}) {
      int checked = 0;
      for (auto [window, table] :
           {std::pair{form, std::span<const ControlRow>(kForm1Controls)},
            std::pair{windows.about, std::span<const ControlRow>(kAboutControls)}}) {
        RECT frame;
        GetWindowRect(window, &frame);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        for (const ControlRow& row : table) {
          HWND control = windows.Control(window, table, row.name);
          if (!control || (row.kind != ControlKind::Label && row.kind != ControlKind::Button) ||
              WindowText(control).empty())
            continue;
          ++checked;
          std::string cut = CaptionCut(control, row.kind == ControlKind::Button);
          EXPECT_TRUE(cut.empty())
              << (*language ? language : "en") << " at " << dpi << " DPI: " << row.name << " \""
              << WindowText(control) << "\" is cut, " << cut;
          EXPECT_GE(FontHeight(control), FontPixels(8, dpi)) << row.name << " below 8 points";
        }
      }
      EXPECT_EQ(checked, 13) << "every caption of both windows, the result's too";
    }
  }
}

// The lines of a window text, and the height of one, as `control` draws
// them in its font: each line on its own, and the whole text wrapped in the
// control's width as a label wraps it.
struct DrawnLines {
  std::vector<int> widths;
  int lineHeight = 0;
  int wrappedHeight = 0;
};

DrawnLines LinesOf(HWND control) {
  std::wstring text = Wide(WindowText(control));
  RECT client;
  GetClientRect(control, &client);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  DrawnLines drawn;
  for (std::size_t start = 0;;) {
    std::size_t end = std::min(text.find(L"\r\n", start), text.size());
    RECT line{0, 0, 0, 0};
    DrawTextW(dc, text.c_str() + start, static_cast<int>(end - start), &line,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    drawn.widths.push_back(line.right);
    drawn.lineHeight = line.bottom;
    if (end == text.size())
      break;
    start = end + 2;
  }
  RECT wrapped{0, 0, client.right, 0};
  DrawTextW(dc, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  drawn.wrappedHeight = wrapped.bottom;
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return drawn;
}

// A result of any magnitude, both signs, up to the largest the program
// computes (about 10^305 feet), in every language at 100, 150 and 200 %:
// on one line or its number over its unit, each line as the label draws it
// within its width and none broken again, at 8 points or more, in a box that
// stays in its frame clear of the other controls; laid out again when the
// DPI changes. The worked examples keep the table's box and one line.
TEST(Win32LanguageTest, AResultOfAnyMagnitudeIsWholeInEveryLanguage) {
  const struct {
    const char* focal;
    const char* aperture;
    bool worked;  // a result that fits the table's box
  } results[] = {
      {"50", "8", true},    {"0", "8", true},      {"1000", "-1", true},  {"5000", "1", false},
      {"1e5", "-1", false}, {"1e6", "1", false},   {"1e7", "-1", false},  {"1e8", "1", false},
      {"1e10", "1", false}, {"1e15", "-1", false}, {"1e154", "4", false}, {"1e150", "-1", false},
  };
  for (const char* language : {"", "de", "ja", "ar", "qps_ploc"}) {
    std::optional<InstalledCatalogue> catalogue;
    if (*language)
      catalogue.emplace(language);
    Windows windows;
    HWND form = windows.form.hwnd();
    auto control = [&](std::string_view name) {
      return windows.Control(form, kForm1Controls, name);
    };
    HWND result = control("iHyper");
    const Direction direction =
        TextsRightToLeft() ? Direction::RightToLeft : Direction::LeftToRight;
    for (UINT dpi : {96u, 144u, 192u}) {
      RECT frame;
      GetWindowRect(form, &frame);
      SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
      const PixelRect inside = ToClientPixels(kForm1Controls, *FindRow(kForm1Controls, "Frame1"),
                                              kForm1Window, dpi, direction);
      // The last result of the DPI before, laid out again, then each result.
      for (std::size_t i = 0; i <= std::size(results); ++i) {
        std::string shown = WindowText(result);
        std::string caption = shown;
        if (std::size_t lineEnd = caption.find("\r\n"); lineEnd != std::string::npos)
          caption.replace(lineEnd, 2, " ");
        std::string where = (*language ? language : "en") + std::string(" at ") +
                            std::to_string(dpi) + " DPI: \"" + caption + "\"";
        if (i > 0) {
          const auto& r = results[i - 1];
          SetWindowTextW(control("iFocal"), Wide(r.focal).c_str());
          SetWindowTextW(control("iAperature"), Wide(r.aperture).c_str());
          SendMessageW(form, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(control("cCalculate"))),
                       0);
          ASSERT_TRUE(windows.desktop.messages.empty()) << r.focal << " mm at f/" << r.aperture;
          shown = WindowText(result);
          caption = CalcHyperfocal(r.focal, r.aperture, kPlainFormat);
          where +=
              std::string(", then ") + r.focal + " mm at f/" + r.aperture + ", \"" + caption + "\"";
        }
        if (caption.empty())
          continue;  // no result yet
        std::string brokenBeforeUnit = caption;
        brokenBeforeUnit.replace(caption.find_last_of(' '), 1, "\r\n");
        EXPECT_TRUE(shown == caption || shown == brokenBeforeUnit)
            << where << " shown as " << shown;
        const int lines = shown == caption ? 1 : 2;
        DrawnLines drawn = LinesOf(result);
        RECT client;
        GetClientRect(result, &client);
        for (int width : drawn.widths)
          EXPECT_LE(width, client.right) << where;
        EXPECT_EQ(drawn.wrappedHeight, lines * drawn.lineHeight) << where << ": broken again";
        EXPECT_LE(drawn.wrappedHeight, client.bottom) << where;
        EXPECT_GE(FontHeight(result), FontPixels(8, dpi)) << where << ": below 8 points";
        PixelRect box = ClientRect(result);
        EXPECT_GT(box.left, inside.left) << where;
        EXPECT_LT(box.left + box.width, inside.left + inside.width) << where;
        EXPECT_LT(box.top + box.height, inside.top + inside.height) << where;
        for (const ControlRow& row : kForm1Controls) {
          PixelRect other = ClientRect(control(row.name));
          bool apart = row.parent != "Frame1" || row.name == "iHyper" ||
                       other.left >= box.left + box.width || box.left >= other.left + other.width ||
                       other.top >= box.top + box.height || box.top >= other.top + other.height;
          EXPECT_TRUE(apart) << where << " covers " << row.name;
        }
        if (i > 0 && results[i - 1].worked) {
          EXPECT_EQ(box, ToClientPixels(kForm1Controls, *FindRow(kForm1Controls, "iHyper"),
                                        kForm1Window, dpi, direction))
              << where;
          EXPECT_EQ(lines, 1) << where;
        }
      }
    }
  }
}

TEST(Win32LanguageTest, NoTextEscapesTheCatalogues) {
  InstalledCatalogue pseudo("qps_ploc");
  Windows windows;
  ASSERT_NE(windows.about, nullptr);
  auto marked = [](const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    std::size_t last = text.find_last_not_of(' ');
    return first != std::string::npos && text[first] == '[' && text[last] == ']';
  };
  const std::vector<std::string> names = {"Morlith", "Quorvel", "Frame1", "www.quorvel.example"};
  int seen = 0;
  for (auto [window, table] :
       {std::pair{windows.form.hwnd(), std::span<const ControlRow>(kForm1Controls)},
        std::pair{windows.about, std::span<const ControlRow>(kAboutControls)}}) {
    std::string caption = WindowText(window);
    EXPECT_TRUE(marked(caption) || caption == "Morlith") << caption;
    for (const ControlRow& row : table) {
      HWND control = windows.Control(window, table, row.name);
      if (!control || row.kind == ControlKind::TextBox || row.kind == ControlKind::Picture)
        continue;
      std::string text = WindowText(control);
      if (text.empty() || std::ranges::find(names, text) != names.end())
        continue;
      ++seen;
      EXPECT_TRUE(marked(text)) << row.name << ": " << text;
    }
  }
  EXPECT_EQ(seen, 9)
      << "the prompts, the unit, the buttons, the version, the description, the notice";
  HMENU bar = GetMenu(windows.form.hwnd());
  wchar_t item[128] = {};
  for (auto [menu, position] :
       {std::pair{bar, 0}, std::pair{GetSubMenu(bar, 0), 0}, std::pair{GetSubMenu(bar, 0), 1}}) {
    GetMenuStringW(menu, static_cast<UINT>(position), item, 128, MF_BYPOSITION);
    std::wstring text = item;
    text = text.substr(0, text.find(L'\t'));
    EXPECT_TRUE(text.starts_with(L"[") && text.ends_with(L"]")) << position;
  }
  // The message boxes: an error report, and the tool that is unavailable.
  SendMessageW(windows.form.hwnd(), WM_COMMAND,
               static_cast<WPARAM>(GetDlgCtrlID(
                   windows.Control(windows.form.hwnd(), kForm1Controls, "cCalculate"))),
               0);
  ASSERT_EQ(windows.desktop.messages.size(), 1u);
  EXPECT_TRUE(marked(windows.desktop.messages[0].text)) << windows.desktop.messages[0].text;
}

TEST(Win32LanguageTest, ArabicMirrorsBothWindowsFromTheirTables) {
  InstalledCatalogue arabic("ar");
  Windows windows;
  ASSERT_NE(windows.about, nullptr);
  for (auto [window, table, layout] :
       {std::tuple{windows.form.hwnd(), std::span<const ControlRow>(kForm1Controls), kForm1Window},
        std::tuple{windows.about, std::span<const ControlRow>(kAboutControls), kAboutWindow}}) {
    RECT client;
    GetClientRect(window, &client);
    double dpi = client.right * 1440.0 / layout.clientWidth;
    for (const ControlRow& row : table) {
      HWND control = windows.Control(window, table, row.name);
      if (!control)
        continue;
      EXPECT_EQ(ClientRect(control),
                ToClientPixels(table, row, layout, dpi, Direction::RightToLeft))
          << row.name;
    }
  }
  HWND form = windows.form.hwnd();
  auto control = [&](std::string_view name) { return windows.Control(form, kForm1Controls, name); };
  EXPECT_GT(ClientRect(control("Label1")).left, ClientRect(control("iFocal")).left);
  // Captions read from the right and stand as their mirror; the boxes and
  // the result read left to right; the menu bar starts at the right.
  EXPECT_TRUE(GetWindowLongW(control("Label1"), GWL_EXSTYLE) & WS_EX_RTLREADING);
  EXPECT_EQ(GetWindowLongW(control("Label1"), GWL_STYLE) & SS_TYPEMASK, SS_LEFT);
  EXPECT_EQ(GetWindowLongW(control("iHyper"), GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
  for (const char* name : {"iFocal", "iAperature", "iHyper"})
    EXPECT_FALSE(GetWindowLongW(control(name), GWL_EXSTYLE) & WS_EX_RTLREADING) << name;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(GetMenu(form), 0, TRUE, &info);
  EXPECT_TRUE(info.fType & MFT_RIGHTJUSTIFY);
  for (UINT item : {0u, 1u}) {
    GetMenuItemInfoW(GetSubMenu(GetMenu(form), 0), item, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_RIGHTORDER) << item;
  }
}

}  // namespace
}  // namespace quorvel::ui::win32
