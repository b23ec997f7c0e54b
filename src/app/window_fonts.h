// The one font of the program's windows: Tahoma 8.25 pt with the Greek
// character set, and its bold form for the settings window's title.
#pragma once

#include "ports/layout.h"

namespace bw {

extern const FontSpec kWindowFont;
extern const FontSpec kWindowBoldFont;

}  // namespace bw
