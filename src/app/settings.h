// The two choices that outlive a run, held here while the program runs: start
// with Windows (the per-user Run entry) and the click method. Both are stored
// the moment the user changes them.
#pragma once

#include <string>
#include <string_view>

#include "platform/ports.h"

namespace bw {

inline constexpr std::string_view kRunKeyPath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline constexpr std::string_view kRunValueName = "Blinkward";
// The click method lives in this key's default value, as text.
inline constexpr std::string_view kMethodKeyPath = "Software\\Blinkward\\Method";

// The Run entry's data: the running executable's full path, quoted so a path
// with spaces cannot start another program at logon.
std::string RunEntryData(std::string_view executablePath);

// The stored click method: "-1", "0" or "1"; anything else selects the first
// item, "Single click", rather than ending the program.
int ParseClickMethod(std::string_view text);

class Settings {
 public:
  Settings(RegistryPort& registry, SystemPort& system) : registry_(registry), system_(system) {}

  // At start-up: an existing Run entry is rewritten with the current path; the
  // click method is read.
  void Load();
  // Writes or deletes the Run entry; afterwards the choice is what the
  // registry holds, so a locked Run key shows as what it is.
  void SetStartWithWindows(bool start);
  void SetClickMethod(int index);
  // Stores the click method again (at Exit and at the end of the logon).
  void SaveClickMethod();

  bool startWithWindows() const { return startWithWindows_; }
  int clickMethod() const { return clickMethod_; }

 private:
  bool RunEntryExists();

  RegistryPort& registry_;
  SystemPort& system_;
  bool startWithWindows_ = false;
  int clickMethod_ = 0;
};

}  // namespace bw
