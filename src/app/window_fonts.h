// The one font of the program's windows: Tahoma 8.25 pt with the Greek
// character set, and its bold form for the settings window's title.
#pragma once

#include "ports/layout.h"

namespace bw {

inline constexpr FontSpec kWindowFont{"Tahoma", 825, kFontWeightNormal, kGreekCharset};
inline constexpr FontSpec kWindowBoldFont{"Tahoma", 825, kFontWeightBold, kGreekCharset};

}  // namespace bw
