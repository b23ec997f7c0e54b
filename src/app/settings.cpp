#include "app/settings.h"

#include <charconv>

namespace bw {

std::string RunEntryData(std::string_view executablePath) {
  std::string data = "\"";
  data += executablePath;
  data += '"';
  return data;
}

ClickMethod ParseClickMethod(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const bool whole = error == std::errc() && end == text.data() + text.size();
  if (!whole || value < -1 || value > 1) return ClickMethod::SingleClick;
  return static_cast<ClickMethod>(value);
}

void Settings::Load() {
  // An entry of any type or length counts; one that cannot be read is left alone.
  if (RunEntryExists()) SetStartWithWindows(true);
  clickMethod_ = ParseClickMethod(registry_.ReadString(kMethodKeyPath, "").text);
  keepDisplayOn_ = registry_.ReadString(kKeepDisplayOnKeyPath, "").text == "1";
}

bool Settings::RunEntryExists() {
  return registry_.ReadString(kRunKeyPath, kRunValueName).state == StoredString::State::Present;
}

void Settings::SetStartWithWindows(bool start) {
  if (start) {
    registry_.WriteString(kRunKeyPath, kRunValueName, RunEntryData(system_.ExecutablePath()));
  } else {
    registry_.DeleteValue(kRunKeyPath, kRunValueName);
  }
  startWithWindows_ = RunEntryExists();
}

void Settings::SetClickMethod(ClickMethod method) {
  clickMethod_ = method;
  SaveClickMethod();
}

void Settings::SetKeepDisplayOn(bool keep) {
  keepDisplayOn_ = keep;
  registry_.WriteString(kKeepDisplayOnKeyPath, "", keep ? "1" : "0");
}

void Settings::SaveClickMethod() {
  registry_.WriteString(kMethodKeyPath, "", std::to_string(static_cast<int>(clickMethod_)));
}

}  // namespace bw
