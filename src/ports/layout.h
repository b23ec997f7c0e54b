// Window layouts as data: each window is a table of controls that one generic
// builder in the Win32 layer turns into real windows. Geometry is in twips, a
// 1440th of an inch, so that a window scales with the screen's resolution.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace bw {
// A text the user reads, by its id in the program's words; the default, none.
enum class Text : std::uint16_t;
}  // namespace bw

namespace bw {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;  // 15 twips to the pixel

enum class ControlKind : std::uint8_t {
  Label,         // static text
  CheckBox,      // auto check box
  DropDownList,  // a list the user picks from and cannot type into
  Icon,          // a picture
  TextBox,       // one-line edit field
  UpDown,        // spin control attached to the text box before it
  Button,        // push button
  ListBox,       // a list of lines, one of which can be selected
  RadioButton,   // auto option button; the first of a group starts the group
  TimePicker,    // hours and minutes, in the user's format, with arrows
  Hotkey,        // a shortcut, typed as the user presses it
  Group,         // a captioned frame round the rows below it
};

struct Rect {
  std::int16_t left, top, width, height;  // twips
};

// Font weights and the character set the program's windows use, as Windows numbers them.
inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;
inline constexpr int kGreekCharset = 161;

// Font of a window or control: face, size in hundredths of a point, weight, charset.
struct FontSpec {
  const char* face;
  int hundredthsOfPoint;
  int weight;
  int charset;
};

// The one font of the program's windows: Tahoma 8.25 pt with the Greek
// character set; a control may ask for its bold weight instead.
constexpr FontSpec kWindowFont{"Tahoma", 825, kFontWeightNormal, kGreekCharset};

// The fields are as narrow as their values so that the tables stay small.
struct ControlLayout {
  ControlKind kind;
  std::int16_t id;  // control id (WM_COMMAND, GetDlgItem)
  Text text{};      // caption or text, none by default; list items one a line
  Rect twips;
  std::int8_t tabIndex = -1;          // -1: never takes the focus
  bool bold = false;                  // the window's font at bold weight
  std::uint8_t maxLength = 0;         // text boxes: characters that can be typed; 0: no limit
  bool alignRight = false;            // text boxes
  std::int16_t lower = 0, upper = 0;  // up-downs: range
  bool wrap = false;                  // up-downs: wrap at the ends
  bool groupStart = false;            // option buttons: the first of its group
};

struct WindowLayout {
  Text caption;
  int clientWidth, clientHeight;  // twips
  std::span<const ControlLayout> controls;
};

// The row of a layout for a control id; null when there is none.
constexpr const ControlLayout* FindControl(const WindowLayout& layout, int id) {
  for (const ControlLayout& control : layout.controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

// From each edge of a window to its nearest control, and between two rows.
inline constexpr int kMarginTwips = 120;
inline constexpr int kRowGapTwips = 90;
// Inside a group: from its top, past its caption, to its first row, and from
// its last row to its bottom.
inline constexpr int kGroupHeadTwips = 300;
inline constexpr int kGroupFootTwips = 120;

// Places a column's rows from top on, each below the rows before it by their
// heights, so that a row added moves those below it. A control that starts
// right of the one before it shares that row, centred on the row's height (to
// the whole pixel); any other starts a row of its own, kRowGapTwips below.
// A group holds the rows after it that start right of its own left edge, and
// ends kGroupFootTwips below the last of them. Lefts, widths and heights are
// the table's own.
template <std::size_t N>
constexpr std::array<ControlLayout, N> Stack(int top, const ControlLayout (&rows)[N]) {
  std::array<ControlLayout, N> placed{};
  int next = top;  // the next row's top
  std::size_t rowStart = 0, group = N;
  int rowHeight = 0;  // 0: no row open
  constexpr int pixel = kTwipsPerInch / kDefaultDpi;
  const auto endRow = [&](std::size_t end) {
    if (rowHeight == 0) return;
    for (std::size_t k = rowStart; k < end; ++k) {
      const int below = (rowHeight - placed[k].twips.height) / 2 / pixel * pixel;
      placed[k].twips.top = static_cast<std::int16_t>(next + below);
    }
    next += rowHeight + kRowGapTwips;
    rowHeight = 0;
  };
  const auto endGroup = [&] {
    Rect& frame = placed[group].twips;
    frame.height = static_cast<std::int16_t>(next - kRowGapTwips + kGroupFootTwips - frame.top);
    next = frame.top + frame.height + kRowGapTwips;
    group = N;
  };
  for (std::size_t i = 0; i < N; ++i) {
    placed[i] = rows[i];
    const Rect& at = rows[i].twips;
    const bool isGroup = rows[i].kind == ControlKind::Group;
    if (rowHeight > 0 && !isGroup && at.left >= rows[i - 1].twips.left + rows[i - 1].twips.width) {
      rowHeight = std::max<int>(rowHeight, at.height);
      continue;
    }
    endRow(i);
    if (group < N && (isGroup || at.left <= placed[group].twips.left)) endGroup();
    if (isGroup) {
      placed[i].twips.top = static_cast<std::int16_t>(next);
      next += kGroupHeadTwips;
      group = i;
    } else {
      rowStart = i;
      rowHeight = at.height;
    }
  }
  endRow(N);
  if (group < N) endGroup();
  return placed;
}

// A window's controls from its parts, in Tab order as they come. The order
// starts at 1: 0 is the hidden window that a main window holds for the tray.
template <std::size_t... N>
constexpr std::array<ControlLayout, (N + ...)> InTabOrder(
    const std::array<ControlLayout, N>&... parts) {
  std::array<ControlLayout, (N + ...)> all{};
  std::size_t at = 0;
  const auto add = [&](const auto& part) {
    for (const ControlLayout& control : part) {
      all[at] = control;
      all[at].tabIndex = static_cast<std::int8_t>(at + 1);
      ++at;
    }
  };
  (add(parts), ...);
  return all;
}

// The right and the bottom edge of the rightmost and the lowest control.
constexpr int RightOf(std::span<const ControlLayout> controls) {
  int right = 0;
  for (const ControlLayout& c : controls) right = std::max(right, c.twips.left + c.twips.width);
  return right;
}
constexpr int BottomOf(std::span<const ControlLayout> controls) {
  int bottom = 0;
  for (const ControlLayout& c : controls) bottom = std::max(bottom, c.twips.top + c.twips.height);
  return bottom;
}

// Pixels at a resolution, rounded to the nearest: at 96 dpi every designed
// value is a whole number of pixels.
constexpr int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace bw
