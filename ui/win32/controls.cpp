// SPDX-License-Identifier: MIT
#include "ui/win32/controls.h"

#include <algorithm>
#include <string_view>

#include "app/translation.h"
#include "app/win_text.h"
#include "ui/caption_fit.h"
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

constexpr const wchar_t* kScalableFace = L"Microsoft Sans Serif";

// The windows' face at `dpi`. The classic "MS Sans Serif" is a bitmap font
// of a few sizes, made for 96 DPI, that stops growing at 150 %; Windows has
// its scalable form, "Microsoft Sans Serif", with the same metrics. Where
// that is missing (Wine), the bitmap face serves up to 120 DPI, where its
// sizes still follow, and above it the font mapper's nearest outline face.
// The bitmap face has the characters of the Western code page only: a
// language written with others (Japanese, Arabic) always gets the scalable
// face, which the system completes from its other fonts.
const wchar_t* FaceAt(UINT dpi) {
  static const bool scalable = HasTrueTypeFace(kScalableFace);
  const bool western =
      win::Narrow(Wide(Tr(Mark("Enter your focal length: ")) + Tr(Mark("E&xit"))), 1252)
          .has_value();
  return scalable || !western || dpi > 120 ? kScalableFace : L"MS Sans Serif";
}

// The width of the widest word of `text` in the font of `dc`. The system
// breaks a word too wide for its line where the line ends: the caption then
// measures whole, yet reads "1.09367E" over "+298". A run of a script
// written without blanks (Chinese, Japanese), which breaks between any two
// of its characters, counts as no word.
int WidestWord(HDC dc, std::wstring_view text) {
  constexpr wchar_t kFirstIdeographic = 0x2E80;  // CJK radicals and all that follows
  int widest = 0;
  std::size_t start = 0;
  bool lineStart = true;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const wchar_t c = i < text.size() ? text[i] : L'\n';
    // The blanks a line begins with are drawn: they count with its first word.
    if (c == L' ' && lineStart)
      continue;
    if (c != L' ' && c != L'\r' && c != L'\n') {
      lineStart = false;
      continue;
    }
    std::wstring_view word = text.substr(start, i - start);
    start = i + 1;
    lineStart = c != L' ';
    if (word.find_first_not_of(L' ') == std::wstring_view::npos ||
        std::ranges::any_of(word, [](wchar_t w) { return w >= kFirstIdeographic; }))
      continue;
    SIZE size{};
    GetTextExtentPoint32W(dc, word.data(), static_cast<int>(word.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  return widest;
}

// A text with "\n" where its lines end as a window text, where they end in
// "\r\n", and back.
std::wstring WithCarriageReturns(std::wstring text) {
  for (std::size_t at = text.find(L'\n'); at != std::wstring::npos; at = text.find(L'\n', at + 2))
    text.insert(at, 1, L'\r');
  return text;
}
std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
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

Kind KindOf(const ControlRow& row, Direction direction) {
  // Right to left, a caption reads from the right; numbers and addresses
  // are kept left to right.
  const DWORD reading =
      direction == Direction::RightToLeft && !row.leftToRight ? WS_EX_RTLREADING : 0;
  switch (row.kind) {
    case ControlKind::Label:
      return {L"STATIC",
              static_cast<DWORD>(
                  SS_NOPREFIX | (VisualAlign(row, direction) == Align::Right ? SS_RIGHT : SS_LEFT) |
                  (row.border == Border::Single ? WS_BORDER : 0)),
              reading};
    case ControlKind::TextBox:
      return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {L"BUTTON",
              static_cast<DWORD>(WS_TABSTOP | (row.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
              reading};
    case ControlKind::Frame:
      return {
          L"BUTTON",
          static_cast<DWORD>(BS_GROUPBOX | (direction == Direction::RightToLeft ? BS_RIGHT : 0)),
          reading};
    case ControlKind::Picture:
      return {L"STATIC", WS_TABSTOP | SS_ICON | SS_CENTERIMAGE, WS_EX_CLIENTEDGE};
    case ControlKind::Line:
      break;
  }
  return {nullptr, 0, 0};
}

}  // namespace

Controls::Controls(HWND parent, std::span<const ControlRow> table, const WindowLayout& window,
                   UINT dpi)
    : parent_(parent),
      table_(table),
      window_(window),
      direction_(TextsRightToLeft() ? Direction::RightToLeft : Direction::LeftToRight),
      windows_(table.size(), nullptr) {
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  for (std::size_t index = 0; index < table.size(); ++index) {
    const ControlRow& row = table[index];
    Kind kind = KindOf(row, direction_);
    if (!kind.className)
      continue;
    std::string caption = Tr(row.caption);
    HWND control = CreateWindowExW(
        kind.exStyle, kind.className, (row.leftToRight ? Wide(caption) : Shown(caption)).c_str(),
        WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))), instance, nullptr);
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

HFONT Controls::Font(const FontStyle& style, int stretch) {
  FontKey key{style.points, style.bold, style.underline, stretch};
  auto found = fonts_.find(key);
  if (found != fonts_.end())
    return found->second;
  // A bitmap face keeps its widths: a narrower font is of the scalable face.
  const wchar_t* face = stretch == 100 ? FaceAt(dpi_) : kScalableFace;
  auto create = [&](int width) {
    return CreateFontW(-FontPixels(style.points, dpi_), width, 0, 0,
                       style.bold ? FW_BOLD : FW_NORMAL, FALSE, style.underline, FALSE,
                       DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, face);
  };
  HFONT font = create(0);
  if (stretch != 100) {
    // A narrower font: its characters' average width, as a share of the
    // face's own at the same height.
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    font = create(std::max(1, MulDiv(metrics.tmAveCharWidth, stretch, 100)));
  }
  fonts_.emplace(key, font);
  return font;
}

bool Controls::Fits(HWND control, const ControlRow& row, HFONT font, int lines) const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  RECT client{};
  GetClientRect(control, &client);
  const bool button = row.kind == ControlKind::Button;
  // A button draws its caption on one line within its edges.
  const int edges = button ? 2 * GetSystemMetrics(SM_CXEDGE) + 2 : 0;
  RECT needed{0, 0, client.right - edges, 0};
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font);
  DrawTextW(dc, text.c_str(), -1, &needed,
            DT_CALCRECT | (button ? DT_SINGLELINE : DT_WORDBREAK | DT_NOPREFIX));
  const int widest = button ? 0 : WidestWord(dc, text);
  RECT line{0, 0, client.right, 0};
  DrawTextW(dc, L"0", 1, &line, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return needed.right <= client.right - edges && needed.bottom <= client.bottom &&
         widest <= client.right && (lines == 0 || needed.bottom <= lines * line.bottom);
}

void Controls::FitCaption(HWND control) {
  auto found = std::ranges::find(windows_, control);
  if (found == windows_.end())
    return;
  const ControlRow& row = table_[static_cast<std::size_t>(found - windows_.begin())];
  HFONT font = Font(row.font);
  if (row.kind == ControlKind::Label || row.kind == ControlKind::Button) {
    const std::string caption = WithoutCarriageReturns(WindowText(control));
    std::string shown = caption;
    auto fontOf = [&](const CaptionShape& shape) {
      FontStyle style = row.font;
      style.points = shape.points;
      return Font(style, shape.stretch);
    };
    // Lays the caption out and places the control as `shape` says; returns
    // the most lines the caption may take.
    auto place = [&](const CaptionShape& shape) {
      CaptionLines laidOut = LayOut(row, caption, shape.extent);
      if (laidOut.text != shown) {
        shown = laidOut.text;
        SetWindowTextW(control, WithCarriageReturns(Wide(shown)).c_str());
      }
      PixelRect rect =
          ToClientPixels(table_, InExtent(row, shape.extent), window_, dpi_, direction_);
      SetWindowPos(control, nullptr, rect.left, rect.top, rect.width, rect.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return laidOut.lines;
    };
    CaptionShape shape = ui::FitCaption(row, [&](const CaptionShape& candidate) {
      return Fits(control, row, fontOf(candidate), place(candidate));
    });
    place(shape);
    font = fontOf(shape);
  }
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT Controls::DefaultFont() const {
  auto found = fonts_.find(FontKey{FontStyle{}.points, false, false, 100});
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
    PixelRect rect = ToClientPixels(table_, row, window_, dpi, direction_);
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitCaption(control);
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
    PixelRect rect = ToClientPixels(table_, row, window_, dpi_, direction_);
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
