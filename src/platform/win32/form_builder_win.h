// Turns a window layout (platform/layout.h) into a real window and its controls.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/layout.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/window_win.h"

namespace bw::win32 {

// Window class of picture boxes. The program's only picture box is the tray's
// callback target, and other programs look for it by this name.
inline constexpr const char* kPictureBoxClass = "BlinkwardStatusOutput";

// Sent by a picture box to its parent for each WM_MOUSEMOVE it receives:
// wParam is the picture box's control id, lParam the mouse move's lParam.
inline constexpr UINT kPictureBoxMouseMove = WM_APP + 1;

// Fonts and icons of one form's windows. They must outlive the windows, so a
// form owns one of these beside its window and destroys the window first.
class FormResources {
 public:
  // The font described by `wanted` at the screen's resolution, created on first use.
  HFONT Font(const FontSpec& wanted);
  // An icon resource of the running module at the given pixel size, loaded on
  // first use: a form built again shows the same pictures without loading them again.
  HICON Icon(int resourceId, int pixels);

 private:
  struct FontEntry {
    const FontSpec* wanted;
    UniqueFont font;
  };
  struct IconEntry {
    int resourceId;
    int pixels;
    UniqueIcon icon;
  };
  std::vector<FontEntry> fonts_;
  std::vector<IconEntry> icons_;
};

// The pixel rectangle of a layout rectangle.
RECT PixelRect(const Rect& twips);

// Creates the top-level window of a form: hidden, the client area as designed,
// centred on the screen. object receives the window's messages (Window::Procedure
// must be the class's window procedure).
HWND CreateFormWindow(const FormSpec& form, const char* className, DWORD style, DWORD exStyle,
                      HWND owner, Window* object);

// Creates the controls of a form inside parent, in Tab order (those without a
// tab index last). Returns false if any control could not be created.
bool CreateControls(HWND parent, const FormSpec& form, FormResources& resources);

}  // namespace bw::win32
