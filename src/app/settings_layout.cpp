#include "app/settings_layout.h"

#include "app/window_fonts.h"

namespace bw {
namespace {

// In Tab order: the first check box takes the focus first, the list second,
// the second check box, a row below the list, last.
constexpr ControlLayout kControls[] = {
    {.kind = ControlKind::CheckBox,
     .id = kIdStartWithWindows,
     .text = "Start automatically with Windows",
     .twips = {120, 660, 2775, 255},
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .id = kIdTitle,
     .text = kTitleCaption,
     .twips = {120, 120, 2775, 495},
     .tabIndex = 2,
     .font = &kWindowBoldFont},
    {.kind = ControlKind::Label,
     .id = kIdMethodLabel,
     .text = "Change Screen Saver state method:",
     .twips = {120, 1080, 2775, 255},
     .tabIndex = 3},
    {.kind = ControlKind::DropDownList,
     .id = kIdMethod,
     .text = "Single click\nDouble click",
     .twips = {1560, 1320, 1335, 315},
     .tabIndex = 4},
    {.kind = ControlKind::CheckBox,
     .id = kIdKeepDisplayOn,
     .text = "Keep the display on too",
     .twips = {120, 1800, 2775, 255},
     .tabIndex = 5},
};

constexpr WindowLayout kLayout{.caption = "Settings",
                               .clientWidth = 3015,
                               .clientHeight = 2175,
                               .font = &kWindowFont,
                               .controls = kControls};

}  // namespace

const WindowLayout& SettingsLayout() { return kLayout; }

}  // namespace bw
