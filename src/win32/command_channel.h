// The channel between two copies of the program: a copy started with a
// command sends its text, with its terminating zero, as a tagged WM_COPYDATA
// to the running copy's settings window. The exit code comes back as the
// message's result, and the line to print by a WM_COPYDATA to the window
// the caller names in wParam.
#pragma once

#include <windows.h>

namespace bw::win32 {

inline constexpr ULONG_PTR kCommandTag = 0x42774331;  // "BwC1"
inline constexpr ULONG_PTR kAnswerTag = 0x42774131;   // "BwA1"
// The longest command: "/while" and a quoted file name of 255 characters.
inline constexpr DWORD kCommandMaxBytes = 300;
// The result of a command taken: this plus the exit code. An ignored one's is 0.
inline constexpr LRESULT kCommandTaken = 0x100;

}  // namespace bw::win32
