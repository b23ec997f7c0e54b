// The channel between two copies of the program: a copy started with a
// command sends its text, with its terminating zero, as a tagged WM_COPYDATA
// to the running copy's settings window, naming its own answer window in
// wParam. The exit code comes back as the message's result, and the line to
// print by a WM_COPYDATA to that answer window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "version_info.h"

namespace bw::win32 {

inline constexpr ULONG_PTR kCommandTag = 0x42774331;  // "BwC1"
inline constexpr ULONG_PTR kAnswerTag = 0x42774131;   // "BwA1"
// The longest command: "/while" and a quoted file name of 255 characters.
inline constexpr DWORD kCommandMaxBytes = 300;
// The result of a command taken: this plus the exit code. An ignored one's is 0.
inline constexpr LRESULT kCommandTaken = 0x100;
// The result while the copy starts and takes no command yet: nothing was
// done, and the caller asks again.
inline constexpr LRESULT kCommandBusy = 1;
// A caller's window for the line: message-only, of this class.
inline constexpr const char* kAnswerWindowClass = BLINKWARD_NAME "Answer";
// Held by the copy that runs in this logon from before its window exists:
// named in the logon session's namespace, one copy per logged-on user.
inline constexpr const char* kInstanceMutexName = BLINKWARD_NAME ".SingleInstance";

// The integrity level of a process, or of the process whose window it is;
// 0 where it cannot be read (XP has none).
std::uint32_t IntegrityLevel(HANDLE process);
std::uint32_t IntegrityLevelOf(HWND window);

// Lets the message into the window from processes at lower integrity levels.
// Looked up at run time: Windows 7 filters per window, Vista only per
// process, and XP not at all.
void AllowFromLowerLevels(HWND window, UINT message);

// A calling copy's window for its line, and nothing else: message-only, of
// the answer class. No other window is sent text it does not expect.
bool IsAnswerWindow(HWND window);

}  // namespace bw::win32
