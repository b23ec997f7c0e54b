#include "timed/span_note.h"

#include <charconv>
#include <string>

namespace bw {
namespace {

// The longest span the dialog takes: 99 hours and 99 minutes.
constexpr std::int32_t kLongestCounter = SpanCounter({99, 99});

template <typename Number>
std::optional<Number> ParseNumber(const StoredString& stored) {
  const std::string& text = stored.text;
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (stored.state != StoredString::State::Present || error != std::errc() ||
      end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

void SpanNote::Write(const SpanProgress& progress) {
  const std::string logon = system_.LogonId();
  if (logon.empty() || !registry_.CreateLogonKey(kSpanNoteKeyPath)) return;
  registry_.WriteString(kSpanNoteKeyPath, "Logon", logon);
  registry_.WriteString(kSpanNoteKeyPath, "Begun", std::to_string(progress.begunAt));
  registry_.WriteString(kSpanNoteKeyPath, "Counter", std::to_string(progress.counter));
  registry_.WriteString(kSpanNoteKeyPath, "StartWhenDone", progress.startWhenDone ? "1" : "0");
}

std::optional<SpanProgress> SpanNote::Read() {
  const StoredString logon = registry_.ReadString(kSpanNoteKeyPath, "Logon");
  if (logon.state == StoredString::State::Missing) return std::nullopt;
  const auto begunAt = ParseNumber<std::uint32_t>(registry_.ReadString(kSpanNoteKeyPath, "Begun"));
  const auto counter = ParseNumber<std::int32_t>(registry_.ReadString(kSpanNoteKeyPath, "Counter"));
  const auto start = ParseNumber<int>(registry_.ReadString(kSpanNoteKeyPath, "StartWhenDone"));
  const bool ours = logon.state == StoredString::State::Present && !logon.text.empty() &&
                    logon.text == system_.LogonId();
  if (!ours || !begunAt || !counter || *counter <= 0 || *counter > kLongestCounter || !start ||
      *start < 0 || *start > 1) {
    Erase();
    return std::nullopt;
  }
  return SpanProgress{*begunAt, *counter, *start == 1};
}

}  // namespace bw
