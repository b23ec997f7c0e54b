// The settings window: its controls, and the settings they show and store.
// A new setting is a control row and a setting row here, and its effect in
// App.
#pragma once

#include "ports/layout.h"
#include "words/texts.h"
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
  kIdHoldGroup = 127,
  kIdDisplayGroup = 128,
  kIdShortcutGroup = 129,
  kIdWhileSound = 130,
};

// The window as it first was: the title, the check box, the method's label and
// its list, where they always stood. The check box takes the focus first.
inline constexpr std::array<ControlLayout, 4> kFirstControls{{
    {.kind = ControlKind::CheckBox,
     .id = kIdStartWithWindows,
     .text = Text::StartWithWindows,
     .twips = {120, 660, 2775, 255}},
    {.kind = ControlKind::Label,
     .id = kIdTitle,
     .text = Text::TitleCaption,
     .twips = {120, 120, 2775, 495},
     .bold = true},
    {.kind = ControlKind::Label,
     .id = kIdMethodLabel,
     .text = Text::MethodLabel,
     .twips = {120, 1080, 2775, 255}},
    {.kind = ControlKind::DropDownList,
     .id = kIdMethod,
     .text = Text::MethodItems,
     .twips = {1560, 1320, 1335, 315}},
}};

// Below them, in their column: the display and the shortcut, whose reason for
// not being taken shows under the field.
inline constexpr ControlLayout kLeftRows[] = {
    {.kind = ControlKind::Group,
     .id = kIdDisplayGroup,
     .text = Text::DisplayGroup,
     .twips = {120, 0, 2775, 0}},
    {.kind = ControlKind::CheckBox,
     .id = kIdKeepDisplayOn,
     .text = Text::KeepDisplayOn,
     .twips = {240, 0, 2535, 255}},
    {.kind = ControlKind::Group,
     .id = kIdShortcutGroup,
     .text = Text::ShortcutGroup,
     .twips = {120, 0, 2775, 0}},
    {.kind = ControlKind::Label,
     .id = kIdHotkeyLabel,
     .text = Text::HotkeyLabel,
     .twips = {240, 0, 2535, 255}},
    {.kind = ControlKind::Hotkey, .id = kIdHotkey, .twips = {240, 0, 2535, 315}},
    {.kind = ControlKind::Label, .id = kIdHotkeyStatus, .twips = {240, 0, 2535, 255}},
};

// Beside them: what keeps the screen saver off by itself. The list shows four
// programs and scrolls; the days are one row, from the first day of the user's
// week, whose names the program gives.
inline constexpr ControlLayout kRightRows[] = {
    {.kind = ControlKind::Group,
     .id = kIdHoldGroup,
     .text = Text::HoldGroup,
     .twips = {3015, 0, 5730, 0}},
    {.kind = ControlKind::Label,
     .id = kIdProgramsLabel,
     .text = Text::ProgramsLabel,
     .twips = {3135, 0, 5490, 255}},
    {.kind = ControlKind::ListBox, .id = kIdPrograms, .twips = {3135, 0, 5490, 900}},
    {.kind = ControlKind::Button,
     .id = kIdAddProgram,
     .text = Text::AddProgram,
     .twips = {3135, 0, 1335, 345}},
    {.kind = ControlKind::Button,
     .id = kIdRemoveProgram,
     .text = Text::RemoveProgram,
     .twips = {4560, 0, 1335, 345}},
    {.kind = ControlKind::CheckBox,
     .id = kIdFullScreen,
     .text = Text::FullScreen,
     .twips = {3135, 0, 5490, 255}},
    {.kind = ControlKind::CheckBox,
     .id = kIdWhileSound,
     .text = Text::WhileSound,
     .twips = {3135, 0, 5490, 255}},
    {.kind = ControlKind::CheckBox,
     .id = kIdWorkingHours,
     .text = Text::WorkingHours,
     .twips = {3135, 0, 5490, 255}},
    {.kind = ControlKind::CheckBox, .id = kIdFirstDay, .twips = {3375, 0, 750, 255}},
    {.kind = ControlKind::CheckBox, .id = kIdFirstDay + 1, .twips = {4125, 0, 750, 255}},
    {.kind = ControlKind::CheckBox, .id = kIdFirstDay + 2, .twips = {4875, 0, 750, 255}},
    {.kind = ControlKind::CheckBox, .id = kIdFirstDay + 3, .twips = {5625, 0, 750, 255}},
    {.kind = ControlKind::CheckBox, .id = kIdFirstDay + 4, .twips = {6375, 0, 750, 255}},
    {.kind = ControlKind::CheckBox, .id = kIdFirstDay + 5, .twips = {7125, 0, 750, 255}},
    {.kind = ControlKind::CheckBox, .id = kIdFirstDay + 6, .twips = {7875, 0, 750, 255}},
    {.kind = ControlKind::Label,
     .id = kIdFromLabel,
     .text = Text::From,
     .twips = {3375, 0, 540, 255}},
    {.kind = ControlKind::TimePicker, .id = kIdFrom, .twips = {3915, 0, 1425, 315}},
    {.kind = ControlKind::Label, .id = kIdToLabel, .text = Text::To, .twips = {5460, 0, 300, 255}},
    {.kind = ControlKind::TimePicker, .id = kIdTo, .twips = {5760, 0, 1425, 315}},
    {.kind = ControlKind::CheckBox,
     .id = kIdMainsOnly,
     .text = Text::MainsOnly,
     .twips = {3135, 0, 5490, 255}},
};

// In Tab order: the first controls, then the left column down, then the right.
inline constexpr auto kSettingsControls =
    InTabOrder(kFirstControls, Stack(BottomOf(kFirstControls) + kRowGapTwips, kLeftRows),
               Stack(kMarginTwips, kRightRows));

inline constexpr WindowLayout kSettingsLayout{
    .caption = Text::SettingsCaption,
    .clientWidth = RightOf(kSettingsControls) + kMarginTwips,
    .clientHeight = BottomOf(kSettingsControls) + kMarginTwips,
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
    {kIdWhileSound, BLINKWARD_REGISTRY_ROOT "\\WhileSound", SettingKind::Flag, 0},
    {kIdMainsOnly, BLINKWARD_REGISTRY_ROOT "\\MainsOnly", SettingKind::Flag, 0},
};

}  // namespace bw
