#include "tray/popup_menu.h"

namespace bw {
namespace {

constexpr int Id(MenuCommand command) { return static_cast<int>(command); }

constexpr MenuItemSpec kItems[] = {
    {Id(MenuCommand::StartScreenSaver), kStartScreenSaverCaption},
    {Id(MenuCommand::ConfigureScreenSaver), "Configure Screen Saver"},
    {Id(MenuCommand::SelectScreenSaver), "Select Screen Saver"},
    {0, nullptr},
    {Id(MenuCommand::TimedDisable), kTimedDisableCaption},
    {0, nullptr},
    {Id(MenuCommand::Settings), "Configure program"},
    {Id(MenuCommand::Exit), "Exit"},
};

}  // namespace

std::span<const MenuItemSpec> PopupMenuItems() { return kItems; }

}  // namespace bw
