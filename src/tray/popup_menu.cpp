#include "tray/popup_menu.h"

namespace bw {

std::array<MenuItem, std::size(kPopupMenu)> PopupMenuView(MenuState state) {
  std::array<MenuItem, std::size(kPopupMenu)> items{};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuRow& row = kPopupMenu[i];
    const bool spanCaption = state.spanRunning && row.captionDuringSpan != Text::None;
    const Text caption = spanCaption ? row.captionDuringSpan : row.caption;
    items[i] = {static_cast<int>(row.command), caption == Text::None ? nullptr : Say(caption),
                !row.enabled || row.enabled(state)};
  }
  return items;
}

}  // namespace bw
