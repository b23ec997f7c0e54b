#include "hold/hold_note.h"

#include "timed/span_note.h"

namespace bw {
namespace {

constexpr const char* kSwitchedOff = "SwitchedOff";

}  // namespace

void HoldNote::Write() {
  const std::string key = CreateLogonNote(registry_, session_, kHoldNotesKey);
  if (!key.empty()) registry_.WriteString(key, kSwitchedOff, "1");
}

void HoldNote::Erase() { EraseLogonNote(registry_, session_, kHoldNotesKey); }

bool HoldNote::Read() {
  const LogonNames names = session_.Logon();
  for (const std::string* logon : {&names.own, &names.linked}) {
    if (logon->empty()) continue;
    const StoredString noted =
        registry_.ReadString(LogonNoteKey(kHoldNotesKey, *logon), kSwitchedOff);
    if (noted.state != StoredString::State::Missing) return true;
  }
  return false;
}

}  // namespace bw
