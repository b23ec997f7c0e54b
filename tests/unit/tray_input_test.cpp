// The icon's callbacks, in the order and at the times the shell sent them, and
// what each asks for.
#include "tray/tray_input.h"

#include <gtest/gtest.h>

#include "tray/tray_message.h"

namespace bw {
namespace {

// A right click's release is followed by the menu request with the newer
// callbacks, which the keyboard sends alone; Enter or Space is acted on once
// per press, however late a second report of it arrives.
TEST(TrayInput, EachCallbackAsksForWhatTheUserDid) {
  using enum TrayAction;
  const struct {
    int message;
    std::uint32_t sentAt;
    bool keyboardCallbacks;
    TrayAction asked;
  } rows[] = {
      {kLeftButtonDown, 1000, true, ToggleOnSingleClick},
      {kLeftButtonDown + 1, 1010, true, None},
      {kLeftDoubleClick, 1100, true, ToggleOnDoubleClick},
      {kRightButtonUp, 2010, true, None},
      {kContextMenu, 2020, true, PopupFromMouse},
      {kContextMenu, 2030, true, PopupFromKeyboard},
      {kRightButtonUp, 3000, true, None},
      {kContextMenu, 3500, true, PopupFromKeyboard},
      {kRightButtonUp, 4000, false, PopupFromMouse},
      {kKeySelect, 5000, true, ToggleByKeyboard},
      {kKeySelect, 5050, true, None},
      {kKeySelect, 5549, true, None},
      {kKeySelect, 6049, true, ToggleByKeyboard},
      {kKeySelect, 0xFFFFFF00, true, ToggleByKeyboard},
      {kKeySelect, 0x50, true, None},
      {kBalloonShow, 7000, true, BalloonShown},
      {kBalloonClick, 7010, true, BalloonClicked},
      {0, 7020, true, None},
  };
  TrayInput input;
  for (const auto& row : rows) {
    TrayAction asked = input.Take(row.message, row.sentAt, row.keyboardCallbacks);
    if (asked == ToggleByKeyboard && !input.NewPress(row.sentAt)) asked = None;
    EXPECT_EQ(asked, row.asked) << row.message << " sent at " << row.sentAt;
  }
}

}  // namespace
}  // namespace bw
