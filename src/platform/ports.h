// What the program needs of Windows, in its own terms. The logic reaches the
// system only through these interfaces; platform/win32 implements them with
// one short Win32 call each, and the unit tests with recording fakes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bw {

// An opaque window, icon, menu or registry-key handle value. User handles are
// 32-bit significant on every Windows, so the 32-bit tray record can hold them.
using Handle = std::uint64_t;

// System parameters and the desktop (user32).
class SystemPort {
 public:
  virtual ~SystemPort() = default;
  // SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &value, 0) with value
  // preset to 0; returns value. The call's own result is not needed.
  virtual std::uint32_t QueryScreenSaveActive() = 0;
  // SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, uiParam, nullptr, fWinIni);
  // true when the call returned nonzero.
  virtual bool SetScreenSaveActive(std::uint32_t uiParam, std::uint32_t fWinIni) = 0;
  // SendMessageA(GetDesktopWindow(), WM_SYSCOMMAND, wParam, 0).
  virtual void SendSysCommandToDesktop(std::uint32_t wParam) = 0;
  // Starts a command line with the given show state and returns at once.
  virtual void Launch(const std::string& commandLine, int showState) = 0;
  // The system directory, without a trailing separator.
  virtual std::string SystemDirectory() = 0;
  // The full path of the running executable.
  virtual std::string ExecutablePath() = 0;
};

// The registry (advapi32). Results are Win32 error codes (0 = ERROR_SUCCESS).
class RegistryPort {
 public:
  virtual ~RegistryPort() = default;
  virtual long OpenKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) = 0;
  // RegCreateKeyExA with an empty class, REG_OPTION_NON_VOLATILE, no security
  // attributes; the disposition is not reported.
  virtual long CreateKey(Handle root, const std::string& path, std::uint32_t access,
                         Handle* key) = 0;
  // RegQueryValueExA. data may be null to ask for the size only.
  virtual long QueryValue(Handle key, const std::string& name, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* size) = 0;
  // RegSetValueExA with the bytes as given (a REG_SZ includes its NUL).
  virtual long SetValue(Handle key, const std::string& name, std::uint32_t type,
                        std::string_view bytes) = 0;
  virtual long DeleteValue(Handle key, const std::string& name) = 0;
  virtual long CloseKey(Handle key) = 0;
};

struct TrayIconData;

// The notification area (shell32).
class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Shell_NotifyIconA(message, record); true when the shell accepted it.
  virtual bool NotifyIcon(std::uint32_t message, const TrayIconData& record) = 0;
};

}  // namespace bw
