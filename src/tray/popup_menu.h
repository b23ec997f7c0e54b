// The popup menu that opens at the tray icon: its items as a table, and the
// menu as the program shows it at the moment it opens.
#pragma once

#include <array>
#include <iterator>

#include "ports/menu.h"
#include "words/texts.h"

namespace bw {

// The items' commands, as the menu reports them. Fixed numbers, not
// positions: an item can move without renumbering the others.
enum class MenuCommand : int {
  None = 0,  // a separator line
  StartScreenSaver = 1,
  TurnDisplayOff = 9,
  ConfigureScreenSaver = 2,
  SelectScreenSaver = 3,
  TimedDisable = 5,
  Settings = 7,
  Exit = 8,
};

// What the items depend on when the menu opens.
struct MenuState {
  bool spanRunning;  // a timed disable runs
  bool byPolicy;     // a policy sets the screen saver
};

// An item: its command, its caption, the caption it shows while a span runs
// (None: the same), and when it can be chosen (null: always).
struct MenuRow {
  MenuCommand command;
  Text caption;
  Text captionDuringSpan;
  bool (*enabled)(MenuState);
};

// Top to bottom. While a timed disable runs, the screen saver cannot be
// started and the timed-disable item ends it instead; while a policy sets
// the screen saver, no timed disable can begin.
constexpr MenuRow kPopupMenu[] = {
    {MenuCommand::StartScreenSaver, Text::StartScreenSaver, Text::None,
     [](MenuState state) { return !state.spanRunning; }},
    {MenuCommand::TurnDisplayOff, Text::TurnDisplayOff, Text::None, nullptr},
    {MenuCommand::ConfigureScreenSaver, Text::ConfigureScreenSaver, Text::None, nullptr},
    {MenuCommand::SelectScreenSaver, Text::SelectScreenSaver, Text::None, nullptr},
    {MenuCommand::None, Text::None, Text::None, nullptr},
    {MenuCommand::TimedDisable, Text::TimedDisable, Text::EnableScreenSaver,
     [](MenuState state) { return state.spanRunning || !state.byPolicy; }},
    {MenuCommand::None, Text::None, Text::None, nullptr},
    {MenuCommand::Settings, Text::ConfigureProgram, Text::None, nullptr},
    {MenuCommand::Exit, Text::Exit, Text::None, nullptr},
};

std::array<MenuItem, std::size(kPopupMenu)> PopupMenuView(MenuState state);

}  // namespace bw
