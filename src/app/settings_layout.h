// The make-up of the settings window.
#pragma once

#include "platform/layout.h"

namespace bw {

// Control ids of the settings window.
enum SettingsControlId : int {
  kIdTitle = 101,
  kIdStartWithWindows = 102,
  kIdMethodLabel = 103,
  kIdMethod = 104,
};

// Items of the click-method list, in order.
inline constexpr int kMethodSingleClick = 0;
inline constexpr int kMethodDoubleClick = 1;

// The title line; the version follows it.
inline constexpr const char* kTitleCaption = "Blinkward v";

const WindowLayout& SettingsLayout();

}  // namespace bw
