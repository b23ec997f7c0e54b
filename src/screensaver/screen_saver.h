// The program's only contact with the system's screen saver: read and switch
// its state, start it, open the system's pages for it, and know when an
// administrator's policy decides it instead of the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/launcher.h"
#include "ports/registry_port.h"
#include "ports/screen_saver_port.h"

namespace bw {

// The system's display settings, opened on their screen-saver page.
inline constexpr std::string_view kSelectionArguments = "shell32.dll,Control_RunDLL desk.cpl,,1";

// The command line that runs rundll32 from the system folder, never through
// the search path (which would look in the current folder first).
std::string SelectionCommandLine(std::string_view systemDirectory);

// The configuration command line for a screen saver's path, quoted so a path
// with spaces cannot run another program; empty when there is no path.
std::string ConfigurationCommandLine(std::string_view path);

class ScreenSaver {
 public:
  ScreenSaver(ScreenSaverPort& system, LauncherPort& launcher, RegistryPort& registry)
      : system_(system), launcher_(launcher), registry_(registry) {}

  bool GetScreenSaverState() { return system_.ScreenSaverActive(); }
  // Reads the policy again: at start and when Windows announces a change.
  void ReadPolicy();
  // The state a policy sets, which Windows applies whatever the user switches;
  // nothing while no policy sets it.
  std::optional<bool> Policy() const { return policy_; }
  // For this logon only. True when the system accepted the change.
  bool SetScreenSaverState(bool enabled) { return system_.SetScreenSaverActive(enabled); }
  void StartScreenSaver() { system_.StartScreenSaver(); }
  // Whether a screen saver is chosen, by the user or by a policy; without one
  // only the power plan blanks the display.
  bool Chosen();
  void OpenScreenSaverSelection();
  void OpenScreenSaverConfiguration();

 private:
  std::string StoredScreenSaver();
  std::string LocateScreenSaver(std::string_view stored, const std::string& systemDirectory);

  ScreenSaverPort& system_;
  LauncherPort& launcher_;
  RegistryPort& registry_;
  std::optional<bool> policy_;
};

}  // namespace bw
