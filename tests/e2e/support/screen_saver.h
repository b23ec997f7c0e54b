// The system's screen-saver flag, read and switched as another program would.
//
// Under Wine's X11 driver the flag is the X server's screen-saver setting, and
// a process reaches it only through its own display connection: this process
// must own a window (ConnectToDisplay) before it switches the flag, and a
// switch is sent to X at the next request on that connection, which the
// re-read in SetScreenSaverActive makes at once.
#pragma once

#include <windows.h>

namespace e2e {

// Creates a hidden window of this process, which opens its display connection.
// Call once, before anything else here.
void ConnectToDisplay();

bool ScreenSaverActive();

// Switches the flag for the current logon only (not stored) and reads it back;
// true when the read-back agrees.
bool SetScreenSaverActive(bool active);

}  // namespace e2e
