// The tip field of the tray record, filled as the shell's field of 64 UTF-16 units.
#pragma once

#include <string_view>

#include "ports/shell_port.h"

namespace bw {

// Writes a UTF-8 tip into the field as UTF-16: the text, one NUL, then spaces
// to the end. The shell reads up to the NUL; the spaces keep the record the
// same, unit for unit, as the program has always sent it. A text of more than
// 63 units keeps as many whole characters as fit in 63, so the NUL always
// fits: a character beyond the 16-bit plane is its two units or none.
void WriteTipField(TipField& field, std::string_view text);

}  // namespace bw
