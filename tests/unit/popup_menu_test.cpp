// The popup menu as it shows when it opens.
#include "tray/popup_menu.h"

#include <gtest/gtest.h>

#include <string>

namespace bw {
namespace {

// Each item's caption and the command it reports, "(grey)" when it cannot
// be chosen; a separator as "-".
std::string Shown(MenuState state) {
  std::string text;
  for (const MenuItem& item : PopupMenuView(state)) {
    text += item.caption ? item.caption + ("=" + std::to_string(item.command)) : "-";
    text += item.enabled || !item.caption ? "|" : "(grey)|";
  }
  return text;
}

// While a span runs the screen saver cannot be started and the span can be
// ended; under a policy no span can begin. The items keep their commands.
TEST(PopupMenu, ShowsWhatCanBeDoneNow) {
  EXPECT_EQ(
      Shown({.spanRunning = false, .byPolicy = false}),
      "Start Screen Saver=1|Turn Display Off=9|Configure Screen Saver=2|Select Screen Saver=3|-|"
      "Temporarily disable Screen Saver=5|-|Configure program=7|Exit=8|");
  EXPECT_EQ(Shown({.spanRunning = true, .byPolicy = true}),
            "Start Screen Saver=1(grey)|Turn Display Off=9|Configure Screen Saver=2|Select Screen "
            "Saver=3|-|"
            "Enable Screen Saver=5|-|Configure program=7|Exit=8|");
  EXPECT_EQ(
      Shown({.spanRunning = false, .byPolicy = true}),
      "Start Screen Saver=1|Turn Display Off=9|Configure Screen Saver=2|Select Screen Saver=3|-|"
      "Temporarily disable Screen Saver=5(grey)|-|Configure program=7|Exit=8|");
}

}  // namespace
}  // namespace bw
