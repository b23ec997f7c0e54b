// A running timed disable, written down for a later copy of the program in
// the same logon: the next copy goes on with the span, or switches the screen
// saver back on if the span ended meanwhile.
#pragma once

#include <string>
#include <string_view>

#include "notes/logon_note.h"
#include "timed/countdown.h"
#include "words/words.h"

namespace bw {

// What a later copy finds of this logon's span.
struct NotedSpan {
  enum class State {
    None,        // no note
    Running,     // a span, as progress tells
    Unreadable,  // a note that cannot be read: its span counts as over
  };
  State state = State::None;
  SpanProgress progress{};
};

class SpanNote {
 public:
  SpanNote(RegistryPort& registry, SessionPort& session)
      : registry_(registry), note_(registry, session, kSpanNotesKey) {}

  // Nothing is written where the logon cannot be named, or the key cannot be
  // made to end with it.
  void Write(const SpanProgress& progress);
  // This logon's note, under whichever of its names it was written.
  void Erase() { note_.Erase(); }
  NotedSpan Read();
  // The key of a logon's note.
  static std::string KeyOf(std::string_view logon);

 private:
  RegistryPort& registry_;
  LogonNote note_;
};

}  // namespace bw
