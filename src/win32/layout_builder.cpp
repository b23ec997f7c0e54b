#include "win32/layout_builder.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "win32/diagnostics.h"
#include "win32/text.h"
#include "words/texts.h"

namespace bw::win32 {
namespace {

// Points are 1/72 inch and the sizes come in hundredths of a point.
constexpr int kHundredthsOfPointPerInch = 7200;
// The user's short time format, which has no seconds (LOCALE_SSHORTTIME,
// Windows 7 on; MinGW declares it only for builds that need Windows 7).
constexpr LCTYPE kShortTimeFormat = 0x79;

static_assert(kFontWeightNormal == FW_NORMAL && kFontWeightBold == FW_BOLD &&
              kGreekCharset == GREEK_CHARSET);

struct ControlClass {
  const wchar_t* className;
  DWORD style;  // on top of WS_CHILD and WS_VISIBLE
  DWORD exStyle;
};

// Only controls the user can work with stop the Tab key; labels, groups and pictures
// never take the focus, and an up-down is driven from its text box.
ControlClass ClassOf(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::DropDownList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::Icon:
      return {L"STATIC", SS_ICON, 0};
    case ControlKind::TextBox:
      return {L"EDIT",
              static_cast<DWORD>(ES_AUTOHSCROLL | WS_TABSTOP |
                                 (control.alignRight ? ES_RIGHT : ES_LEFT)),
              WS_EX_CLIENTEDGE};
    case ControlKind::UpDown:
      // Placed by the layout beside its text box, so no UDS_ALIGNRIGHT, which
      // would move it into the text box and narrow that. No UDS_ARROWKEYS: the
      // text box's own key handler steps the up-down on Up and Down.
      return {UPDOWN_CLASSW, static_cast<DWORD>(UDS_SETBUDDYINT | (control.wrap ? UDS_WRAP : 0)),
              0};
    case ControlKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::ListBox:
      return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::RadioButton:
      // Tab reaches a group at its first button; the arrows move in the group.
      return {
          L"BUTTON",
          static_cast<DWORD>(BS_AUTORADIOBUTTON | (control.groupStart ? WS_GROUP | WS_TABSTOP : 0)),
          0};
    case ControlKind::TimePicker:
      // Up and down step the picker's own fields; as a group of its own, it
      // also ends the group of option buttons before it, whose arrows would
      // otherwise walk into it.
      return {DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | WS_TABSTOP | WS_GROUP, 0};
    case ControlKind::Hotkey:
      return {HOTKEY_CLASSW, WS_TABSTOP, 0};
    case ControlKind::Group:
      return {L"BUTTON", BS_GROUPBOX, 0};
  }
  return {L"STATIC", 0, 0};
}

// The controls in the order they are created: by tab index, then those without one.
// An insertion sort: stable, and a dozen controls need nothing bigger.
std::vector<const ControlLayout*> CreationOrder(const WindowLayout& layout) {
  const auto before = [](const ControlLayout* a, const ControlLayout* b) {
    const bool aHas = a->tabIndex >= 0, bHas = b->tabIndex >= 0;
    if (aHas != bHas) return aHas;
    return aHas && a->tabIndex < b->tabIndex;
  };
  std::vector<const ControlLayout*> order;
  order.reserve(layout.controls.size());
  for (const ControlLayout& control : layout.controls) {
    auto at = order.end();
    while (at != order.begin() && before(&control, *(at - 1))) --at;
    order.insert(at, &control);
  }
  return order;
}

void AddListItems(HWND combo, std::string_view items) {
  while (!items.empty()) {
    const std::size_t end = items.find('\n');
    const std::wstring item = Widen(items.substr(0, end));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (end == std::string_view::npos) break;
    items.remove_prefix(end + 1);
  }
}

// A drop-down list's window height is that of its field and open list together;
// the system sizes the field from the font. Make the list tall enough for all items.
void SizeDropDown(HWND combo, const RECT& pixels) {
  const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  const auto itemHeight = SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0);
  const int height = pixels.bottom - pixels.top + static_cast<int>(count * itemHeight) + 2;
  SetWindowPos(combo, nullptr, 0, 0, pixels.right - pixels.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Settings that only exist once the control does.
void Complete(HWND window, const ControlLayout& control, const RECT& pixels, HWND previous) {
  switch (control.kind) {
    case ControlKind::DropDownList:
      AddListItems(window, Say(control.text));
      SizeDropDown(window, pixels);
      break;
    case ControlKind::TextBox:
      if (control.maxLength > 0) SendMessageA(window, EM_LIMITTEXT, control.maxLength, 0);
      break;
    case ControlKind::UpDown:
      SendMessageA(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(previous), 0);
      SendMessageA(window, UDM_SETRANGE32, control.lower, control.upper);
      SendMessageA(window, UDM_SETPOS32, 0, control.lower);
      // The control picks its own width when created (Wine: 16 px); keep the layout's.
      SetWindowPos(window, nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
                   pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case ControlKind::TimePicker: {
      // The program counts whole minutes: a seconds field would be stepped for
      // nothing. Before Windows 7 the picker keeps its own format, seconds and all.
      wchar_t format[80];
      if (GetLocaleInfoW(LOCALE_USER_DEFAULT, kShortTimeFormat, format, 80)) {
        SendMessageW(window, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

HFONT LayoutFonts::Font(bool bold) {
  UniqueFont& made = fonts_[bold];
  if (made) return made.Get();
  const FontSpec& wanted = kWindowFont;
  LOGFONTA font{};
  font.lfHeight = -MulDiv(wanted.hundredthsOfPoint, ScreenDpi(), kHundredthsOfPointPerInch);
  font.lfWeight = bold ? kFontWeightBold : wanted.weight;
  font.lfCharSet = static_cast<BYTE>(wanted.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::strncpy(font.lfFaceName, wanted.face, LF_FACESIZE - 1);
  made = UniqueFont(CreateFontIndirectA(&font));
  return made.Get();
}

// Edges are converted, not sizes, so that controls that touch in the layout
// still touch at any resolution.
RECT PixelRect(const Rect& twips, int dpi) {
  return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi),
          TwipsToPixels(twips.left + twips.width, dpi),
          TwipsToPixels(twips.top + twips.height, dpi)};
}

HWND CreateLayoutWindow(const WindowLayout& layout, const char* className, DWORD style,
                        DWORD exStyle, HWND owner, Window* object) {
  const int dpi = ScreenDpi();
  RECT frame{0, 0, TwipsToPixels(layout.clientWidth, dpi), TwipsToPixels(layout.clientHeight, dpi)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return Reported(
      "CreateWindowEx",
      CreateWindowExW(exStyle, Widen(className).c_str(), Widen(Say(layout.caption)).c_str(),
                      style & ~WS_VISIBLE, left, top, width, height, owner, nullptr,
                      GetModuleHandleA(nullptr), object));
}

bool CreateControls(HWND parent, const WindowLayout& layout, LayoutFonts& fonts) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const int dpi = ScreenDpi();
  HWND previous = nullptr;
  bool complete = true;
  for (const ControlLayout* control : CreationOrder(layout)) {
    const ControlClass windowClass = ClassOf(*control);
    const RECT pixels = PixelRect(control->twips, dpi);
    const DWORD style = WS_CHILD | WS_VISIBLE | windowClass.style;
    // Pictures take their icon and lists their items after creation.
    const bool textIsCaption = control->kind != ControlKind::Icon &&
                               control->kind != ControlKind::DropDownList &&
                               control->kind != ControlKind::ListBox;
    const HWND window = CreateWindowExW(
        windowClass.exStyle, windowClass.className,
        textIsCaption ? Widen(Say(control->text)).c_str() : L"", style, pixels.left, pixels.top,
        pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), instance, nullptr);
    if (!window) {
      ReportLastError("CreateWindowEx");
      complete = false;
      continue;
    }
    const HFONT font = fonts.Font(control->bold);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    Complete(window, *control, pixels, previous);
    previous = window;
  }
  return complete;
}

}  // namespace bw::win32
