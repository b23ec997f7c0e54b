// Recording fakes of the platform: every call lands in one log, in order, with
// its arguments, so a test can state exactly what the logic asked of Windows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
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

struct Recorder {
  explicit Recorder(Log& log) : log_(log) {}
  Log& log_;
};

class FakeSystem : public SystemPort, Recorder {
 public:
  using Recorder::Recorder;
  bool ScreenSaverActive() override {
    log_.push_back("SPI_GET");
    return active;
  }
  bool SetScreenSaverActive(bool on, bool persist) override {
    log_.push_back(std::string("SPI_SET ") + (on ? "on" : "off") + (persist ? " persist" : ""));
    if (!accepts) return false;
    active = on;
    return true;
  }
  void StartScreenSaver() override { log_.push_back("START"); }
  bool Launch(const std::string& commandLine, const std::string& folder) override {
    log_.push_back("LAUNCH [" + commandLine + "] in [" + folder + "]");
    return true;
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
class FakeRegistry : public RegistryPort, Recorder {
 public:
  using Recorder::Recorder;
  StoredString ReadString(std::string_view keyPath, std::string_view name) override {
    const std::string at = Name(keyPath, name);
    if (unreadable.count(std::string(keyPath))) return {StoredString::State::Unreadable, {}};
    const auto value = values.find(at);
    if (value == values.end()) return {};
    return {StoredString::State::Present, value->second};
  }
  bool WriteString(std::string_view keyPath, std::string_view name,
                   std::string_view text) override {
    log_.push_back("WRITE " + Name(keyPath, name) + " [" + std::string(text) + "]");
    if (locked.count(std::string(keyPath))) return false;
    values[Name(keyPath, name)] = text;
    return true;
  }
  bool DeleteValue(std::string_view keyPath, std::string_view name) override {
    log_.push_back("DELETE " + Name(keyPath, name));
    if (locked.count(std::string(keyPath))) return false;
    values.erase(Name(keyPath, name));
    return true;
  }

  static std::string Name(std::string_view keyPath, std::string_view name) {
    return std::string(keyPath) + "|" + std::string(name);
  }

  std::map<std::string, std::string> values;
  std::set<std::string> locked, unreadable;
};

class FakeShell : public ShellPort, Recorder {
 public:
  using Recorder::Recorder;
  bool NotifyIcon(TrayCommand command, const TrayIconData& icon) override {
    static const char* const kCommands[] = {"ADD", "MODIFY", "DELETE"};
    static const char* const kPictures[] = {"app", "on", "off", "timed"};
    log_.push_back(std::string("NOTIFY ") + kCommands[static_cast<int>(command)] + " " +
                   kPictures[static_cast<int>(icon.picture)] + " [" +
                   std::string(TipFieldText(icon.tip)) + "]");
    // A shell that has the icon accepts changes; one that has it not, an add.
    const bool accepted = busy == 0 && (command == TrayCommand::Add) != hasIcon;
    if (busy > 0) --busy;
    if (accepted && command != TrayCommand::Modify) hasIcon = command == TrayCommand::Add;
    return accepted;
  }

  int busy = 0;  // calls that fail, as a shell still starting at logon
  bool hasIcon = false;
};

class FakeUi : public UiPort, Recorder {
 public:
  using Recorder::Recorder;
  void SetTimer(TimerId timer, bool enabled) override {
    log_.push_back(std::string(timer == TimerId::Poll ? "POLL" : "COUNTDOWN") +
                   (enabled ? " on" : " off"));
  }
  int TrackPopupMenu() override {
    log_.push_back("POPUP");
    if (whilePopupOpen) whilePopupOpen();
    return popupChoice;
  }
  void SetMenuItem(MenuCommand command, std::string_view caption, bool enabled) override {
    log_.push_back("MENU " + std::to_string(static_cast<int>(command)) + " [" +
                   std::string(caption) + "]" + (enabled ? "" : " grey"));
  }
  void ShowSettings(const SettingsView& view) override { log_.push_back("SHOW " + Text(view)); }
  void HideSettings() override { log_.push_back("HIDE"); }
  void UpdateSettings(const SettingsView& view) override { log_.push_back("UPDATE " + Text(view)); }
  void ShowTimedDisableDialog() override { log_.push_back("DIALOG"); }
  void Quit() override { log_.push_back("QUIT"); }

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

// The dialog's window: changes are logged.
class FakeDialogView : public TimedDialogView, Recorder {
 public:
  using Recorder::Recorder;
  void SetFieldText(SpanField f, const std::string& text) override {
    log_.push_back("TEXT " + Name(f) + " [" + text + "]");
  }
  void SelectField(SpanField f, int start, int length) override {
    log_.push_back("SELECT " + Name(f) + " " + std::to_string(start) + " " +
                   std::to_string(length));
  }
  void FocusField(SpanField f) override { log_.push_back("FOCUS " + Name(f)); }
  void SetUpDownValue(SpanField f, int value) override {
    log_.push_back("UPDOWN " + Name(f) + " " + std::to_string(value));
  }
  void ShowClockFrame(int frame) override { log_.push_back("FRAME " + std::to_string(frame)); }
  void SetStartWhenDone(bool start) override { log_.push_back("CHECK " + std::to_string(start)); }
  void Close() override { log_.push_back("CLOSE"); }

 private:
  static std::string Name(SpanField f) { return f == SpanField::Hours ? "H" : "M"; }
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
