// The program: it composes the parts and routes each event to them, the
// user's own asks to `UserActions`, which works out what the icon must say
// once for each change; the icon and the display follow.
#pragma once

#include "app/command_desk.h"
#include "app/parts.h"
#include "app/user_actions.h"
#include "tray/popup_menu.h"

namespace bw {

class App final : public TrayEvents,
                  public TimerEvents,
                  public SystemEvents,
                  public HotkeyEvents,
                  public SettingsEvents,
                  public ProgramEvents,
                  public SoundEvents {
 public:
  explicit App(Platform& platform) : parts_(platform) {}
  ~App() override;  // out of line: MinGW's linker finds an inline one's thunks twice

  // Once the windows exist: the icon, the settings, a span or a hold an
  // earlier copy left running, then the poll.
  void Start();

  void OnTrayMessage(int message, std::uint32_t sentAt) override {
    Act(parts_.trayInput.Take(message, sentAt, parts_.trayIcon.keyboardCallbacks(),
                              parts_.settings.clickMethod()));
  }
  void OnTaskbarCreated() override { parts_.trayIcon.Restore(); }
  // The shortcut acts as the chosen click does.
  void OnHotkey(bool repeat) override {
    if (!repeat) Act(TrayAction::Toggle);
  }
  void OnTimer(TimerId id) override;
  // The icon shows what the policy sets, or, without one, the user's state
  // again. A policy ends a span: the screen saver is no longer the user's to
  // hold off.
  void OnPolicyChanged() override {
    parts_.screenSaver.ReadPolicy();
    actions_.FollowPolicy();
  }
  void OnEndSession() override { actions_.Exit(); }
  void OnTimeChanged() override { actions_.Refresh(parts_.hold.OnTimeChanged(SpanRuns())); }
  void OnPowerSourceChanged() override {
    parts_.displayKeeper.OnPowerSourceChanged();
    Follow(SettingsChange::Power);
  }
  void OnSessionLocked(bool locked) override { parts_.displayKeeper.OnLocked(locked); }
  void OnLidChanged(bool closed) override { parts_.displayKeeper.OnLid(closed); }
  void OnSettingChanged(int controlId, int value) override {
    Follow(parts_.settingsPresenter.OnChanged(controlId, value));
  }
  void OnSettingsButton(int controlId) override {
    Follow(parts_.settingsPresenter.OnButton(controlId));
  }
  void OnSettingsClosed() override { parts_.settingsPresenter.Hide(); }
  void OnWindowShown(std::uint32_t processId, std::uint32_t threadId) override {
    actions_.Refresh(parts_.hold.OnWindowShown(processId, threadId, SpanRuns()));
  }
  void OnForegroundChanged() override {
    actions_.Refresh(parts_.hold.OnForegroundChanged(SpanRuns()));
  }
  void OnProcessEnded(std::uint32_t processId) override {
    actions_.Refresh(parts_.hold.OnProcessEnded(processId, SpanRuns()));
  }
  void OnSoundChanged() override { actions_.Refresh(parts_.hold.OnSoundChanged(SpanRuns())); }
  // A popup menu's command, chosen while the menu showed a span or none.
  void OnMenuCommand(MenuCommand command, bool spanShown);
  CommandEvents& commands() { return commands_; }

 private:
  void Act(TrayAction action);
  void ShowPopupMenu(bool fromKeyboard);
  void FollowSettings();
  void Follow(SettingsChange change);
  bool SpanRuns() const { return parts_.timedDisable.Running(); }

  Parts parts_;
  UserActions actions_{parts_};
  CommandDesk commands_{actions_};
  // A tray event is being handled: events that arrive meanwhile, from the
  // popup's or the dialog's message loop, are dropped.
  bool trayBusy_ = false;
};

}  // namespace bw
