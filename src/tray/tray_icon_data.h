// The tip field of the tray record, filled as the shell's 64-byte field.
#pragma once

#include <string_view>

#include "platform/ports.h"

namespace bw {

// Writes a tip into the field: the text, one NUL, then spaces to the end. A
// text of more than 63 characters keeps its first 63, so the NUL always fits.
void WriteTipField(TipField& field, std::string_view text);

// The text of the tip field: everything before its NUL.
std::string_view TipFieldText(const TipField& field);

}  // namespace bw
