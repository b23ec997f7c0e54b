// A note for a later copy of the program in the same logon. A copy ended by
// force or by a crash leaves the screen saver off; the next one reads the
// note and carries on, or switches the screen saver back on. Each logon's
// note lives in a key of its own that Windows drops with the logon, so it
// never outlives it, and two logons of one user (the console and a remote
// session) keep theirs apart.
#pragma once

#include <string>
#include <string_view>

#include "ports/registry_port.h"
#include "ports/session.h"

namespace bw {

class LogonNote {
 public:
  // The notes of every logon are subkeys of `notes`, which outlives this.
  LogonNote(RegistryPort& registry, SessionPort& session, std::string_view notes)
      : registry_(registry), session_(session), notes_(notes) {}

  // Makes this logon's note anew, to end with the logon: its key, or empty
  // where the logon cannot be named or the key so made.
  std::string Create();
  // Erases this logon's note under whichever of its names it was written: an
  // elevated copy's note ends with what a normal copy went on with.
  void Erase();
  // Hands found() the key of this logon's note under each of its names, its
  // own first, until found() says the note is there; false if it never did.
  template <typename Found>
  bool Find(Found found) {
    const LogonNames names = session_.Logon();
    for (const std::string* logon : {&names.own, &names.linked}) {
      if (!logon->empty() && found(KeyOf(notes_, *logon))) return true;
    }
    return false;
  }
  // The key of a logon's note among the notes kept under a key.
  static std::string KeyOf(std::string_view notes, std::string_view logon);

 private:
  RegistryPort& registry_;
  SessionPort& session_;
  std::string_view notes_;
};

}  // namespace bw
