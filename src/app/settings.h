// The two choices that outlive a run: start with Windows (the per-user Run
// entry, written the moment the box changes) and the click method (read at
// start-up, stored when the program ends properly).
#pragma once

#include <string>
#include <string_view>

#include "platform/forms.h"

namespace bw {

inline constexpr const char* kRunKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline constexpr const char* kRunValueName = "Blinkward";
inline constexpr std::uint32_t kRunQueryBufferSize = 200;  // an entry up to this size counts
// The click method lives in this key's default value, as text.
inline constexpr const char* kMethodKeyPath = "Software\\Blinkward\\Method";

// The Run entry's data: the running executable's full path, quoted so a path
// with spaces cannot start another program at logon.
std::string RunEntryData(std::string_view executablePath);

// The stored click method: "-1", "0" or "1"; anything else selects the first
// item, "Single click", rather than ending the program.
int ParseClickMethod(std::string_view text);
std::string ClickMethodText(int index);

class Settings {
 public:
  Settings(RegistryPort& registry, SystemPort& system, FormsPort& forms)
      : registry_(registry), system_(system), forms_(forms) {}

  // Ticks `chkWindowsStart` when the Run entry exists, which rewrites it.
  void LoadRunEntryState();
  // The click handler of `chkWindowsStart`: writes or deletes the Run entry.
  void UpdateRunEntry();
  // Selects the stored click method in `cboMethod`.
  void LoadClickMethod();
  // Stores the selected index of `cboMethod`.
  void SaveClickMethod();

 private:
  std::string ReadStoredMethod();

  RegistryPort& registry_;
  SystemPort& system_;
  FormsPort& forms_;
};

}  // namespace bw
