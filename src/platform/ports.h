// What the program needs of the system, in its own terms. The logic reaches
// Windows only through these interfaces; platform/win32 implements them with a
// few Win32 calls each, and the unit tests with recording fakes. Text crosses
// as UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bw {

// The screen-saver flag, processes, paths and time (user32, kernel32).
class SystemPort {
 public:
  virtual ~SystemPort() = default;
  virtual bool ScreenSaverActive() = 0;
  // persist also stores the flag in the user's profile and tells other programs.
  // True when the system accepted the change.
  virtual bool SetScreenSaverActive(bool active, bool persist) = 0;
  // Starts the current screen saver now.
  virtual void StartScreenSaver() = 0;
  // Starts a command line minimised in the given folder and returns at once.
  virtual bool Launch(const std::string& commandLine, const std::string& folder) = 0;
  // The system folder, without a trailing separator.
  virtual std::string SystemDirectory() = 0;
  // The 64-bit system folder as a 32-bit program on 64-bit Windows reaches it
  // (its own system folder is redirected); empty everywhere else.
  virtual std::string NativeSystemDirectory() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The full path of the running executable.
  virtual std::string ExecutablePath() = 0;
  // Milliseconds on a clock that also runs while the machine sleeps; wraps
  // after about 49.7 days, so only differences mean anything.
  virtual std::uint32_t TickCount() = 0;
};

// A string value under HKEY_CURRENT_USER, as far as the program cares.
struct StoredString {
  enum class State {
    Missing,     // no such key or value
    Present,     // there, of any type and size; text holds it if it is a string
    Unreadable,  // the key or value could not be read (access denied...)
  };
  State state = State::Missing;
  std::string text;
};

// The current user's registry (advapi32). Keys are paths under
// HKEY_CURRENT_USER; an empty name is the key's default value.
class RegistryPort {
 public:
  virtual ~RegistryPort() = default;
  virtual StoredString ReadString(std::string_view keyPath, std::string_view name) = 0;
  // Creates the key when needed and writes a REG_SZ; true when it was stored.
  virtual bool WriteString(std::string_view keyPath, std::string_view name,
                           std::string_view text) = 0;
  // True when the value is gone afterwards (deleting a missing value succeeds).
  virtual bool DeleteValue(std::string_view keyPath, std::string_view name) = 0;
};

// The pictures the notification-area icon can show.
enum class TrayPicture {
  App,           // the application icon, until the first status is known
  Enabled,       // the screen saver is on
  Disabled,      // the screen saver is off
  TimedDisable,  // the screen saver is held off for a while
};

// The tip field of the tray record: 63 characters and a NUL.
inline constexpr std::size_t kTipFieldSize = 64;
using TipField = std::array<char, kTipFieldSize>;

// The icon as the program shows it. The platform adds its own window, the
// icon's id and the callback message when it hands the record to the shell.
struct TrayIconData {
  TrayPicture picture = TrayPicture::App;
  TipField tip{};
};

enum class TrayCommand { Add, Modify, Delete };

// The notification area (shell32).
class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // True when the shell accepted the command.
  virtual bool NotifyIcon(TrayCommand command, const TrayIconData& icon) = 0;
};

}  // namespace bw
