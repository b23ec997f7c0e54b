#include "timed/timed_layout.h"

#include "words/texts.h"

namespace bw {
namespace {

// In Tab order; each up-down follows the text box it is attached to. The
// number fields take two digits, flush right.
constexpr ControlLayout kControls[] = {
    {.kind = ControlKind::Icon, .id = kIdClock, .twips = {195, 60, 480, 480}, .tabIndex = -1},
    {.kind = ControlKind::Label,
     .id = kIdPrompt,
     .text = Text::TimedPrompt,
     .twips = {840, 120, 2175, 495},
     .tabIndex = 0},
    {.kind = ControlKind::TextBox,
     .id = kIdHours,
     .text = Text::Zero,
     .twips = {240, 600, 360, 285},
     .tabIndex = 1,
     .maxLength = 2,
     .alignRight = true},
    // Hours stop at their ends; minutes run round.
    {.kind = ControlKind::UpDown,
     .id = kIdHoursUpDown,
     .twips = {600, 600, 255, 285},
     .tabIndex = 2,
     .lower = 0,
     .upper = 15},
    {.kind = ControlKind::Label,
     .id = kIdHoursLabel,
     .text = Text::HoursLabel,
     .twips = {930, 645, 615, 255},
     .tabIndex = 3},
    {.kind = ControlKind::TextBox,
     .id = kIdMinutes,
     .text = Text::Zero,
     .twips = {1560, 600, 360, 285},
     .tabIndex = 4,
     .maxLength = 2,
     .alignRight = true},
    {.kind = ControlKind::UpDown,
     .id = kIdMinutesUpDown,
     .twips = {1920, 600, 255, 285},
     .tabIndex = 5,
     .lower = 0,
     .upper = 59,
     .wrap = true},
    {.kind = ControlKind::Label,
     .id = kIdMinutesLabel,
     .text = Text::MinutesLabel,
     .twips = {2250, 645, 735, 255},
     .tabIndex = 6},
    {.kind = ControlKind::Button,
     .id = kIdCancel,
     .text = Text::Cancel,
     .twips = {240, 1500, 975, 375},
     .tabIndex = 7},
    {.kind = ControlKind::Button,
     .id = kIdOk,
     .text = Text::Ok,
     .twips = {1920, 1500, 975, 375},
     .tabIndex = 8},
    // Last in the Tab order although it sits above the buttons.
    {.kind = ControlKind::CheckBox,
     .id = kIdStartWhenDone,
     .text = Text::StartWhenDone,
     .twips = {360, 960, 2535, 375},
     .tabIndex = 9},
    // The other way, in a column of its own to the right: "For" on the row of
    // the fields it stands for, "Until" with its time beside it.
    {.kind = ControlKind::RadioButton,
     .id = kIdFor,
     .text = Text::For,
     .twips = {3135, 615, 930, 255},
     .tabIndex = 10,
     .groupStart = true},
    {.kind = ControlKind::RadioButton,
     .id = kIdUntil,
     .text = Text::Until,
     .twips = {3135, 990, 930, 255},
     .tabIndex = 11},
    {.kind = ControlKind::TimePicker,
     .id = kIdUntilTime,
     .twips = {4065, 960, 1425, 315},
     .tabIndex = 12},
    {.kind = ControlKind::Label,
     .id = kIdUntilText,
     .twips = {3135, 1380, 2325, 495},
     .tabIndex = 13},
};

constexpr WindowLayout kLayout{.caption = Text::TimedCaption,
                               .clientWidth = 5700,
                               .clientHeight = 1950,
                               .controls = kControls};

// The up-downs' ranges are read from the table: both rows are there.
static_assert(FindControl(kLayout, kIdHoursUpDown)->kind == ControlKind::UpDown &&
              FindControl(kLayout, kIdMinutesUpDown)->kind == ControlKind::UpDown);

}  // namespace

const WindowLayout& TimedDialogLayout() { return kLayout; }

}  // namespace bw
