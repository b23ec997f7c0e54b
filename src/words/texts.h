// What the program says to the user, by id: the English table, compiled in,
// and the user's table, which the platform hands over once at start. A text
// with placeholders ("%1", "%2") is filled by Fill, so that a language can
// put the words it is given where its grammar wants them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "version_info.h"

namespace bw {

// In the order of every language's table: a text added is added to each.
enum class Text : std::uint16_t {
  None,  // an empty text, the same in every language
  // The icon's tips. While the program holds the screen saver off by itself,
  // the tip gives the reason: a listed program's file name, a window in full
  // screen, or the working hours and when they end.
  EnabledTip,
  DisabledTip,
  EnabledByPolicyTip,
  DisabledByPolicyTip,
  HeldByProgramTip,  // %1 the program's file name
  HeldByFullScreenTip,
  HeldUntilTip,  // %1 the end of the working hours, as the user writes times
  HeldByHoursTip,
  HeldBySoundTip,  // %1 the file name of the program that plays
  CountdownTip,    // %1 the time left
  // The time left and the span the dialog's "Until" makes.
  OneHour,          // %1 the number: 1
  Hours,            // %1 the number
  OneMinute,        // %1 the number: 1
  Minutes,          // %1 the number
  HoursAndMinutes,  // %1 hours, %2 minutes
  MinuteAlone,      // the last minute, without its number
  FewSeconds,
  MinutesShort,  // %1 the number; where the whole tip would not fit
  FromNow,       // %1 the span
  // The menu.
  StartScreenSaver,
  TurnDisplayOff,
  ConfigureScreenSaver,
  SelectScreenSaver,
  TimedDisable,
  EnableScreenSaver,
  ConfigureProgram,
  Exit,
  // The settings window.
  SettingsCaption,
  StartWithWindows,
  MethodLabel,
  MethodItems,  // the list's items, one a line
  DisplayGroup,
  KeepDisplayOn,
  ShortcutGroup,
  HotkeyLabel,
  HoldGroup,
  ProgramsLabel,
  AddProgram,
  RemoveProgram,
  FullScreen,
  WhileSound,
  WorkingHours,
  From,
  To,
  MainsOnly,
  Monday,  // ... Sunday
  Tuesday,
  Wednesday,
  Thursday,
  Friday,
  Saturday,
  Sunday,
  Browse,     // the last line of the menu of running programs
  NotItself,  // %1 the program's name
  HotkeyInUse,
  HotkeyNeedsModifier,
  // The balloon where only the power plan blanks the screen.
  DisplayHintTitle,
  DisplayHintText,  // %1 the caption of KeepDisplayOn
  // The timed-disable dialog.
  TimedCaption,
  TimedPrompt,
  HoursLabel,
  MinutesLabel,
  Cancel,
  Ok,
  StartWhenDone,
  For,
  Until,
  // The command line: what /? prints, why arguments are no command (%1 the
  // word typed), and why the running copy did not do what it was asked.
  Usage,
  NotASwitch,
  TakesNoArgument,
  NotASpan,
  OffTakes,
  DisplayTakes,
  UnknownSwitch,
  WhileTakes,
  NoProcessZero,
  NotProcessNorFile,
  EndsInExe,
  ByPolicyAnswer,
  RefusedAnswer,
  NoSuchProcessAnswer,  // %1 the id
  TimeIsNowAnswer,
  // The same in every language.
  Zero,
  TitleCaption,  // the settings window's title line, which the version follows
};
// The translated texts, from EnabledTip on.
inline constexpr int kTranslatedCount = static_cast<int>(Text::Zero) - 1;
inline constexpr int kTextCount = static_cast<int>(Text::TitleCaption) + 1;

inline constexpr const char* kEnglish[kTextCount] = {
    "",
    "Screen Saver is ENABLED",
    "Screen Saver is DISABLED",
    "Screen Saver is ENABLED by policy",
    "Screen Saver is DISABLED by policy",
    "Screen Saver is DISABLED while %1 runs",
    "Screen Saver is DISABLED while a program is full screen",
    "Screen Saver is DISABLED until %1 (working hours)",
    "Screen Saver is DISABLED (working hours)",
    "Screen Saver is DISABLED while sound plays (%1)",
    "Screen Saver will be DISABLED\nfor the next %1",
    "%1 hour",
    "%1 hours",
    "%1 minute",
    "%1 minutes",
    "%1 and %2",
    "minute",
    "few seconds",
    "%1 min",
    "%1 from now",
    "Start Screen Saver",
    "Turn Display Off",
    "Configure Screen Saver",
    "Select Screen Saver",
    "Temporarily disable Screen Saver",
    "Enable Screen Saver",
    "Configure program",
    "Exit",
    "Settings",
    "Start automatically with Windows",
    "Change Screen Saver state method:",
    "Single click\nDouble click",
    "Display",
    "Keep the display on too",
    "Shortcut",
    "Switch with this key:",
    "Keep the screen saver off",
    "While these programs run:",
    "&Add...",
    "&Remove",
    "While a program is full screen",
    "Hold off while sound plays",
    "During working hours",
    "From",
    "to",
    "Only on mains power",
    "Mon",
    "Tue",
    "Wed",
    "Thu",
    "Fri",
    "Sat",
    "Sun",
    "Browse...",
    "%1 runs all the time: listed, it would keep the screen saver off for good. "
    "Choose the program that should keep it off while it runs.",
    "in use by another program",
    "needs Ctrl, Alt or Win",
    "The display may still turn off",
    "No screen saver is chosen, so what turns the display off is the power plan. "
    "To keep the display on while the screen saver is off, tick \"%1\" "
    "in the settings: click here.",
    "Timed",
    "Screen Saver will be disabled for:",
    "hours",
    "minutes",
    "Cancel",
    "OK",
    "Start SS immediately after the timer expires",
    "For",
    "Until",
    "Blinkward [/on | /off [H:MM | until HH:MM] | /toggle | /while ID|FILE | /display off |\n"
    "           /status | /exit]\n"
    "\n"
    "  /on               switches the screen saver on: ends a timed disable, sets a hold aside\n"
    "  /off              switches it off\n"
    "  /off 1:30         switches it off for 1 hour 30 minutes\n"
    "  /off until 17:30  switches it off until 17:30, tomorrow if that has passed\n"
    "  /toggle           switches it as a click on the icon does\n"
    "  /while 1234       keeps it off while the process with that id runs\n"
    "  /while obs64.exe  keeps it off while a program of that name runs\n"
    "  /display off      turns the display off now; the computer stays awake\n"
    "  /status           prints the state in one line\n"
    "  /exit             ends the running copy\n"
    "\n"
    "Exit codes: 0 done (/status: enabled), 1 disabled (/status), 2 a usage error,\n"
    "3 no copy runs (/status) or none could start, 4 refused by a policy,\n"
    "5 Windows did not switch the screen saver.\n",
    "not a switch: %1",
    "%1 takes no argument",
    "not a span of hours and minutes, 0:01 to 99:99: %1",
    "/off takes a span (1:30) or a time of day (until 17:30)",
    "/display takes one word: off",
    "unknown switch: %1",
    "/while takes a process id or a program's file name",
    "no process has the id 0",
    "not a process id nor a program's file name: %1",
    "a program's file name ends in .exe: %1",
    "a policy sets the screen saver",
    "Windows did not switch the screen saver",
    "no process of this session has the id %1",
    "that time is now",
    "0",
    BLINKWARD_NAME " v",
};

// The languages with a table beside English, as Windows numbers them. A
// user's language takes the table of its primary language (the low ten bits):
// Austrian German the German one, Portugal's Portuguese the Brazilian one.
inline constexpr std::uint16_t kTableLanguages[] = {0x0007, 0x000C, 0x000A, 0x0416,
                                                    0x0019, 0x0011, 0x0804};
// The table's language for the user's; 0 for English.
constexpr std::uint16_t TableLanguage(std::uint16_t user) {
  for (const std::uint16_t language : kTableLanguages) {
    if ((language & 0x3FF) == (user & 0x3FF)) return language;
  }
  return 0;
}

// The user's table, as the platform found it: kTranslatedCount texts in the
// order of Text, from EnabledTip. Until it is set, and for a null table, English.
void UseTexts(const char* const* table);

// A text in the user's language.
const char* Say(Text id);

// A text with each "%N" replaced by the Nth value, appended to `out`.
void FillInto(std::string& out, std::string_view text,
              std::initializer_list<std::string_view> values);
inline std::string Fill(Text id, std::initializer_list<std::string_view> values) {
  std::string out;
  FillInto(out, Say(id), values);
  return out;
}

}  // namespace bw
