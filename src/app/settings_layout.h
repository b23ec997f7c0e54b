// The make-up of the main form `frmSettings`: the settings window the user sees
// and the hidden controls that only carry data.
#pragma once

#include "platform/layout.h"

namespace bw {

// Control ids of `frmSettings`.
enum SettingsControlId : int {
  kIdStatusOutput = 100,  // `picStatusOutput`
  kIdTitle = 101,         // `lblTitle`
  kIdWindowsStart = 102,  // `chkWindowsStart`
  kIdMethodLabel = 103,   // `lblMethod`
  kIdMethod = 104,        // `cboMethod`
  kIdStatus0 = 110,       // `imgStatus(0)`, `imgStatus(1)`, `imgStatus(2)` follow
};

// Items of `cboMethod`, in order.
inline constexpr int kMethodSingleClick = 0;
inline constexpr int kMethodDoubleClick = 1;

// Caption of `lblTitle` as designed; start-up appends the version.
inline constexpr const char* kTitleCaption = "Blinkward v";

const FormSpec& SettingsForm();

}  // namespace bw
