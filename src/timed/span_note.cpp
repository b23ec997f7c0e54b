#include "timed/span_note.h"

#include "text/decimal.h"

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

std::string SpanNote::KeyOf(std::string_view logon) {
  return LogonNote::KeyOf(kSpanNotesKey, logon);
}

void SpanNote::Write(const SpanProgress& progress) {
  const std::string key = note_.Create();
  if (key.empty()) return;
  registry_.WriteString(key, "Begun", DecimalText(progress.begunAt));
  registry_.WriteString(key, "Counter", DecimalText(progress.counter));
  registry_.WriteString(key, "StartWhenDone", progress.startWhenDone ? "1" : "0");
}

NotedSpan SpanNote::Read() {
  NotedSpan noted;
  note_.Find([&](const std::string& key) {
    const StoredString begun = registry_.ReadString(key, "Begun");
    const StoredString counter = registry_.ReadString(key, "Counter");
    const StoredString start = registry_.ReadString(key, "StartWhenDone");
    using enum StoredString::State;
    if (begun.state == Missing && counter.state == Missing && start.state == Missing) return false;
    const std::int64_t begunAt = ParseNumber(begun, false);
    const std::int64_t count = ParseNumber(counter, true);
    const std::int64_t startFlag = ParseNumber(start, true);
    if (begunAt < 0 || count <= 0 || count > kLongestCounter || startFlag < 0 || startFlag > 1) {
      noted.state = NotedSpan::State::Unreadable;
    } else {
      noted = {
          NotedSpan::State::Running,
          {static_cast<std::uint32_t>(begunAt), static_cast<std::int32_t>(count), startFlag == 1}};
    }
    return true;
  });
  return noted;
}

}  // namespace bw
