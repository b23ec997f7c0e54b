#include "screensaver/screen_saver.h"

#include "text/quoted.h"
#include "words/words.h"

namespace bw {
namespace {

constexpr std::string_view kScreenSaverValue = "SCRNSAVE.EXE";
constexpr std::string_view kActiveValue = "ScreenSaveActive";

// One pair of quotes around the whole path is not part of it.
std::string_view Unquoted(std::string_view path) {
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
    return path.substr(1, path.size() - 2);
  }
  return path;
}

// "C:\x", "\\server\x" and "\x" name their folder; anything else is relative.
bool IsAbsolute(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '\\');
}

// Paths compare without regard to the case of ASCII letters, as the file system does.
bool IsInFolder(std::string_view path, std::string_view folder) {
  if (path.size() <= folder.size() || path[folder.size()] != '\\') return false;
  for (std::size_t i = 0; i < folder.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(path[i]) != lower(folder[i])) return false;
  }
  return true;
}

// The screen saver's file as the system would find it: a bare or relative
// name lives in the system folder.
std::string ScreenSaverFile(std::string_view stored, std::string_view systemDirectory) {
  if (stored.empty() || IsAbsolute(stored)) return std::string(stored);
  std::string path(systemDirectory);
  path += '\\';
  path += stored;
  return path;
}

}  // namespace

std::string SelectionCommandLine(std::string_view systemDirectory) {
  std::string line = Quoted(std::string(systemDirectory) + "\\rundll32.exe");
  line += ' ';
  line += kSelectionArguments;
  return line;
}

std::string ConfigurationCommandLine(std::string_view path) {
  if (path.empty()) return {};
  return Quoted(path) + " c";
}

void ScreenSaver::OpenScreenSaverSelection() {
  const std::string systemDirectory = launcher_.SystemDirectory();
  launcher_.Launch(SelectionCommandLine(systemDirectory), systemDirectory);
}

// "0" or "1" as text, or 0 or 1 as a number: anything else sets nothing.
void ScreenSaver::ReadPolicy() {
  const StoredString active = registry_.ReadString(kDesktopPolicyKey, kActiveValue);
  policy_.reset();
  if (active.state != StoredString::State::Present) return;
  if (active.number && *active.number <= 1) policy_ = *active.number == 1;
  if (active.text == "0" || active.text == "1") policy_ = active.text == "1";
}

bool ScreenSaver::Chosen() { return !StoredScreenSaver().empty(); }

// The policy's screen saver where it names one, else the user's, as stored.
std::string ScreenSaver::StoredScreenSaver() {
  std::string stored = registry_.ReadString(kDesktopPolicyKey, kScreenSaverValue).text;
  if (stored.empty()) stored = registry_.ReadString(kDesktopKey, kScreenSaverValue).text;
  return stored;
}

// The policy's screen saver where it names one, else the user's, with its
// variables (%SystemRoot%) expanded whether or not it was stored as such.
void ScreenSaver::OpenScreenSaverConfiguration() {
  const std::string systemDirectory = launcher_.SystemDirectory();
  const std::string stored = launcher_.ExpandVariables(std::string(Unquoted(StoredScreenSaver())));
  const std::string command = ConfigurationCommandLine(LocateScreenSaver(stored, systemDirectory));
  // No screen saver chosen: there is nothing to configure.
  if (!command.empty()) launcher_.Launch(command, systemDirectory);
}

// A 32-bit program on 64-bit Windows sees a redirected system folder, where a
// screen saver installed only for 64-bit programs is missing: then it is
// looked for in the real one.
std::string ScreenSaver::LocateScreenSaver(std::string_view stored,
                                           const std::string& systemDirectory) {
  std::string path = ScreenSaverFile(stored, systemDirectory);
  if (path.empty() || launcher_.FileExists(path)) return path;
  const std::string native = launcher_.NativeSystemDirectory();
  if (native.empty() || !IsInFolder(path, systemDirectory)) return path;
  return native + path.substr(systemDirectory.size());
}

}  // namespace bw
