// A hold that switched the screen saver off, written down for a later copy of
// the program in the same logon, as a span is: a copy ended by force or by a
// crash leaves the screen saver off, and the next one carries the hold on, or
// switches the screen saver back on if the hold's reasons ended meanwhile.
#pragma once

#include "notes/logon_note.h"
#include "words/words.h"

namespace bw {

class HoldNote {
 public:
  HoldNote(RegistryPort& registry, SessionPort& session)
      : registry_(registry), note_(registry, session, kHoldNotesKey) {}

  void Write();
  void Erase() { note_.Erase(); }
  // This logon's note, under either of its names; one that cannot be read
  // counts too, so that the screen saver is not left off.
  bool Read();

 private:
  RegistryPort& registry_;
  LogonNote note_;
};

}  // namespace bw
