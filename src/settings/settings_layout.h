// The settings window: its controls, and the settings they show and store.
// A new setting is a control row and a setting row here, and its effect in
// App.
#pragma once

#include "ports/layout.h"
#include "words/words.h"

namespace bw {

// Control ids of the settings window.
enum SettingsControlId : int {
  kIdTitle = 101,
  kIdStartWithWindows = 102,
  kIdMethodLabel = 103,
  kIdMethod = 104,
  kIdKeepDisplayOn = 105,
  kIdFullScreen = 106,
  kIdProgramsLabel = 107,
  kIdPrograms = 108,
  kIdAddProgram = 109,
  kIdRemoveProgram = 110,
  kIdMainsOnly = 111,
  kIdWorkingHours = 112,
  // The days of the working hours, by place: the first is the first day of
  // the user's week.
  kIdFirstDay = 113,  // ... kIdFirstDay + 6
  kIdFromLabel = 120,
  kIdFrom = 121,
  kIdToLabel = 122,
  kIdTo = 123,
  kIdHotkeyLabel = 124,
  kIdHotkey = 125,
  kIdHotkeyStatus = 126,  // why the shortcut shown is not taken
};

// In Tab order: the first check box takes the focus first, the method's list
// second, then the check boxes below it, the list of programs and its buttons,
// then the working hours: their check box, the days, the times, the power source,
// and last the shortcut, on two rows of the window's width: the list shows four
// programs and scrolls, which leaves the window within a 768-pixel screen at
// 150 %.
inline constexpr ControlLayout kSettingsControls[] = {
    {.kind = ControlKind::CheckBox,
     .id = kIdStartWithWindows,
     .text = "Start automatically with Windows",
     .twips = {120, 660, 2775, 255},
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .id = kIdTitle,
     .text = kTitleCaption,
     .twips = {120, 120, 2775, 495},
     .tabIndex = 2,
     .bold = true},
    {.kind = ControlKind::Label,
     .id = kIdMethodLabel,
     .text = "Change Screen Saver state method:",
     .twips = {120, 1080, 2775, 255},
     .tabIndex = 3},
    {.kind = ControlKind::DropDownList,
     .id = kIdMethod,
     .text = "Single click\nDouble click",
     .twips = {1560, 1320, 1335, 315},
     .tabIndex = 4},
    {.kind = ControlKind::CheckBox,
     .id = kIdKeepDisplayOn,
     .text = "Keep the display on too",
     .twips = {120, 1800, 2775, 255},
     .tabIndex = 5},
    {.kind = ControlKind::CheckBox,
     .id = kIdFullScreen,
     .text = "Hold off in full screen",
     .twips = {120, 2160, 2775, 255},
     .tabIndex = 6},
    {.kind = ControlKind::Label,
     .id = kIdProgramsLabel,
     .text = "Keep the screen saver off while these programs run:",
     .twips = {120, 2520, 2775, 390},
     .tabIndex = 7},
    {.kind = ControlKind::ListBox,
     .id = kIdPrograms,
     .text = "",
     .twips = {120, 2940, 2775, 900},
     .tabIndex = 8},
    {.kind = ControlKind::Button,
     .id = kIdAddProgram,
     .text = "&Add...",
     .twips = {120, 3930, 1335, 345},
     .tabIndex = 9},
    {.kind = ControlKind::Button,
     .id = kIdRemoveProgram,
     .text = "&Remove",
     .twips = {1560, 3930, 1335, 345},
     .tabIndex = 10},
    // Two lines high: the caption wraps.
    {.kind = ControlKind::CheckBox,
     .id = kIdWorkingHours,
     .text = "Keep the screen saver off during working hours",
     .twips = {120, 4395, 2775, 480},
     .tabIndex = 11},
    // The days in two rows, from the first day of the user's week, whose
    // names the program gives.
    {.kind = ControlKind::CheckBox,
     .id = kIdFirstDay,
     .text = "",
     .twips = {120, 4935, 705, 255},
     .tabIndex = 12},
    {.kind = ControlKind::CheckBox,
     .id = kIdFirstDay + 1,
     .text = "",
     .twips = {825, 4935, 705, 255},
     .tabIndex = 13},
    {.kind = ControlKind::CheckBox,
     .id = kIdFirstDay + 2,
     .text = "",
     .twips = {1530, 4935, 705, 255},
     .tabIndex = 14},
    {.kind = ControlKind::CheckBox,
     .id = kIdFirstDay + 3,
     .text = "",
     .twips = {2235, 4935, 705, 255},
     .tabIndex = 15},
    {.kind = ControlKind::CheckBox,
     .id = kIdFirstDay + 4,
     .text = "",
     .twips = {120, 5235, 705, 255},
     .tabIndex = 16},
    {.kind = ControlKind::CheckBox,
     .id = kIdFirstDay + 5,
     .text = "",
     .twips = {825, 5235, 705, 255},
     .tabIndex = 17},
    {.kind = ControlKind::CheckBox,
     .id = kIdFirstDay + 6,
     .text = "",
     .twips = {1530, 5235, 705, 255},
     .tabIndex = 18},
    {.kind = ControlKind::Label,
     .id = kIdFromLabel,
     .text = "From",
     .twips = {120, 5595, 540, 255},
     .tabIndex = 19},
    {.kind = ControlKind::TimePicker,
     .id = kIdFrom,
     .text = "",
     .twips = {660, 5550, 1425, 315},
     .tabIndex = 20},
    {.kind = ControlKind::Label,
     .id = kIdToLabel,
     .text = "to",
     .twips = {120, 6000, 540, 255},
     .tabIndex = 21},
    {.kind = ControlKind::TimePicker,
     .id = kIdTo,
     .text = "",
     .twips = {660, 5955, 1425, 315},
     .tabIndex = 22},
    {.kind = ControlKind::CheckBox,
     .id = kIdMainsOnly,
     .text = "Only on mains power",
     .twips = {120, 6390, 2775, 255},
     .tabIndex = 23},
    {.kind = ControlKind::Label,
     .id = kIdHotkeyLabel,
     .text = "Switch with this key:",
     .twips = {120, 6720, 2775, 255},
     .tabIndex = 24},
    {.kind = ControlKind::Hotkey,
     .id = kIdHotkey,
     .text = "",
     .twips = {120, 6990, 1335, 315},
     .tabIndex = 25},
    // Beside the field, two lines high: the reason wraps.
    {.kind = ControlKind::Label,
     .id = kIdHotkeyStatus,
     .text = "",
     .twips = {1560, 6990, 1335, 390},
     .tabIndex = 26},
};

inline constexpr WindowLayout kSettingsLayout{.caption = kSettingsCaption,
                                              .clientWidth = 3060,
                                              .clientHeight = 7470,
                                              .controls = kSettingsControls};

// How a setting is stored.
enum class SettingKind {
  RunEntry,  // a check box: the per-user Run value named after the program, there or not
  Flag,      // a check box: "1" or "0" in the default value of its key
  Choice,    // a list: the selected item's index as text, -1 for none
};

// A setting: the control that shows it, its key (none for the Run entry), how
// it is stored, and its value until one is stored.
struct SettingRow {
  int control;
  const char* key;
  SettingKind kind;
  int byDefault;
};

inline constexpr SettingRow kSettingRows[] = {
    {kIdStartWithWindows, nullptr, SettingKind::RunEntry, 0},
    {kIdMethod, BLINKWARD_REGISTRY_ROOT "\\Method", SettingKind::Choice, 0},
    {kIdKeepDisplayOn, BLINKWARD_REGISTRY_ROOT "\\KeepDisplayOn", SettingKind::Flag, 0},
    {kIdFullScreen, BLINKWARD_REGISTRY_ROOT "\\FullScreen", SettingKind::Flag, 0},
    {kIdMainsOnly, BLINKWARD_REGISTRY_ROOT "\\MainsOnly", SettingKind::Flag, 0},
};

}  // namespace bw
