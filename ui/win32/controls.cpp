// SPDX-License-Identifier: MIT
#include "ui/win32/controls.h"

#include <algorithm>
#include <string_view>

#include "ui/colours.h"
#include "ui/win32/ids.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/text.h"

namespace quorvel::ui::win32 {
namespace {

COLORREF ToColorRef(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

// The system's colours now, as the shared colour rules read them: a theme
// or colours chosen while the program runs are seen at the next paint.
SystemColours SystemColoursNow() {
  auto rgb = [](int number) {
    COLORREF colour = GetSysColor(number);
    return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
  };
  SystemColours system{.window = rgb(COLOR_BTNFACE),
                       .windowText = rgb(COLOR_BTNTEXT),
                       .fieldText = rgb(COLOR_WINDOWTEXT),
                       .link = rgb(COLOR_HOTLIGHT),
                       .light = rgb(COLOR_3DHILIGHT),
                       .dark = rgb(COLOR_3DSHADOW),
                       .highlightText = rgb(COLOR_HIGHLIGHTTEXT)};
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  system.highContrast =
      SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  return system;
}

// Whether the system has `face` as a TrueType family.
bool HasTrueTypeFace(std::wstring_view face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::ranges::copy(face.substr(0, LF_FACESIZE - 1), wanted.lfFaceName);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM flag) -> int {
        if ((type & TRUETYPE_FONTTYPE) != 0)
          *reinterpret_cast<bool*>(flag) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

// The windows' face at `dpi`. The classic "MS Sans Serif" is a bitmap font
// of a few sizes, made for 96 DPI, that stops growing at 150 %; Windows has
// its scalable form, "Microsoft Sans Serif", with the same metrics. Where
// that is missing (Wine), the bitmap face serves up to 120 DPI, where its
// sizes still follow, and above it the font mapper's nearest outline face.
const wchar_t* FaceAt(UINT dpi) {
  static const bool scalable = HasTrueTypeFace(L"Microsoft Sans Serif");
  return scalable || dpi > 120 ? L"Microsoft Sans Serif" : L"MS Sans Serif";
}

// The STATIC class's procedure, under the picture box's own.
WNDPROC staticProcedure = nullptr;

// The picture box takes the focus with Tab, which a STATIC control never
// shows: while it has the focus, and the keyboard cues are on (a key was
// used in the window), it draws the focus rectangle over what the control
// drew, just inside its border.
LRESULT CALLBACK PictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      CallWindowProcW(staticProcedure, window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      if (GetFocus() == window &&
          (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
        RECT client;
        GetClientRect(window, &client);
        DrawFocusRect(dc, &client);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(window, nullptr, TRUE);
      break;
  }
  return CallWindowProcW(staticProcedure, window, message, wParam, lParam);
}

struct Kind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

Kind KindOf(const ControlRow& row) {
  switch (row.kind) {
    case ControlKind::Label:
      return {L"STATIC",
              static_cast<DWORD>(SS_NOPREFIX | (row.align == Align::Right ? SS_RIGHT : SS_LEFT) |
                                 (row.border == Border::Single ? WS_BORDER : 0)),
              0};
    case ControlKind::TextBox:
      return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {L"BUTTON",
              static_cast<DWORD>(WS_TABSTOP | (row.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
              0};
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Picture:
      return {L"STATIC", WS_TABSTOP | SS_ICON | SS_CENTERIMAGE, WS_EX_CLIENTEDGE};
    case ControlKind::Line:
      break;
  }
  return {nullptr, 0, 0};
}

}  // namespace

Controls::Controls(HWND parent, std::span<const ControlRow> table, UINT dpi)
    : parent_(parent), table_(table), windows_(table.size(), nullptr) {
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  for (std::size_t index = 0; index < table.size(); ++index) {
    const ControlRow& row = table[index];
    Kind kind = KindOf(row);
    if (!kind.className)
      continue;
    HWND control = CreateWindowExW(kind.exStyle, kind.className, Wide(row.caption).c_str(),
                                   WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))),
                                   instance, nullptr);
    if (row.kind == ControlKind::TextBox)
      SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    if (row.kind == ControlKind::Picture) {
      staticProcedure = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PictureProcedure)));
    }
    windows_[index] = control;
  }
  // Each new control went beneath those before it; a caption that overlaps a
  // control is put right beneath it.
  for (auto [caption, control] : CaptionsBeneath(table)) {
    SetWindowPos((*this)[caption->name], (*this)[control->name], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  Layout(dpi);
}

Controls::~Controls() {
  for (auto& [key, font] : fonts_)
    DeleteObject(font);
  if (picture_)
    DestroyIcon(picture_);
}

HWND Controls::operator[](std::string_view name) const {
  const ControlRow* row = FindRow(table_, name);
  return row ? windows_[static_cast<std::size_t>(row - table_.data())] : nullptr;
}

HFONT Controls::Font(const FontStyle& style) {
  FontKey key{style.points, style.bold, style.underline};
  auto found = fonts_.find(key);
  if (found != fonts_.end())
    return found->second;
  HFONT font =
      CreateFontW(-FontPixels(style.points, dpi_), 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE,
                  style.underline, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, FaceAt(dpi_));
  fonts_.emplace(key, font);
  return font;
}

HFONT Controls::DefaultFont() const {
  auto found = fonts_.find(FontKey{FontStyle{}.points, false, false});
  return found == fonts_.end() ? nullptr : found->second;
}

void Controls::Layout(UINT dpi) {
  std::map<FontKey, HFONT> old;
  old.swap(fonts_);
  dpi_ = dpi;
  Font(FontStyle{});

  HICON oldPicture = picture_;
  picture_ = nullptr;

  for (std::size_t i = 0; i < table_.size(); ++i) {
    HWND control = windows_[i];
    if (!control)
      continue;
    const ControlRow& row = table_[i];
    if (row.kind == ControlKind::Picture) {
      // The application icon, at the size 32 pixels take at this DPI.
      int size = MulDiv(32, static_cast<int>(dpi), 96);
      if (!picture_) {
        picture_ = static_cast<HICON>(
            LoadImageW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE)),
                       MAKEINTRESOURCEW(QUORVEL_ICON), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
      }
      SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(picture_), 0);
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(row.font)), FALSE);
    PixelRect rect = ToClientPixels(table_, row, dpi);
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(parent_, nullptr, TRUE);
  for (auto& [key, font] : old)
    DeleteObject(font);
  if (oldPicture)
    DestroyIcon(oldPicture);
}

void Controls::PaintLines(HDC dc) const {
  SystemColours system = SystemColoursNow();
  for (const ControlRow& row : table_) {
    if (row.kind != ControlKind::Line)
      continue;
    PixelRect rect = ToClientPixels(table_, row, dpi_);
    RECT area{rect.left, rect.top, rect.left + rect.width, rect.top + std::max(1, rect.height)};
    HBRUSH brush = CreateSolidBrush(ToColorRef(ColoursOf(row, system).fore));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
  }
}

HBRUSH Controls::ColourStatic(HWND control, HDC dc) const {
  // A control of no row is drawn as a label without colours of its own.
  auto found = std::ranges::find(windows_, control);
  Colours colours = ColoursOf(found == windows_.end()
                                  ? ControlRow{}
                                  : table_[static_cast<std::size_t>(found - windows_.begin())],
                              SystemColoursNow());
  SetTextColor(dc, ToColorRef(colours.fore));
  SetBkColor(dc, ToColorRef(colours.back));
  SetDCBrushColor(dc, ToColorRef(colours.back));
  return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

}  // namespace quorvel::ui::win32
