// comctl32, loaded when a window first needs its controls rather than at
// start-up: a program that sits in the tray all day pays nothing for a settings
// window opened once a month.
#pragma once

#include <windows.h>

namespace bw::win32 {

// Loads the common controls (the version the manifest asks for) and registers
// their window classes; a later call changes nothing. False if the library is
// missing.
bool LoadCommonControls();

// A time picker's time of day as the program counts it: minutes since
// midnight, 0 ... 1439; its seconds, where it shows them, are zero.
void SetPickerMinute(HWND picker, int minuteOfDay);
int PickerMinute(HWND picker);
int MinuteOf(const SYSTEMTIME& time);

}  // namespace bw::win32
