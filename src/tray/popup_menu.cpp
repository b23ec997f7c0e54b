#include "tray/popup_menu.h"

#include "platform/forms.h"

namespace bw {
namespace {

constexpr MenuItemSpec kItems[] = {
    {static_cast<int>(MenuItem::StartSS), "mnuStartSS", "Start Screen Saver"},
    {static_cast<int>(MenuItem::ConfigureSS), "mnuConfigureSS", "Configure Screen Saver"},
    {static_cast<int>(MenuItem::SelectSS), "mnuSelectSS", "Select Screen Saver"},
    {0, "mnuSeparator1", "-"},
    {static_cast<int>(MenuItem::TimedDisable), "mnuTimedDisable", kTimedDisableCaption},
    {0, "mnuSeparator2", "-"},
    {static_cast<int>(MenuItem::Configure), "mnuConfigure", "Configure program"},
    {static_cast<int>(MenuItem::Exit), "mnuExit", "Exit"},
};

}  // namespace

std::span<const MenuItemSpec> OptionsMenu() { return kItems; }

}  // namespace bw
