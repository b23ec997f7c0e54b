// A running timed disable, written down for a later copy of the program in
// the same logon. A copy ended by force or by a crash leaves the screen saver
// off; the next one goes on with the span, or switches the screen saver back
// on if the span ended meanwhile. Each logon's note lives in a key of its own
// that Windows drops with the logon, so it never outlives it, and two logons
// of one user (the console and a remote session) keep theirs apart.
#pragma once

#include <string>
#include <string_view>

#include "ports/registry.h"
#include "ports/session.h"
#include "timed/countdown.h"
#include "words/words.h"

namespace bw {

// The notes' key; each logon's note is a subkey named by the logon.
inline constexpr const char* kSpanNotesKey = BLINKWARD_REGISTRY_ROOT "\\TimedDisable";

// The key of one logon's note among the notes kept under a key.
std::string LogonNoteKey(std::string_view notes, std::string_view logon);
// Makes this logon's note key anew among those under a key, to end with the
// logon; empty where the logon cannot be named or the key so made.
std::string CreateLogonNote(RegistryPort& registry, SessionPort& session, std::string_view notes);
// Erases this logon's note among those under a key, under whichever of its
// names it was written: an elevated copy's note ends with what a normal copy
// went on with.
void EraseLogonNote(RegistryPort& registry, SessionPort& session, std::string_view notes);

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
  SpanNote(RegistryPort& registry, SessionPort& session) : registry_(registry), session_(session) {}

  // Nothing is written where the logon cannot be named, or the key cannot be
  // made to end with it.
  void Write(const SpanProgress& progress);
  // This logon's note, under whichever of its names it was written.
  void Erase();
  NotedSpan Read();
  // The key of a logon's note.
  static std::string KeyOf(std::string_view logon);

 private:
  RegistryPort& registry_;
  SessionPort& session_;
};

}  // namespace bw
