#include "screensaver/screen_saver.h"

#include <algorithm>

#include "app/mod_registry.h"

namespace bw {
namespace {

constexpr const char* kDesktopKey = "Control Panel\\Desktop\\";
constexpr const char* kScreenSaverValue = "SCRNSAVE.EXE";
// Booleans cross to the system sign-extended: "on" is all bits set.
constexpr std::uint32_t kOn = 0xFFFFFFFF;

}  // namespace

std::string SelectionCommandLine(std::string_view systemDirectory) {
  std::string line = "\"";
  line += systemDirectory;
  line += "\\rundll32.exe\" ";
  line += kSelectionArguments;
  return line;
}

std::string ConfigurationCommandLine(std::string_view path) {
  if (path.empty()) return {};
  std::string line = "\"";
  line += path;
  line += "\" c";
  return line;
}

bool ScreenSaver::GetScreenSaverState() { return system_.QueryScreenSaveActive() != 0; }

bool ScreenSaver::SetScreenSaverState(bool SSenabled, bool PermanentChange) {
  const std::uint32_t fWinIni = PermanentChange ? kSpifUpdateAndBroadcast : 0;
  return system_.SetScreenSaveActive(SSenabled ? kOn : 0, fWinIni);
}

void ScreenSaver::StartScreenSaver() { system_.SendSysCommandToDesktop(kScScreenSave); }

void ScreenSaver::OpenScreenSaverSelection() {
  system_.Launch(SelectionCommandLine(system_.SystemDirectory()), kSwShowMinimized);
}

void ScreenSaver::OpenScreenSaverConfiguration() {
  registry_.OpenKey(kHKeyCurrentUser, kDesktopKey, kKeyQueryValue, &RunKeyHandle);
  const std::string command = ConfigurationCommandLine(ReadScreenSaverPath());
  // No screen saver chosen: there is nothing to configure.
  if (!command.empty()) system_.Launch(command, kSwShowMinimized);
  registry_.CloseKey(RunKeyHandle);
  RunKeyHandle = 0;
}

// The stored path at its full length, up to its first NUL; empty when the
// value is missing, empty or unreadable.
std::string ScreenSaver::ReadScreenSaverPath() {
  std::string buffer;
  std::uint32_t size = 0;
  std::uint32_t type = 0;
  long result = registry_.QueryValue(RunKeyHandle, kScreenSaverValue, &type, nullptr, &size);
  // The value may grow between asking its size and reading it: ask again then.
  for (int attempt = 0; attempt < 3 && result == kErrorSuccess && size > 0; ++attempt) {
    buffer.assign(size, '\0');
    type = 0;
    result = registry_.QueryValue(RunKeyHandle, kScreenSaverValue, &type,
                                  reinterpret_cast<std::uint8_t*>(buffer.data()), &size);
    if (result != kErrorMoreData) break;
  }
  if (result != kErrorSuccess) return {};
  buffer.resize(std::min<std::size_t>(size, buffer.size()));
  return buffer.substr(0, buffer.find('\0'));
}

}  // namespace bw
