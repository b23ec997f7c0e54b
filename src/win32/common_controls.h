// comctl32, loaded when a window first needs its controls rather than at
// start-up: a program that sits in the tray all day pays nothing for a settings
// window opened once a month.
#pragma once

namespace bw::win32 {

// Loads the common controls (the version the manifest asks for) and registers
// their window classes; a later call changes nothing. False if the library is
// missing.
bool LoadCommonControls();

}  // namespace bw::win32
