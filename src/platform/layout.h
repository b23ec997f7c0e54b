// Window layouts as data: each window is a table of controls that one generic
// builder in platform/win32 turns into real windows. Geometry is in twips, as
// designed; at 96 dpi 15 twips make a pixel.
#pragma once

#include <cstdint>
#include <span>

namespace bw {

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch

enum class ControlKind {
  Label,         // static text
  CheckBox,      // auto check box
  DropDownList,  // combo box the user picks from and cannot type into
  PictureBox,    // a real child window (the tray's callback target)
  Image,         // a picture holder; hidden ones only carry data
  TextBox,       // one-line edit field
  UpDown,        // spin control attached to the text box before it
  Button,        // push button
};

struct Rect {
  int left, top, width, height;  // twips
};

// Font of a window or control: face, size in hundredths of a point, weight, charset.
struct FontSpec {
  const char* face;
  int hundredthsOfPoint;
  int weight;
  int charset;
};

struct ControlSpec {
  ControlKind kind;
  int id;            // control id (WM_COMMAND, GetDlgItem)
  const char* name;  // the control's name in the design
  const char* text;  // caption or text; list items separated by '\n'
  Rect twips;
  int tabIndex;  // -1: none
  bool visible = true;
  const FontSpec* font = nullptr;  // null: the window's font
  int maxLength = 0;               // text boxes: characters that can be typed; 0: no limit
  bool alignRight = false;         // text boxes
  int lower = 0, upper = 0;        // up-downs: range
  bool wrap = false;               // up-downs: wrap at the ends
  int resourceId = 0;              // images: the icon shown
};

struct FormSpec {
  const char* name;
  const char* caption;
  int clientWidth, clientHeight;  // twips
  const FontSpec* font;
  std::span<const ControlSpec> controls;
};

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

}  // namespace bw
