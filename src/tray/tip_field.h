// The tip field of the tray record, filled as the shell's 64-byte field.
#pragma once

#include <string_view>

#include "ports/shell_port.h"

namespace bw {

// Writes a tip into the field: the text, one NUL, then spaces to the end. The
// shell reads up to the NUL; the spaces keep the record the same, byte for
// byte, as the program has always sent it. A text of more than 63 bytes keeps
// as many whole UTF-8 characters as fit in 63, so the NUL always fits.
void WriteTipField(TipField& field, std::string_view text);

}  // namespace bw
