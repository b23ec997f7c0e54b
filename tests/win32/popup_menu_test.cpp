// The tray's popup menu as built, and the two changes a timed disable makes.
#include <gtest/gtest.h>

#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

struct MenuEntry {
  UINT type;
  UINT state;
  UINT id;
  std::string caption;
  bool submenu;
};

MenuEntry EntryAt(HMENU menu, int position) {
  char caption[64] = "";
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  info.dwTypeData = caption;
  info.cch = sizeof caption;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return {info.fType, info.fState, info.wID, caption, info.hSubMenu != nullptr};
}

TEST(PopupMenu, HasEightEnabledPlainItemsWithSeparatorsAtFourAndSix) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HMENU menu = window.form.OptionsMenu();
  ASSERT_NE(menu, nullptr);
  struct Expected {
    UINT id;
    const char* caption;  // null: a separator line
  };
  const Expected expected[] = {
      {1, "Start Screen Saver"},
      {2, "Configure Screen Saver"},
      {3, "Select Screen Saver"},
      {0, nullptr},
      {5, "Temporarily disable Screen Saver"},
      {0, nullptr},
      {7, "Configure program"},
      {8, "Exit"},
  };
  ASSERT_EQ(GetMenuItemCount(menu), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i + 1);
    const MenuEntry entry = EntryAt(menu, i);
    EXPECT_FALSE(entry.submenu);
    if (!expected[i].caption) {
      // Wine reports separators as greyed; they cannot be chosen either way.
      EXPECT_TRUE(entry.type & MFT_SEPARATOR);
      continue;
    }
    EXPECT_EQ(entry.state & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT), 0u);
    EXPECT_EQ(entry.type, static_cast<UINT>(MFT_STRING));
    EXPECT_EQ(entry.id, expected[i].id);
    EXPECT_EQ(entry.caption, expected[i].caption);
  }
  // The settings window never shows a menu bar.
  EXPECT_EQ(GetMenu(window.form.hwnd()), nullptr);
}

TEST(PopupMenu, TimedDisableChangesAreUndoneAndIndependent) {
  SettingsWindow window;
  ASSERT_TRUE(window.created);
  const HMENU menu = window.form.OptionsMenu();
  window.form.SetMenuItemEnabled(MenuItem::StartSS, false);
  window.form.SetMenuItemCaption(MenuItem::TimedDisable, "Enable Screen Saver");
  EXPECT_TRUE(EntryAt(menu, 0).state & MFS_GRAYED);
  EXPECT_EQ(EntryAt(menu, 4).caption, "Enable Screen Saver");
  EXPECT_EQ(EntryAt(menu, 4).id, 5u);

  // A caption change keeps the item's state, whatever it is.
  window.form.SetMenuItemCaption(MenuItem::StartSS, "Start Screen Saver");
  EXPECT_TRUE(EntryAt(menu, 0).state & MFS_GRAYED);

  window.form.SetMenuItemEnabled(MenuItem::StartSS, true);
  window.form.SetMenuItemCaption(MenuItem::TimedDisable, "Temporarily disable Screen Saver");
  EXPECT_EQ(EntryAt(menu, 0).state & MFS_GRAYED, 0u);
  EXPECT_EQ(EntryAt(menu, 4).caption, "Temporarily disable Screen Saver");
  EXPECT_EQ(GetMenuItemCount(menu), 8);
}

}  // namespace
}  // namespace bw::win32::test
