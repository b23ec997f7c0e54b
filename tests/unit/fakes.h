// Recording fakes of the platform: every call lands in one log, in order, with
// its arguments, so a test states exactly what the logic asked of Windows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/ui.h"
#include "timed/timed_disable_dialog.h"
#include "tray/tray_icon_data.h"

namespace bw::test {

using Log = std::vector<std::string>;

// How many calls in the log start with the prefix ("SPI_SET", "LAUNCH"...).
inline int Count(const Log& log, const std::string& prefix) {
  return static_cast<int>(std::count_if(log.begin(), log.end(),
                                        [&](const auto& s) { return s.rfind(prefix, 0) == 0; }));
}

inline Log Join(Log head, const Log& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

struct Recorder {
  explicit Recorder(Log& log) : log_(log) {}
  Log& log_;
  void Add(const std::string& call) { log_.push_back(call); }
};

struct FakeSystem : SystemPort, Recorder {
  using Recorder::Recorder;
  bool ScreenSaverActive() override { return Add("SPI_GET"), active; }
  bool SetScreenSaverActive(bool on, bool persist) override {
    Add(std::string("SPI_SET ") + (on ? "on" : "off") + (persist ? " persist" : ""));
    if (accepts) active = on;
    return accepts;
  }
  void StartScreenSaver() override { Add("START"); }
  bool Launch(const std::string& line, const std::string& folder) override {
    return Add("LAUNCH [" + line + "] in [" + folder + "]"), true;
  }
  std::string SystemDirectory() override { return "C:\\Windows\\system32"; }
  std::string NativeSystemDirectory() override { return native; }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  std::string ExecutablePath() override { return "C:\\Program Files\\Blinkward\\Blinkward.exe"; }
  std::uint32_t TickCount() override { return now; }
  bool active = true, accepts = true;
  std::string native;
  std::set<std::string> files;
  std::uint32_t now = 0;
};

// Values by "key path|name"; keys in `locked` cannot be written.
struct FakeRegistry : RegistryPort, Recorder {
  using Recorder::Recorder;
  StoredString ReadString(std::string_view keyPath, std::string_view name) override {
    if (unreadable.count(std::string(keyPath))) return {StoredString::State::Unreadable, {}};
    const auto value = values.find(Name(keyPath, name));
    if (value == values.end()) return {};
    return {StoredString::State::Present, value->second};
  }
  bool WriteString(std::string_view keyPath, std::string_view name,
                   std::string_view text) override {
    Add("WRITE " + Name(keyPath, name) + " [" + std::string(text) + "]");
    if (!locked.count(std::string(keyPath))) values[Name(keyPath, name)] = text;
    return !locked.count(std::string(keyPath));
  }
  bool DeleteValue(std::string_view keyPath, std::string_view name) override {
    Add("DELETE " + Name(keyPath, name));
    if (!locked.count(std::string(keyPath))) values.erase(Name(keyPath, name));
    return !locked.count(std::string(keyPath));
  }
  static std::string Name(std::string_view keyPath, std::string_view name) {
    return std::string(keyPath) + "|" + std::string(name);
  }
  std::map<std::string, std::string> values;
  std::set<std::string> locked, unreadable;
};

// A shell that has the icon accepts changes; one that has it not, an add.
struct FakeShell : ShellPort, Recorder {
  using Recorder::Recorder;
  bool NotifyIcon(TrayCommand command, const TrayIconData& icon) override {
    static const char* const kCommands[] = {"ADD", "MODIFY", "DELETE"};
    static const char* const kPictures[] = {"app", "on", "off", "timed"};
    Add(std::string("NOTIFY ") + kCommands[static_cast<int>(command)] + " " +
        kPictures[static_cast<int>(icon.picture)] + " [" + std::string(TipFieldText(icon.tip)) +
        "]");
    const bool accepted = busy == 0 && (command == TrayCommand::Add) != hasIcon;
    if (busy > 0) --busy;
    if (accepted && command != TrayCommand::Modify) hasIcon = command == TrayCommand::Add;
    return accepted;
  }
  int busy = 0;  // calls that fail, as a shell still starting at logon
  bool hasIcon = false;
};

struct FakeUi : UiPort, Recorder {
  using Recorder::Recorder;
  void SetTimer(TimerId timer, bool on) override {
    Add(std::string(timer == TimerId::Poll ? "POLL" : "COUNTDOWN") + (on ? " on" : " off"));
  }
  int TrackPopupMenu() override {
    Add("POPUP");
    if (whilePopupOpen) whilePopupOpen();
    return popupChoice;
  }
  void SetMenuItem(MenuCommand command, std::string_view caption, bool enabled) override {
    Add("MENU " + std::to_string(static_cast<int>(command)) + " [" + std::string(caption) + "]" +
        (enabled ? "" : " grey"));
  }
  void ShowSettings(const SettingsView& view) override { Add("SHOW " + Text(view)); }
  void HideSettings() override { Add("HIDE"); }
  void UpdateSettings(const SettingsView& view) override { Add("UPDATE " + Text(view)); }
  void ShowTimedDisableDialog() override { Add("DIALOG"); }
  void Quit() override { Add("QUIT"); }
  static std::string Text(const SettingsView& view) {
    std::string text = "[" + view.title + "]";
    for (const ControlValue& v : view.values) {
      text += " " + std::to_string(v.id) + "=" + std::to_string(v.value);
    }
    return text;
  }
  int popupChoice = 0;
  std::function<void()> whilePopupOpen;
};

// The dialog's window; H and M are the hours and minutes fields.
struct FakeDialogView : TimedDialogView, Recorder {
  using Recorder::Recorder;
  static std::string N(SpanField f) { return f == SpanField::Hours ? "H" : "M"; }
  void SetFieldText(SpanField f, const std::string& text) override {
    Add("TEXT " + N(f) + " [" + text + "]");
  }
  void SelectField(SpanField f, int start, int length) override {
    Add("SELECT " + N(f) + " " + std::to_string(start) + " " + std::to_string(length));
  }
  void FocusField(SpanField f) override { Add("FOCUS " + N(f)); }
  void SetUpDownValue(SpanField f, int value) override {
    Add("UPDOWN " + N(f) + " " + std::to_string(value));
  }
  void ShowClockFrame(int frame) override { Add("FRAME " + std::to_string(frame)); }
  void SetStartWhenDone(bool start) override { Add("CHECK " + std::to_string(start)); }
  void Close() override { Add("CLOSE"); }
};

// All fakes over one log.
struct FakePlatform {
  Log log;
  FakeSystem system{log};
  FakeRegistry registry{log};
  FakeShell shell{log};
  FakeUi ui{log};
  Platform platform{system, registry, shell, ui};
};

// The program started, its first poll drawn (screen saver on), the log cleared.
struct Started : ::testing::Test {
  Started() {
    app.Start();
    app.OnTimer(TimerId::Poll);
    fake.log.clear();
  }
  FakePlatform fake;
  App app{fake.platform};
};

}  // namespace bw::test
