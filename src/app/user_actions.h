// What the user can ask of the program, by the icon, the menu, the shortcut
// or a command from another copy, and the one report of the state that the
// icon's tip and /status both read. The rules are written here once: a policy
// refuses; a span forbids a plain switch; a switch sets a hold aside; Windows
// refusing the switch is an outcome the caller tells. The span's life and the
// icon's following the state live here too: the verbs begin and end both.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/parts.h"

namespace bw {

enum class Outcome : std::uint8_t {
  Done,
  ByPolicy,       // a policy sets the screen saver: not the user's to switch, nor to hold
  Refused,        // Windows did not switch the screen saver
  NoSuchProcess,  // no process of this session has the id
  TimeIsNow,      // a span until the time of day it is
};

// The state as the icon and /status tell it.
struct Report {
  Status status;                   // what the icon shows
  const Reason* heldBy = nullptr;  // while held: the reason the tip names
  std::int32_t secondsLeft = 0;    // while a span runs: the whole seconds left
};

class UserActions {
 public:
  explicit UserActions(Parts& parts) : parts_(parts) {}

  // For this logon only, as the chosen click does. During a span "off" and a
  // toggle find the screen saver off already; "on" ends the span.
  Outcome Enable() { return Switch(Turn::On); }
  Outcome Disable() { return Switch(Turn::Off); }
  Outcome Toggle() { return Switch(Turn::Toggle); }
  // As the dialog's OK begins a span, for so many minutes or until a minute
  // of the day; a running span begins anew and an open dialog closes.
  Outcome DisableFor(int minutes);
  Outcome DisableUntil(int minuteOfDay);
  // The menu's: the dialog asks for the span.
  void AskForSpan();
  // The menu's "Enable Screen Saver": a span that ended meanwhile stays ended.
  void EndSpan() {
    if (SpanRuns()) EndTimedDisable(true);
  }
  // The display goes off a moment later, so that the click or key that asked
  // does not wake it again; what the program holds stays as it is.
  void TurnDisplayOff() { parts_.displayOff.Set(true); }
  // Hold while this process runs, or any of this program's, without listing it.
  Outcome HoldWhile(std::uint32_t processId);
  Outcome HoldWhile(std::string_view program);
  void Exit();

  // Worked out once for the icon and for /status. A hold counts as off even
  // in the moment another program has switched the screen saver on.
  Report State();

  // What App routes here of the system's events, for the rules above.
  // At start-up: a span or a hold an earlier copy left running goes on.
  void Resume();
  // After the policy was read again: one ends a span.
  void FollowPolicy();
  void OnCountdownTick();
  void OnDisplayOffDue() {
    parts_.displayOff.Set(false);
    parts_.platform.mainWindow.TurnDisplayOff();
  }
  // The icon follows a change of the hold's reasons, unless the countdown owns it.
  void Refresh(HoldChange change);
  void Refresh() { Refresh(parts_.hold.Follow(SpanRuns())); }
  void Show(const Status& status) {
    parts_.trayIcon.Show(status);
    parts_.displayKeeper.Follow(status);
  }
  // A hold that begins by switching the screen saver off may call for the hint.
  void Apply(HoldChange change) {
    if (change.switchedOff) ShowDisplayHint();
  }
  // Not on battery where only mains power counts.
  bool KeepDisplayOn() const {
    return parts_.settings.Value(kIdKeepDisplayOn) != 0 && !parts_.hold.resting();
  }

 private:
  bool SpanRuns() const { return parts_.timedDisable.Running(); }
  enum class Turn : std::uint8_t { On, Off, Toggle };
  Outcome Switch(Turn turn);
  bool SwitchTo(bool on, bool enabled);
  Outcome Begin(const std::optional<SpanRequest>& span);
  Outcome HoldAnew();
  void BeginTimedDisable(const SpanRequest& request);
  void EndTimedDisable(bool byUser);
  bool ByPolicy() const { return parts_.screenSaver.Policy().has_value(); }
  void ShowDisplayHint() { parts_.displayHint.Show(KeepDisplayOn()); }

  Parts& parts_;
};

}  // namespace bw
