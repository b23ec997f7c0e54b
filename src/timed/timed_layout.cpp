#include "timed/timed_layout.h"

#include <array>

#include "app/res/resource_ids.h"

namespace bw {
namespace {

static_assert(IDI_CLOCK_COUNT == kClockFrameCount, "one icon per stopwatch frame");

// Tahoma 8.25 pt with the Greek character set, as the main form.
constexpr FontSpec kFont{"Tahoma", 825, 400, 161};

// The visible controls in Tab order; each up-down follows the text box it is
// attached to. The number fields take two digits, flush right.
constexpr ControlSpec kVisible[] = {
    {.kind = ControlKind::Image,
     .id = kIdAnimClock,
     .name = "imgAnimClock",
     .text = "",
     .twips = {195, 60, 480, 480},
     .tabIndex = -1},
    {.kind = ControlKind::Label,
     .id = kIdPrompt,
     .name = "lblPrompt",
     .text = "Screen Saver will be disabled for:",
     .twips = {840, 120, 2175, 495},
     .tabIndex = 0},
    {.kind = ControlKind::TextBox,
     .id = kIdHours,
     .name = "txtHours",
     .text = "0",
     .twips = {240, 600, 360, 285},
     .tabIndex = 1,
     .maxLength = 2,
     .alignRight = true},
    {.kind = ControlKind::UpDown,
     .id = kIdHoursUpDown,
     .name = "updnHours",
     .text = "",
     .twips = {600, 600, 255, 285},
     .tabIndex = 2,
     .lower = 0,
     .upper = 15},
    {.kind = ControlKind::Label,
     .id = kIdHoursLabel,
     .name = "lblHours",
     .text = "hours",
     .twips = {930, 645, 615, 255},
     .tabIndex = 3},
    {.kind = ControlKind::TextBox,
     .id = kIdMinutes,
     .name = "txtMinutes",
     .text = "0",
     .twips = {1560, 600, 360, 285},
     .tabIndex = 4,
     .maxLength = 2,
     .alignRight = true},
    {.kind = ControlKind::UpDown,
     .id = kIdMinutesUpDown,
     .name = "updnMinutes",
     .text = "",
     .twips = {1920, 600, 255, 285},
     .tabIndex = 5,
     .lower = 0,
     .upper = 59,
     .wrap = true},
    {.kind = ControlKind::Label,
     .id = kIdMinutesLabel,
     .name = "lblMinutes",
     .text = "minutes",
     .twips = {2250, 645, 735, 255},
     .tabIndex = 6},
    {.kind = ControlKind::Button,
     .id = kIdCancel,
     .name = "cmdCancel",
     .text = "Cancel",
     .twips = {240, 1500, 975, 375},
     .tabIndex = 7},
    {.kind = ControlKind::Button,
     .id = kIdOK,
     .name = "cmdOK",
     .text = "OK",
     .twips = {1920, 1500, 975, 375},
     .tabIndex = 8},
    // Last in the Tab order although it sits above the buttons.
    {.kind = ControlKind::CheckBox,
     .id = kIdStartOnExpire,
     .name = "chkStartOnExpire",
     .text = "Start SS immediately after the timer expires",
     .twips = {360, 960, 2535, 375},
     .tabIndex = 9},
};

constexpr const char* kClockNames[kClockFrameCount] = {
    "imgClock(0)",  "imgClock(1)",  "imgClock(2)",  "imgClock(3)",  "imgClock(4)",  "imgClock(5)",
    "imgClock(6)",  "imgClock(7)",  "imgClock(8)",  "imgClock(9)",  "imgClock(10)", "imgClock(11)",
    "imgClock(12)", "imgClock(13)", "imgClock(14)", "imgClock(15)", "imgClock(16)", "imgClock(17)",
    "imgClock(18)", "imgClock(19)", "imgClock(20)", "imgClock(21)", "imgClock(22)", "imgClock(23)",
};

constexpr std::size_t kVisibleCount = std::size(kVisible);

// The stopwatch frames only carry pictures for `imgAnimClock`; they lie in a
// grid of five columns below the client area, where they are never seen.
constexpr std::array<ControlSpec, kVisibleCount + kClockFrameCount> MakeControls() {
  std::array<ControlSpec, kVisibleCount + kClockFrameCount> controls{};
  for (std::size_t i = 0; i < kVisibleCount; ++i) controls[i] = kVisible[i];
  for (int k = 0; k < kClockFrameCount; ++k) {
    controls[kVisibleCount + k] = {.kind = ControlKind::Image,
                                   .id = kIdClock0 + k,
                                   .name = kClockNames[k],
                                   .text = "",
                                   .twips = {120 + 600 * (k % 5), 2400 + 600 * (k / 5), 480, 480},
                                   .tabIndex = -1,
                                   .visible = false,
                                   .resourceId = IDI_CLOCK_FIRST + k};
  }
  return controls;
}

constexpr auto kControls = MakeControls();

constexpr FormSpec kForm{.name = "frmTimedDisable",
                         .caption = "Timed",
                         .clientWidth = 3135,
                         .clientHeight = 1950,
                         .font = &kFont,
                         .controls = kControls};

}  // namespace

const FormSpec& TimedDisableForm() { return kForm; }

}  // namespace bw
