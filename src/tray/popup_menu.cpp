#include "tray/popup_menu.h"

namespace bw {
namespace {

constexpr int Id(MenuCommand command) { return static_cast<int>(command); }

constexpr MenuItem kSeparator{0, nullptr, true};

}  // namespace

std::array<MenuItem, kPopupMenuSize> PopupMenuView(bool timedDisableRunning, bool byPolicy) {
  return {{
      {Id(MenuCommand::StartScreenSaver), "Start Screen Saver", !timedDisableRunning},
      {Id(MenuCommand::ConfigureScreenSaver), "Configure Screen Saver", true},
      {Id(MenuCommand::SelectScreenSaver), "Select Screen Saver", true},
      kSeparator,
      {Id(MenuCommand::TimedDisable),
       timedDisableRunning ? "Enable Screen Saver" : "Temporarily disable Screen Saver",
       timedDisableRunning || !byPolicy},
      kSeparator,
      {Id(MenuCommand::Settings), "Configure program", true},
      {Id(MenuCommand::Exit), "Exit", true},
  }};
}

}  // namespace bw
