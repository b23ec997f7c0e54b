// The popup menu that opens at the tray icon: its items as a table, and the
// menu as the program shows it at the moment it opens.
#pragma once

#include <array>
#include <iterator>

#include "ports/menu.h"

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
// (null: the same), and when it can be chosen (null: always).
struct MenuRow {
  MenuCommand command;
  const char* caption;
  const char* captionDuringSpan;
  bool (*enabled)(MenuState);
};

// Top to bottom. While a timed disable runs, the screen saver cannot be
// started and the timed-disable item ends it instead; while a policy sets
// the screen saver, no timed disable can begin.
constexpr MenuRow kPopupMenu[] = {
    {MenuCommand::StartScreenSaver, "Start Screen Saver", nullptr,
     [](MenuState state) { return !state.spanRunning; }},
    {MenuCommand::TurnDisplayOff, "Turn Display Off", nullptr, nullptr},
    {MenuCommand::ConfigureScreenSaver, "Configure Screen Saver", nullptr, nullptr},
    {MenuCommand::SelectScreenSaver, "Select Screen Saver", nullptr, nullptr},
    {MenuCommand::None, nullptr, nullptr, nullptr},
    {MenuCommand::TimedDisable, "Temporarily disable Screen Saver", "Enable Screen Saver",
     [](MenuState state) { return state.spanRunning || !state.byPolicy; }},
    {MenuCommand::None, nullptr, nullptr, nullptr},
    {MenuCommand::Settings, "Configure program", nullptr, nullptr},
    {MenuCommand::Exit, "Exit", nullptr, nullptr},
};

std::array<MenuItem, std::size(kPopupMenu)> PopupMenuView(MenuState state);

}  // namespace bw
