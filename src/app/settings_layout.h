// The make-up of the settings window.
#pragma once

#include "ports/layout.h"

namespace bw {

// Control ids of the settings window.
enum SettingsControlId : int {
  kIdTitle = 101,
  kIdStartWithWindows = 102,
  kIdMethodLabel = 103,
  kIdMethod = 104,
  kIdKeepDisplayOn = 105,
};

// The title line; the version follows it.
inline constexpr const char* kTitleCaption = "Blinkward v";

const WindowLayout& SettingsLayout();

}  // namespace bw
