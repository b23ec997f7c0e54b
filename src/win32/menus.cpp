#include "win32/menus.h"

#include "win32/diagnostics.h"
#include "win32/text.h"

namespace bw::win32 {

UniqueMenu CreatePopup(std::span<const MenuItem> items) {
  UniqueMenu menu(Reported("CreatePopupMenu", CreatePopupMenu()));
  for (const MenuItem& item : items) {
    if (!menu) break;
    if (item.command == 0) {
      AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu.Get(), MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.command,
                  Widen(item.caption).c_str());
    }
  }
  return menu;
}

}  // namespace bw::win32
