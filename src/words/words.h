// What the program calls itself, where it keeps its settings, and what it
// says to the user, each in one place. Captions of controls and menu items
// live in the tables of their window and menu.
#pragma once

#include "version_info.h"

namespace bw {

inline constexpr const char* kProgramName = BLINKWARD_NAME;
// Under HKEY_CURRENT_USER, the key of every value the program stores. A
// macro too, so that each setting's key is one literal.
#define BLINKWARD_REGISTRY_ROOT "Software\\" BLINKWARD_NAME
inline constexpr const char* kRegistryRoot = BLINKWARD_REGISTRY_ROOT;

// The icon's tips.
inline constexpr const char* kStartupTip = BLINKWARD_NAME;  // until the first poll
inline constexpr const char* kEnabledTip = "Screen Saver is ENABLED";
inline constexpr const char* kDisabledTip = "Screen Saver is DISABLED";
inline constexpr const char* kEnabledByPolicyTip = "Screen Saver is ENABLED by policy";
inline constexpr const char* kDisabledByPolicyTip = "Screen Saver is DISABLED by policy";
// While the program holds the screen saver off by itself, the tip gives the
// reason: a listed program's file name, or a window in full screen.
inline constexpr const char* kHeldTipLead = "Screen Saver is DISABLED while ";
// /status says "disabled" and then these tips' own words from " while ",
// which follows the disabled tip's words.
inline constexpr int kHeldStatusFrom = 24;
static_assert(__builtin_strlen(kDisabledTip) == kHeldStatusFrom &&
              kHeldTipLead[kHeldStatusFrom] == ' ' && kHeldTipLead[kHeldStatusFrom + 1] == 'w');
inline constexpr const char* kHeldByProgramTail = " runs";
inline constexpr const char* kHeldByFullScreenTip =
    "Screen Saver is DISABLED while a program is full screen";
// During working hours: the end of the spell ("until 17:30"), or none when
// the hours never end.
inline constexpr const char* kHeldUntilLead = "Screen Saver is DISABLED until ";
inline constexpr const char* kHeldByHoursTail = " (working hours)";
inline constexpr const char* kHeldByHoursTip = "Screen Saver is DISABLED (working hours)";
// While sound plays: the program that plays it follows, in brackets.
inline constexpr const char* kHeldBySoundLead = "Screen Saver is DISABLED while sound plays (";
// A timed disable's tip begins so; the time left follows.
inline constexpr const char* kCountdownTipLead = "Screen Saver will be DISABLED\nfor the next ";

// After the span until the time of day the dialog's "Until" holds.
inline constexpr const char* kFromNowTail = " from now";

// The windows' captions, and the settings window's title line: the name,
// then the version ("Blinkward v1.01"), which the window's table leaves out.
inline constexpr const char* kSettingsCaption = "Settings";
inline constexpr const char* kTimedDialogCaption = "Timed";
inline constexpr const char* kTitleCaption = BLINKWARD_NAME " v";
inline constexpr const char* kTitle = BLINKWARD_NAME " v" BLINKWARD_VERSION_SHORT;

// The balloon shown the first time the program switches the screen saver off
// where only the power plan blanks the screen.
inline constexpr const char* kDisplayHintTitle = "The display may still turn off";
inline constexpr const char* kDisplayHintText =
    "No screen saver is chosen, so what turns the display off is the power plan. "
    "To keep the display on while the screen saver is off, tick \"Keep the display on too\" "
    "in the settings: click here.";

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

// The working hours' days, Monday first.
inline constexpr const char* kDayCaptions[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// The last line of the menu of running programs, for any other program.
inline constexpr const char* kBrowseCaption = "Browse...";
// Browsed to the program itself, which is never a reason of its own.
inline constexpr const char* kNotItselfText = BLINKWARD_NAME
    " runs all the time: listed, it would keep the screen saver off for good. "
    "Choose the program that should keep it off while it runs.";

// Under the shortcut's field, why the shortcut shown is not taken.
inline constexpr const char* kHotkeyInUseText = "in use by another program";
inline constexpr const char* kHotkeyNeedsModifierText = "needs Ctrl, Alt or Win";

// What an administrator reads in `powercfg /requests` while the display is
// kept on; the system takes it as UTF-16.
inline constexpr const wchar_t* kPowerRequestReason =
    L"" BLINKWARD_NAME ": the screen saver is disabled";

}  // namespace bw
