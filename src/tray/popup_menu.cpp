#include "tray/popup_menu.h"

namespace bw {

std::array<MenuItem, std::size(kPopupMenu)> PopupMenuView(MenuState state) {
  std::array<MenuItem, std::size(kPopupMenu)> items{};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuRow& row = kPopupMenu[i];
    const bool spanCaption = state.spanRunning && row.captionDuringSpan;
    items[i] = {static_cast<int>(row.command), spanCaption ? row.captionDuringSpan : row.caption,
                !row.enabled || row.enabled(state)};
  }
  return items;
}

}  // namespace bw
