// The settings window's logic: what it shows, and what the user's changes
// and buttons do there. Its window (src/win32) shows the view it is handed
// and reports each event with its values; what a change means elsewhere is
// the program's to apply.
#pragma once

#include <optional>

#include "ports/locale_port.h"
#include "ports/programs_port.h"
#include "ports/session.h"
#include "ports/settings_window_port.h"
#include "ports/sound_port.h"
#include "settings/settings.h"

namespace bw {

// What a change in the window touched, for the program to follow.
// Power: "only on mains power", which the power source's changes follow too.
enum class SettingsChange {
  None,
  Stored,
  FullScreen,
  Sound,
  ProgramAdded,
  ProgramRemoved,
  Hours,
  Power
};

class SettingsPresenter {
 public:
  SettingsPresenter(SettingsWindowPort& window, ProgramsPort& programs, SoundPort& sound,
                    SessionPort& session, LocalePort& locale, Settings& settings)
      : window_(window),
        programs_(programs),
        sound_(sound),
        session_(session),
        locale_(locale),
        settings_(settings) {}

  // Builds the window on first use, shows it and brings it forward. The days
  // follow the user's week as it begins now.
  void Show() {
    firstDay_ = locale_.FirstDayOfWeek();
    window_.Show(View());
  }
  // Closing the window only hides it: the program lives in the tray.
  void Hide() { window_.Hide(); }
  // A control changed: stored at once, and the window then shows what was
  // stored, which for a Run key that cannot be written is not what the user
  // clicked. A selection in the list stores nothing.
  SettingsChange OnChanged(int controlId, int value);
  SettingsChange OnButton(int controlId);

 private:
  SettingsView View() const;
  std::optional<WorkingHours> HoursWith(int controlId, int value) const;
  SettingsChange AddProgram();
  SettingsChange RemoveProgram();

  SettingsWindowPort& window_;
  ProgramsPort& programs_;
  SoundPort& sound_;
  SessionPort& session_;
  LocalePort& locale_;
  Settings& settings_;
  int selection_ = -1;  // the line selected in the list of programs
  int firstDay_ = 0;    // the day the first of the days' check boxes shows
};

}  // namespace bw
