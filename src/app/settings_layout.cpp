#include "app/settings_layout.h"

#include "app/res/resource_ids.h"

namespace bw {
namespace {

// Tahoma 8.25 pt with the Greek character set, regular and bold.
constexpr FontSpec kFont{"Tahoma", 825, 400, 161};
constexpr FontSpec kBoldFont{"Tahoma", 825, 700, 161};
// The picture box keeps a font of its own, though it never draws text.
constexpr FontSpec kPictureFont{"MS Sans Serif", 825, 400, 0};

// Visible controls first, then the ones below the client area that only carry
// data; every rectangle as designed, in twips.
constexpr ControlSpec kControls[] = {
    {.kind = ControlKind::PictureBox,
     .id = kIdStatusOutput,
     .name = "picStatusOutput",
     .text = "",
     .twips = {2160, 2040, 255, 255},
     .tabIndex = 0,
     .visible = false,
     .font = &kPictureFont},
    {.kind = ControlKind::CheckBox,
     .id = kIdWindowsStart,
     .name = "chkWindowsStart",
     .text = "Start automatically with Windows",
     .twips = {120, 660, 2775, 255},
     .tabIndex = 1},
    {.kind = ControlKind::Label,
     .id = kIdTitle,
     .name = "lblTitle",
     .text = kTitleCaption,
     .twips = {120, 120, 2775, 495},
     .tabIndex = 2,
     .font = &kBoldFont},
    {.kind = ControlKind::Label,
     .id = kIdMethodLabel,
     .name = "lblMethod",
     .text = "Change Screen Saver state method:",
     .twips = {120, 1080, 2775, 255},
     .tabIndex = 3},
    {.kind = ControlKind::DropDownList,
     .id = kIdMethod,
     .name = "cboMethod",
     .text = "Single click\nDouble click",
     .twips = {1560, 1320, 1335, 315},
     .tabIndex = 4},
    {.kind = ControlKind::Image,
     .id = kIdStatus0,
     .name = "imgStatus(0)",
     .text = "",
     .twips = {720, 2040, 240, 240},
     .tabIndex = -1,
     .visible = false,
     .resourceId = IDI_STATUS_ENABLED},
    {.kind = ControlKind::Image,
     .id = kIdStatus0 + 1,
     .name = "imgStatus(1)",
     .text = "",
     .twips = {1200, 2040, 240, 240},
     .tabIndex = -1,
     .visible = false,
     .resourceId = IDI_STATUS_DISABLED},
    {.kind = ControlKind::Image,
     .id = kIdStatus0 + 2,
     .name = "imgStatus(2)",
     .text = "",
     .twips = {1680, 2040, 240, 240},
     .tabIndex = -1,
     .visible = false,
     .resourceId = IDI_STATUS_TIMED},
};

constexpr FormSpec kForm{.name = "frmSettings",
                         .caption = "Settings",
                         .clientWidth = 3015,
                         .clientHeight = 1755,
                         .font = &kFont,
                         .controls = kControls};

}  // namespace

const FormSpec& SettingsForm() { return kForm; }

}  // namespace bw
