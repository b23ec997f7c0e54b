// Window layouts as data: each window is a table of controls that one generic
// builder in the Win32 layer turns into real windows. Geometry is in twips, a
// 1440th of an inch, so that a window scales with the screen's resolution.
#pragma once

#include <cstdint>
#include <span>

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
  std::int16_t id;   // control id (WM_COMMAND, GetDlgItem)
  const char* text;  // caption or text; list items separated by '\n'
  Rect twips;
  std::int8_t tabIndex;               // -1: never takes the focus
  bool bold = false;                  // the window's font at bold weight
  std::uint8_t maxLength = 0;         // text boxes: characters that can be typed; 0: no limit
  bool alignRight = false;            // text boxes
  std::int16_t lower = 0, upper = 0;  // up-downs: range
  bool wrap = false;                  // up-downs: wrap at the ends
  bool groupStart = false;            // option buttons: the first of its group
};

struct WindowLayout {
  const char* caption;
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

// Pixels at a resolution, rounded to the nearest: at 96 dpi every designed
// value is a whole number of pixels.
constexpr int TwipsToPixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace bw
