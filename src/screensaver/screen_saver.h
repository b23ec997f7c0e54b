// The program's only contact with the system's screen saver: read and switch
// its state, start it, and open the system's pages for it.
#pragma once

#include <string>
#include <string_view>

#include "platform/ports.h"

namespace bw {

inline constexpr std::uint32_t kSpiGetScreenSaveActive = 16;
inline constexpr std::uint32_t kSpiSetScreenSaveActive = 17;
inline constexpr std::uint32_t kSpifUpdateAndBroadcast =
    3;  // SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE
inline constexpr std::uint32_t kScScreenSave = 0xF140;  // SC_SCREENSAVE
inline constexpr int kSwShowMinimized = 2;              // SW_SHOWMINIMIZED

// The system's display settings, opened on their screen-saver page.
inline constexpr std::string_view kSelectionArguments = "shell32.dll,Control_RunDLL desk.cpl,,1";

// The command line that runs rundll32 from the system directory, never
// through the search path (which would look in the current directory first).
std::string SelectionCommandLine(std::string_view systemDirectory);

// The configuration command line for a screen saver path, quoted so a path
// with spaces cannot run another program; empty when there is no path.
std::string ConfigurationCommandLine(std::string_view path);

class ScreenSaver {
 public:
  ScreenSaver(SystemPort& system, RegistryPort& registry) : system_(system), registry_(registry) {}

  // True when a screen saver is active.
  bool GetScreenSaverState();
  // Switches the screen saver on or off; PermanentChange stores it in the user
  // profile too. True when the system accepted the change.
  bool SetScreenSaverState(bool SSenabled, bool PermanentChange);
  void StartScreenSaver();
  void OpenScreenSaverSelection();
  void OpenScreenSaverConfiguration();

 private:
  std::string ReadScreenSaverPath();

  SystemPort& system_;
  RegistryPort& registry_;
};

}  // namespace bw
