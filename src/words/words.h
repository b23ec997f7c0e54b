// What the program calls itself, where it keeps its settings, and the words
// that are the same in every language, each in one place. What it says to the
// user is in texts.h.
#pragma once

#include "version_info.h"

namespace bw {

inline constexpr const char* kProgramName = BLINKWARD_NAME;
// Under HKEY_CURRENT_USER, the key of every value the program stores. A
// macro too, so that each setting's key is one literal.
#define BLINKWARD_REGISTRY_ROOT "Software\\" BLINKWARD_NAME
inline constexpr const char* kRegistryRoot = BLINKWARD_REGISTRY_ROOT;

// The icon's tip until the first poll.
inline constexpr const char* kStartupTip = BLINKWARD_NAME;
// What /status adds after "disabled" while the program holds the screen saver
// off by itself: English in every language, for scripts.
inline constexpr const char* kHeldByFullScreenStatus = " while a program is full screen";

// The settings window's title line: the name, then the version ("Blinkward v1.01").
inline constexpr const char* kTitle = BLINKWARD_NAME " v" BLINKWARD_VERSION_SHORT;

// The keys the program reads and writes, under HKEY_CURRENT_USER; the
// settings window's own values are named in its table.
// Remembers that the balloon was shown: once per user.
inline constexpr const char* kDisplayHintKey = BLINKWARD_REGISTRY_ROOT "\\DisplayHint";
// The programs listed, a REG_MULTI_SZ in the key's default value.
inline constexpr const char* kProgramsKey = BLINKWARD_REGISTRY_ROOT "\\Programs";
// The working hours, a REG_SZ in the key's default value ("1;1111100;09:00;17:00").
inline constexpr const char* kWorkingHoursKey = BLINKWARD_REGISTRY_ROOT "\\Hours";
// The shortcut that switches the screen saver, a REG_SZ in the key's default
// value ("Ctrl+Alt+B"); none when there is no value.
inline constexpr const char* kHotkeyKey = BLINKWARD_REGISTRY_ROOT "\\Hotkey";
// The logons' notes of a span and of a hold; each logon's is a subkey named by it.
inline constexpr const char* kSpanNotesKey = BLINKWARD_REGISTRY_ROOT "\\TimedDisable";
inline constexpr const char* kHoldNotesKey = BLINKWARD_REGISTRY_ROOT "\\Hold";
// Where Windows finds the programs it starts at logon; the program's value is its name.
inline constexpr const char* kRunKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
// The user's screen saver, and an administrator's policy for it.
inline constexpr const char* kDesktopKey = "Control Panel\\Desktop\\";
inline constexpr const char* kDesktopPolicyKey =
    "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";

// What an administrator reads in `powercfg /requests` while the display is
// kept on; the system takes it as UTF-16.
inline constexpr const wchar_t* kPowerRequestReason =
    L"" BLINKWARD_NAME ": the screen saver is disabled";

}  // namespace bw
