#include "timed/span_note.h"

#include "timed/decimal.h"

namespace bw {
namespace {

// The longest span the dialog takes: 99 hours and 99 minutes.
constexpr std::int32_t kLongestCounter = SpanCounter({99, 99});

// A whole number and nothing else: "3599x" is no counter.
std::int64_t ParseNumber(const StoredString& stored, bool isSigned) {
  if (stored.state != StoredString::State::Present) return kNoDecimal;
  return ParseDecimal(stored.text, isSigned);
}

}  // namespace

std::string LogonNoteKey(std::string_view notes, std::string_view logon) {
  std::string key(notes);
  key += '\\';
  key += logon;
  return key;
}

std::string SpanNote::KeyOf(std::string_view logon) { return LogonNoteKey(kSpanNotesKey, logon); }

void SpanNote::Write(const SpanProgress& progress) {
  const std::string key = CreateLogonNote(registry_, session_, kSpanNotesKey);
  if (key.empty()) return;
  registry_.WriteString(key, "Begun", DecimalText(progress.begunAt));
  registry_.WriteString(key, "Counter", DecimalText(progress.counter));
  registry_.WriteString(key, "StartWhenDone", progress.startWhenDone ? "1" : "0");
}

std::string CreateLogonNote(RegistryPort& registry, SessionPort& session, std::string_view notes) {
  const std::string logon = session.Logon().own;
  if (logon.empty()) return {};
  std::string key = LogonNoteKey(notes, logon);
  return registry.CreateLogonKey(key) ? key : std::string();
}

void EraseLogonNote(RegistryPort& registry, SessionPort& session, std::string_view notes) {
  const LogonNames names = session.Logon();
  for (const std::string* logon : {&names.own, &names.linked}) {
    if (!logon->empty()) registry.DeleteKey(LogonNoteKey(notes, *logon));
  }
}

void SpanNote::Erase() { EraseLogonNote(registry_, session_, kSpanNotesKey); }

NotedSpan SpanNote::Read() {
  const LogonNames names = session_.Logon();
  for (const std::string* logon : {&names.own, &names.linked}) {
    if (logon->empty()) continue;
    const std::string key = KeyOf(*logon);
    const StoredString begun = registry_.ReadString(key, "Begun");
    const StoredString counter = registry_.ReadString(key, "Counter");
    const StoredString start = registry_.ReadString(key, "StartWhenDone");
    using enum StoredString::State;
    if (begun.state == Missing && counter.state == Missing && start.state == Missing) continue;
    const std::int64_t begunAt = ParseNumber(begun, false);
    const std::int64_t count = ParseNumber(counter, true);
    const std::int64_t startFlag = ParseNumber(start, true);
    if (begunAt < 0 || count <= 0 || count > kLongestCounter || startFlag < 0 || startFlag > 1) {
      return {NotedSpan::State::Unreadable};
    }
    return {
        NotedSpan::State::Running,
        {static_cast<std::uint32_t>(begunAt), static_cast<std::int32_t>(count), startFlag == 1}};
  }
  return {};
}

}  // namespace bw
