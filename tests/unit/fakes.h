// Fakes of the platform that hold what a user or another program would see:
// the screen-saver flag, the icon in the notification area, the registry, the
// command lines launched, and the program's timers, menu and windows.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "tray/popup_menu.h"

namespace bw::test {

struct FakeSystem : SystemPort {
  bool ScreenSaverActive() override { return active; }
  bool SetScreenSaverActive(bool on) override {
    if (accepts) active = on;
    return accepts;
  }
  void StartScreenSaver() override { ++started; }
  bool Launch(const std::string& line, const std::string& folder) override {
    launched.push_back(line + " in " + folder);
    return true;
  }
  std::string SystemDirectory() override { return "C:\\Windows\\system32"; }
  std::string NativeSystemDirectory() override { return native; }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  std::string ExpandVariables(const std::string& text) override {
    std::string expanded = text;
    if (const auto at = expanded.find("%SystemRoot%"); at != std::string::npos) {
      expanded.replace(at, 12, "C:\\Windows");
    }
    return expanded;
  }
  std::string ExecutablePath() override { return "C:\\Program Files\\Blinkward\\Blinkward.exe"; }
  std::uint32_t TickCount() override { return now; }
  std::string LogonId() override { return logon; }
  bool active = true, accepts = true;
  int started = 0;  // screen savers started
  std::vector<std::string> launched;
  std::string native;
  std::set<std::string> files;
  std::uint32_t now = 0;
  std::string logon = "00000000000003E7";
};

// Values by "key path|name"; keys in `locked` cannot be written.
struct FakeRegistry : RegistryPort {
  StoredString ReadString(std::string_view keyPath, std::string_view name) override {
    if (unreadable.count(std::string(keyPath))) return {StoredString::State::Unreadable, {}};
    const auto value = values.find(Name(keyPath, name));
    if (value == values.end()) return {};
    return {StoredString::State::Present, value->second};
  }
  bool WriteString(std::string_view keyPath, std::string_view name,
                   std::string_view text) override {
    if (locked.count(std::string(keyPath))) return false;
    values[Name(keyPath, name)] = text;
    return true;
  }
  bool DeleteValue(std::string_view keyPath, std::string_view name) override {
    if (locked.count(std::string(keyPath))) return false;
    values.erase(Name(keyPath, name));
    return true;
  }
  bool CreateLogonKey(std::string_view keyPath) override { return DeleteKey(keyPath); }
  bool DeleteKey(std::string_view keyPath) override {
    if (locked.count(std::string(keyPath))) return false;
    std::erase_if(values, [&](const auto& v) { return v.first.starts_with(Name(keyPath, "")); });
    return true;
  }
  static std::string Name(std::string_view keyPath, std::string_view name) {
    return std::string(keyPath) + "|" + std::string(name);
  }
  std::string Value(std::string_view keyPath, std::string_view name = "") const {
    const auto value = values.find(Name(keyPath, name));
    return value == values.end() ? "<absent>" : value->second;
  }
  std::map<std::string, std::string> values;
  std::set<std::string> locked, unreadable;
};

// The notification area as Windows keeps it: an add of an icon it holds, or a
// change of one it does not, is refused.
struct FakeShell : ShellPort {
  bool NotifyIcon(TrayCommand command, const TrayIconData& icon) override {
    if (refuse > 0) {
      --refuse;
      ++refused;
      return false;
    }
    if (command == TrayCommand::UseKeyboardCallbacks) return keyboard = shown && takesKeyboard;
    if ((command == TrayCommand::Add) == shown) return false;
    if (command == TrayCommand::Add) keyboard = false;
    shown = command != TrayCommand::Delete;
    picture = icon.picture;
    tip = icon.tip.data();
    return true;
  }
  bool TaskbarExists() override { return taskbar; }
  int refuse = 0;   // calls to refuse, as a shell still starting at logon does
  int refused = 0;  // calls refused so far
  bool shown = false, taskbar = true, takesKeyboard = true, keyboard = false;
  TrayPicture picture = TrayPicture::App;
  std::string tip;
};

// The system's power management: whether the display is held on. The port is
// asked only on a change, so a request for what is already so is a fault.
struct FakePower : PowerPort {
  void KeepDisplayOn(bool on) override {
    if (on == held) ADD_FAILURE() << "asked for what already holds: " << on;
    held = on;
  }
  bool held = false;
};

struct FakeUi : UiPort {
  void StartTimer(int id, int intervalMs) override { timers[id] = intervalMs; }
  void StopTimer(int id) override { timers.erase(id); }
  int TrackPopupMenu(std::span<const MenuItem> items) override {
    menu.assign(items.begin(), items.end());
    if (whilePopupOpen) whilePopupOpen();
    return popupChoice;
  }
  void ShowSettings(const SettingsView& view) override {
    settingsVisible = true;
    settings = view;
  }
  void HideSettings() override { settingsVisible = false; }
  void UpdateSettings(const SettingsView& view) override { settings = view; }
  void ShowTimedDisableDialog() override {
    ++dialogs;
    if (whileDialogOpen) std::exchange(whileDialogOpen, nullptr)();
  }
  void Quit() override { quit = true; }
  bool Runs(TimerId timer) const { return timers.count(static_cast<int>(timer)) != 0; }
  // The settings window's controls as last shown: "title id=value ...".
  std::string Shown() const {
    std::string text = settings.title;
    for (const ControlValue& v : settings.values) {
      text += " " + std::to_string(v.id) + "=" + std::to_string(v.value);
    }
    return text;
  }
  std::map<int, int> timers;  // running, by id: interval
  std::vector<MenuItem> menu;
  int popupChoice = 0;
  std::function<void()> whilePopupOpen, whileDialogOpen;
  bool settingsVisible = false, quit = false;
  SettingsView settings;
  int dialogs = 0;
};

struct FakePlatform {
  FakeSystem system;
  FakeRegistry registry;
  FakeShell shell;
  FakeUi ui;
  FakePower power;
  Platform platform{system, registry, shell, ui, power};

  // What a user sees: the screen saver's state, then the icon ("app" for the
  // program's own picture, "green", "red" or "clock") and its tip.
  std::string Seen() const {
    static const char* const kPictures[] = {"app", "green", "red", "clock"};
    return std::string(system.active ? "saver on, " : "saver off, ") +
           (shell.shown ? kPictures[static_cast<int>(shell.picture)] + (": " + shell.tip)
                        : "no icon");
  }
};

// The program started, its first poll drawn (screen saver on).
struct Started : ::testing::Test {
  Started() { Start(); }
  void Start() {
    app.Start();
    Tick(TimerId::Poll);
  }
  void Tick(TimerId timer) { app.OnTimer(static_cast<int>(timer)); }
  std::string Seen() const { return fake.Seen(); }
  // A right click on the icon, as the shell reports it, choosing the command
  // in the popup menu.
  void Choose(MenuCommand command) {
    fake.ui.popupChoice = static_cast<int>(command);
    app.OnTrayMessage(517);
    if (fake.shell.keyboard) app.OnTrayMessage(123);
    fake.ui.popupChoice = 0;
  }
  // Whole seconds of the countdown, one tick each.
  void CountdownSeconds(int seconds) {
    for (int s = 0; s < seconds; ++s) {
      fake.system.now += 1000;
      Tick(TimerId::Countdown);
    }
  }
  FakePlatform fake;
  App app{fake.platform};
};

}  // namespace bw::test
