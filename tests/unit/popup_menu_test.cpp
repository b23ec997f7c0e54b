// The popup menu as it shows when it opens.
#include "tray/popup_menu.h"

#include <gtest/gtest.h>

#include <string>

namespace bw {
namespace {

std::string Shown(MenuState state) {
  std::string text;
  for (const MenuItem& item : PopupMenuView(state)) {
    text += item.caption ? std::string(item.caption) + (item.enabled ? "|" : "(grey)|") : "-|";
  }
  return text;
}

// While a span runs the screen saver cannot be started and the span can be
// ended; under a policy no span can begin. The items keep their commands.
TEST(PopupMenu, ShowsWhatCanBeDoneNow) {
  EXPECT_EQ(Shown({.spanRunning = false, .byPolicy = false}),
            "Start Screen Saver|Configure Screen Saver|Select Screen Saver|-|"
            "Temporarily disable Screen Saver|-|Configure program|Exit|");
  EXPECT_EQ(Shown({.spanRunning = true, .byPolicy = true}),
            "Start Screen Saver(grey)|Configure Screen Saver|Select Screen Saver|-|"
            "Enable Screen Saver|-|Configure program|Exit|");
  EXPECT_EQ(Shown({.spanRunning = false, .byPolicy = true}),
            "Start Screen Saver|Configure Screen Saver|Select Screen Saver|-|"
            "Temporarily disable Screen Saver(grey)|-|Configure program|Exit|");
  const auto items = PopupMenuView({});
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].command, static_cast<int>(kPopupMenu[i].command));
  }
}

}  // namespace
}  // namespace bw
