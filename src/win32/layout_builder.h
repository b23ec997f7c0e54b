// Turns a window layout (ports/layout.h) into a real window and its
// controls, scaled to the screen's resolution.
#pragma once

#include <windows.h>

#include <vector>

#include "ports/layout.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace bw::win32 {

// The screen's logical resolution, which the fonts are made for too.
int ScreenDpi();

// The pixel rectangle of a layout rectangle at a resolution.
RECT PixelRect(const Rect& twips, int dpi);

// The fonts of one window's controls. They must outlive the controls, so a
// window keeps one of these beside it and destroys its window first.
class LayoutFonts {
 public:
  // The windows' font, or its bold form, at the screen's resolution, made on
  // first use.
  HFONT Font(bool bold);

 private:
  UniqueFont fonts_[2];
};

// Creates the top-level window of a layout: hidden, the client area as
// designed, centred on the screen. object receives the window's messages
// (Window::Procedure must be the class's window procedure).
HWND CreateLayoutWindow(const WindowLayout& layout, const char* className, DWORD style,
                        DWORD exStyle, HWND owner, Window* object);

// Creates the controls of a layout inside parent, in Tab order (those without
// a tab index last). False if any control could not be created.
bool CreateControls(HWND parent, const WindowLayout& layout, LayoutFonts& fonts);

}  // namespace bw::win32
