#include "hold/hold_note.h"

namespace bw {
namespace {

constexpr const char* kSwitchedOff = "SwitchedOff";

}  // namespace

void HoldNote::Write() {
  const std::string key = note_.Create();
  if (!key.empty()) registry_.WriteString(key, kSwitchedOff, "1");
}

bool HoldNote::Read() {
  return note_.Find([&](const std::string& key) {
    return registry_.ReadString(key, kSwitchedOff).state != StoredString::State::Missing;
  });
}

}  // namespace bw
