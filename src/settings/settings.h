// The choices that outlive a run, as the settings window's rows list them,
// held here while the program runs. Each is stored the moment the user
// changes it.
#pragma once

#include <array>
#include <iterator>
#include <string>
#include <string_view>

#include "hours/working_hours.h"
#include "ports/registry_port.h"
#include "ports/session.h"
#include "ports/settings_window_port.h"
#include "settings/program_list.h"
#include "settings/settings_layout.h"
#include "settings/shortcut.h"
#include "words/click_method.h"

namespace bw {

// How a click on the icon switches the screen saver: the index of the
// method's item in its list; -1 is an older copy's "neither", which selects
// no item and switches on no click.

// The Run entry's data: the running executable's full path, quoted so a path
// with spaces cannot start another program at logon.
std::string RunEntryData(std::string_view executablePath);

// A stored list choice: a whole number from -1 to the last item; anything
// else is the first item rather than the end of the program.
int ParseChoice(std::string_view text, int items);

// The row of a control's setting; past the last row for a control without one.
constexpr std::size_t SettingRowOf(int control) {
  std::size_t row = 0;
  while (row < std::size(kSettingRows) && kSettingRows[row].control != control) ++row;
  return row;
}

class Settings {
 public:
  Settings(RegistryPort& registry, SessionPort& session, HotkeyPort& hotkeys)
      : registry_(registry), session_(session), shortcut_(hotkeys, registry) {}

  // At start-up: every setting is read, and an existing Run entry is
  // rewritten with the current path.
  void Load();
  // Stores a control's new value; afterwards the value is what the registry
  // holds, so a locked Run key shows as what it is. False for a control that
  // shows no setting.
  bool Set(int control, int value);
  // Stores the click method again (at Exit and at the end of the logon).
  void SaveClickMethod() { Store(kSettingRows[kMethodRow], values_[kMethodRow]); }

  ClickMethod clickMethod() const { return static_cast<ClickMethod>(values_[kMethodRow]); }
  // A setting as its control shows it; 0 for a control that shows none.
  int Value(int control) const {
    const std::size_t row = SettingRowOf(control);
    return row < values_.size() ? values_[row] : 0;
  }
  // Every setting as its control shows it.
  std::vector<ControlValue> View() const;

  // The programs the screen saver is kept off for. A stored list is read as
  // far as it is usable, and rewritten only when the user changes it.
  const std::vector<std::string>& programs() const { return programs_; }
  // Adds a program's file name at the end; false for one that is listed
  // already, is no file name, or when the list is full.
  bool AddProgram(std::string_view file);
  void RemoveProgram(std::size_t index);

  // The working hours. A stored value that is not exactly such counts as the
  // defaults, which hold none, and is rewritten only when the user changes
  // the hours.
  const WorkingHours& hours() const { return hours_; }
  void SetHours(const WorkingHours& hours);

  Shortcut& shortcut() { return shortcut_; }

 private:
  static constexpr std::size_t kMethodRow = SettingRowOf(kIdMethod);
  int Read(const SettingRow& row);
  void Store(const SettingRow& row, int value);

  RegistryPort& registry_;
  SessionPort& session_;
  std::array<int, std::size(kSettingRows)> values_{};
  std::vector<std::string> programs_;
  WorkingHours hours_;
  Shortcut shortcut_;
};

}  // namespace bw
