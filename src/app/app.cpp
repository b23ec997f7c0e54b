#include "app/app.h"

namespace bw {

App::~App() = default;

// The icon shows the program's own picture and name until the first poll,
// which always draws the state.
void App::Start() {
  parts_.trayIcon.Add();
  parts_.settings.Load();
  parts_.displayHint.Load();
  parts_.screenSaver.ReadPolicy();
  FollowSettings();
  actions_.Resume();
}

void App::OnTimer(TimerId id) {
  if (id == TimerId::Stopwatch) return parts_.timedDialog.OnClockTick();
  if (id == TimerId::Hours) return OnTimeChanged();  // an edge of the hours
  if (id == TimerId::DisplayOff) return actions_.OnDisplayOffDue();
  if (id == TimerId::Sound) return OnSoundChanged();
  actions_.Apply(parts_.hold.Watch(SpanRuns()));
  if (id == TimerId::Poll) actions_.Show(actions_.State().status);
  if (id == TimerId::Countdown) actions_.OnCountdownTick();
}

// The display follows the user's choice at once; the hold its reasons, and a
// program added that runs holds at once.
void App::Follow(SettingsChange change) {
  if (change == SettingsChange::None) return;
  if (change == SettingsChange::Stored) return parts_.displayKeeper.Ask(actions_.KeepDisplayOn());
  FollowSettings();
  if (change == SettingsChange::FullScreen) parts_.fullScreenWatch.Judge();
  if (change == SettingsChange::ProgramAdded) parts_.programWatch.LookAtAll();
  actions_.Refresh();
}

void App::FollowSettings() {
  parts_.FollowSettings();
  parts_.displayKeeper.Ask(actions_.KeepDisplayOn());
}

// While the popup or the dialog is open, a click on the icon or the shortcut
// only brings the dialog forward: hidden behind other windows, it has no
// taskbar button. The shell's word, or the user's click on the balloon: the
// hint was seen.
void App::Act(TrayAction action) {
  if (action == TrayAction::BalloonShown) return parts_.displayHint.OnShown();
  if (action == TrayAction::BalloonClicked) parts_.displayHint.OnShown();
  if (trayBusy_) {
    if (action != TrayAction::None) parts_.timedDialog.BringForward();
    return;
  }
  trayBusy_ = true;
  if (action == TrayAction::Toggle) actions_.Toggle();
  if (action == TrayAction::PopupFromMouse) ShowPopupMenu(false);
  if (action == TrayAction::PopupFromKeyboard) ShowPopupMenu(true);
  if (action == TrayAction::BalloonClicked) parts_.settingsPresenter.Show();
  trayBusy_ = false;
}

// The countdown ticks on while the menu is open: the chosen item does what it
// showed, not what it would show now. A menu the keyboard opened hands the
// focus back to the icon before a window the command opens takes it.
void App::ShowPopupMenu(bool fromKeyboard) {
  const bool spanShown = SpanRuns();
  const int command = parts_.platform.trayWindow.TrackPopupMenu(PopupMenuView(
      {.spanRunning = spanShown, .byPolicy = parts_.screenSaver.Policy().has_value()}));
  if (fromKeyboard) parts_.trayIcon.Focus();
  OnMenuCommand(static_cast<MenuCommand>(command), spanShown);
}

void App::OnMenuCommand(MenuCommand command, bool spanShown) {
  switch (command) {
    case MenuCommand::StartScreenSaver:
      return parts_.screenSaver.StartScreenSaver();
    case MenuCommand::TurnDisplayOff:
      return actions_.TurnDisplayOff();
    case MenuCommand::ConfigureScreenSaver:
      return parts_.screenSaver.OpenScreenSaverConfiguration();
    case MenuCommand::SelectScreenSaver:
      return parts_.screenSaver.OpenScreenSaverSelection();
    case MenuCommand::TimedDisable:
      return spanShown ? actions_.EndSpan() : actions_.AskForSpan();
    case MenuCommand::Settings:
      return parts_.settingsPresenter.Show();
    case MenuCommand::Exit:
      return actions_.Exit();
    case MenuCommand::None:
      break;
  }
}

}  // namespace bw
