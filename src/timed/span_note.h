// A running timed disable, written down for a later copy of the program in
// the same logon. A copy ended by force or by a crash leaves the screen saver
// off; the next one goes on with the span, or switches the screen saver back
// on if the span ended meanwhile. The note lives in a key that Windows drops
// with the logon, and names its logon, so it never outlives either.
#pragma once

#include <optional>
#include <string_view>

#include "ports/registry.h"
#include "ports/system.h"
#include "timed/countdown.h"

namespace bw {

inline constexpr std::string_view kSpanNoteKeyPath = "Software\\Blinkward\\TimedDisable";

class SpanNote {
 public:
  SpanNote(RegistryPort& registry, SystemPort& system) : registry_(registry), system_(system) {}

  // Nothing is written where the logon cannot be named, or the key cannot be
  // made to end with it.
  void Write(const SpanProgress& progress);
  void Erase() { registry_.DeleteKey(kSpanNoteKeyPath); }
  // This logon's note. A note of another logon, or one that cannot be read,
  // is erased.
  std::optional<SpanProgress> Read();

 private:
  RegistryPort& registry_;
  SystemPort& system_;
};

}  // namespace bw
