#include "app/settings.h"

#include <algorithm>
#include <charconv>

#include "app/mod_registry.h"

namespace bw {

std::string RunEntryData(std::string_view executablePath) {
  std::string data = "\"";
  data += executablePath;
  data += '"';
  return data;
}

int ParseClickMethod(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const bool whole = error == std::errc() && end == text.data() + text.size();
  if (!whole || value < -1 || value > 1) return 0;
  return value;
}

std::string ClickMethodText(int index) { return std::to_string(index); }

void Settings::LoadRunEntryState() {
  RunKeyHandle = 0;
  registry_.OpenKey(kHKeyCurrentUser, kRunKeyPath, kKeyQueryValue, &RunKeyHandle);
  std::string buffer(kRunQueryBufferSize, ' ');
  std::uint32_t type = 0;
  std::uint32_t size = kRunQueryBufferSize;
  const long result = registry_.QueryValue(RunKeyHandle, kRunValueName, &type,
                                           reinterpret_cast<std::uint8_t*>(buffer.data()), &size);
  registry_.CloseKey(RunKeyHandle);
  RunKeyHandle = 0;

  // Only a definite answer moves the box; any other failure leaves it as it is.
  int value = forms_.CheckValue(SettingsControl::WindowsStart);
  if (result == kErrorSuccess) value = 1;
  if (result == kErrorFileNotFound) value = 0;
  if (value == forms_.CheckValue(SettingsControl::WindowsStart)) return;
  forms_.SetCheckValue(SettingsControl::WindowsStart, value);
  UpdateRunEntry();  // a changed value raises the box's click handler
}

void Settings::UpdateRunEntry() {
  RunKeyHandle = 0;
  // Without the key there is nothing to write or delete; the box keeps the choice.
  if (registry_.CreateKey(kHKeyCurrentUser, kRunKeyPath, kKeyAllSpecificRights, &RunKeyHandle) !=
      kErrorSuccess) {
    return;
  }
  const int value = forms_.CheckValue(SettingsControl::WindowsStart);
  if (value == 1) {
    const std::string data = RunEntryData(system_.ExecutablePath());
    registry_.SetValue(RunKeyHandle, kRunValueName, kRegSz,
                       std::string_view(data.c_str(), data.size() + 1));
  } else if (value == 0) {
    registry_.DeleteValue(RunKeyHandle, kRunValueName);
  }
  registry_.CloseKey(RunKeyHandle);
  RunKeyHandle = 0;
}

void Settings::LoadClickMethod() {
  forms_.SetListIndex(SettingsControl::Method, ParseClickMethod(ReadStoredMethod()));
}

// The stored text, or nothing when there is none or it cannot be read; both
// read as the default.
std::string Settings::ReadStoredMethod() {
  Handle key = 0;
  if (registry_.OpenKey(kHKeyCurrentUser, kMethodKeyPath, kKeyQueryValue, &key) != kErrorSuccess) {
    return {};
  }
  char buffer[16] = {};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof buffer;
  const long result =
      registry_.QueryValue(key, "", &type, reinterpret_cast<std::uint8_t*>(buffer), &size);
  registry_.CloseKey(key);
  if (result != kErrorSuccess || type != kRegSz) return {};
  const std::string_view stored(buffer, std::min<std::size_t>(size, sizeof buffer));
  return std::string(stored.substr(0, stored.find('\0')));
}

void Settings::SaveClickMethod() {
  Handle key = 0;
  if (registry_.CreateKey(kHKeyCurrentUser, kMethodKeyPath, kKeySetValue, &key) != kErrorSuccess) {
    return;
  }
  const std::string text = ClickMethodText(forms_.ListIndex(SettingsControl::Method));
  registry_.SetValue(key, "", kRegSz, std::string_view(text.c_str(), text.size() + 1));
  registry_.CloseKey(key);
}

}  // namespace bw
