// The choices that outlive a run, held here while the program runs: start
// with Windows (the per-user Run entry), the click method and whether to keep
// the display on. Each is stored the moment the user changes it.
#pragma once

#include <string>
#include <string_view>

#include "ports/registry.h"
#include "ports/system.h"

namespace bw {

inline constexpr std::string_view kRunKeyPath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline constexpr std::string_view kRunValueName = "Blinkward";
// The click method and the display choice live in these keys' default
// values, as text.
inline constexpr std::string_view kMethodKeyPath = "Software\\Blinkward\\Method";
inline constexpr std::string_view kKeepDisplayOnKeyPath = "Software\\Blinkward\\KeepDisplayOn";

// How a click on the icon switches the screen saver. The value is the item's
// index in the settings window's list and the stored text; -1 is an older
// copy's "neither", which selects no item and switches on no click.
enum class ClickMethod : int { None = -1, SingleClick = 0, DoubleClick = 1 };

// The Run entry's data: the running executable's full path, quoted so a path
// with spaces cannot start another program at logon.
std::string RunEntryData(std::string_view executablePath);

// The stored click method: "-1", "0" or "1"; anything else is the first
// item, "Single click", rather than the end of the program.
ClickMethod ParseClickMethod(std::string_view text);

class Settings {
 public:
  Settings(RegistryPort& registry, SystemPort& system) : registry_(registry), system_(system) {}

  // At start-up: an existing Run entry is rewritten with the current path; the
  // click method is read.
  void Load();
  // Writes or deletes the Run entry; afterwards the choice is what the
  // registry holds, so a locked Run key shows as what it is.
  void SetStartWithWindows(bool start);
  void SetClickMethod(ClickMethod method);
  // Stores the click method again (at Exit and at the end of the logon).
  void SaveClickMethod();
  // "1" while the display is kept on; anything else, or nothing, reads as off.
  void SetKeepDisplayOn(bool keep);

  bool startWithWindows() const { return startWithWindows_; }
  ClickMethod clickMethod() const { return clickMethod_; }
  bool keepDisplayOn() const { return keepDisplayOn_; }

 private:
  bool RunEntryExists();

  RegistryPort& registry_;
  SystemPort& system_;
  bool startWithWindows_ = false;
  ClickMethod clickMethod_ = ClickMethod::SingleClick;
  bool keepDisplayOn_ = false;
};

}  // namespace bw
