// The icon's callbacks, in the order and at the times the shell sent them, and
// what each asks for.
#include "tray/tray_input.h"

#include <gtest/gtest.h>

#include "tray/tray_message.h"

namespace bw {
namespace {

// A click toggles only with the method chosen, Enter or Space with any but
// none, once per press however late a second report of it arrives. A right
// click's release is followed by the menu request with the newer callbacks,
// which the keyboard sends alone.
TEST(TrayInput, EachCallbackAsksForWhatTheUserDid) {
  using enum TrayAction;
  constexpr ClickMethod S = ClickMethod::SingleClick, D = ClickMethod::DoubleClick,
                        N = ClickMethod::None;
  const struct {
    int message;
    std::uint32_t sentAt;
    bool keyboardCallbacks;
    ClickMethod method;
    TrayAction asked;
  } rows[] = {
      {kLeftButtonDown, 1000, true, S, Toggle},
      {kLeftButtonDown, 1001, true, D, None},
      {kLeftButtonDown, 1002, true, N, None},
      {kLeftButtonDown + 1, 1010, true, S, None},
      {kLeftDoubleClick, 1100, true, D, Toggle},
      {kLeftDoubleClick, 1101, true, S, None},
      {kLeftDoubleClick, 1102, true, N, None},
      {kRightButtonUp, 2010, true, S, None},
      {kContextMenu, 2020, true, S, PopupFromMouse},
      {kContextMenu, 2030, true, S, PopupFromKeyboard},
      {kRightButtonUp, 3000, true, S, None},
      {kContextMenu, 3500, true, S, PopupFromKeyboard},
      {kRightButtonUp, 4000, false, S, PopupFromMouse},
      {kKeySelect, 5000, true, S, Toggle},
      {kKeySelect, 5050, true, S, None},
      {kKeySelect, 5549, true, S, None},
      {kKeySelect, 6049, true, D, Toggle},
      {kKeySelect, 0xFFFFFF00, true, S, Toggle},
      {kKeySelect, 0x50, true, S, None},
      {kKeySelect, 8000, true, N, None},
      {kBalloonShow, 9000, true, S, BalloonShown},
      {kBalloonClick, 9010, true, S, BalloonClicked},
      {0, 9020, true, S, None},
  };
  TrayInput input;
  for (const auto& row : rows) {
    EXPECT_EQ(input.Take(row.message, row.sentAt, row.keyboardCallbacks, row.method), row.asked)
        << row.message << " sent at " << row.sentAt;
  }
}

}  // namespace
}  // namespace bw
