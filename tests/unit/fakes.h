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
  std::string ExecutablePath() override { return "C:\\Program Files\\Blinkward\\Blinkward.exe"; }
  std::uint32_t TickCount() override { return now; }
  bool active = true, accepts = true;
  int started = 0;  // screen savers started
  std::vector<std::string> launched;
  std::string native;
  std::set<std::string> files;
  std::uint32_t now = 0;
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
    const bool accepted = refuse == 0 && (command == TrayCommand::Add) != shown;
    if (refuse > 0) --refuse;
    if (!accepted) return false;
    shown = command != TrayCommand::Delete;
    picture = icon.picture;
    tip = icon.tip.data();
    return true;
  }
  int refuse = 0;  // calls refused, as by a shell still starting at logon
  bool shown = false;
  TrayPicture picture = TrayPicture::App;
  std::string tip;
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
  void ShowTimedDisableDialog() override { ++dialogs; }
  void Quit() override { quit = true; }
  bool Runs(TimerId timer) const { return timers.count(static_cast<int>(timer)) != 0; }
  // The settings window's controls as last shown: "id=value ...".
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
  std::function<void()> whilePopupOpen;
  bool settingsVisible = false, quit = false;
  SettingsView settings;
  int dialogs = 0;
};

struct FakePlatform {
  FakeSystem system;
  FakeRegistry registry;
  FakeShell shell;
  FakeUi ui;
  Platform platform{system, registry, shell, ui};
};

// The program started, its first poll drawn (screen saver on).
struct Started : ::testing::Test {
  Started() { Start(); }
  void Start() {
    app.Start();
    Tick(TimerId::Poll);
  }
  void Tick(TimerId timer) { app.OnTimer(static_cast<int>(timer)); }
  // A right click on the icon, choosing the command in the popup menu.
  void Choose(MenuCommand command) {
    fake.ui.popupChoice = static_cast<int>(command);
    app.OnTrayMessage(517);
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
