// Recording fakes of the platform: every call lands in one log, in order, with
// its arguments, so a test can state exactly what the logic asked of Windows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/frm_settings.h"
#include "platform/forms.h"
#include "timed/frm_timed_disable.h"
#include "tray/tray_icon_data.h"

namespace bw::test {

using Log = std::vector<std::string>;

inline std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

// How many calls in the log start with the prefix ("SPI_SET", "LAUNCH"...).
inline int Count(const Log& log, const std::string& prefix) {
  return static_cast<int>(std::count_if(log.begin(), log.end(),
                                        [&](const auto& s) { return s.rfind(prefix, 0) == 0; }));
}

// Every fake writes into the one log it is given.
struct Recorder {
  explicit Recorder(Log& log) : log_(log) {}
  Log& log_;
};

class FakeSystem : public SystemPort, Recorder {
 public:
  using Recorder::Recorder;
  std::uint32_t QueryScreenSaveActive() override {
    log_.push_back("SPI_GET");
    return active;
  }
  bool SetScreenSaveActive(std::uint32_t uiParam, std::uint32_t fWinIni) override {
    log_.push_back("SPI_SET " + Hex(uiParam) + " " + std::to_string(fWinIni));
    active = uiParam != 0;
    return true;
  }
  void SendSysCommandToDesktop(std::uint32_t wParam) override {
    log_.push_back("SYSCOMMAND " + Hex(wParam));
  }
  void Launch(const std::string& commandLine, int showState) override {
    log_.push_back("LAUNCH [" + commandLine + "] " + std::to_string(showState));
  }
  std::string SystemDirectory() override { return "C:\\windows\\system32"; }
  std::string ExecutablePath() override { return "C:\\Program Files\\Blinkward\\Blinkward.exe"; }

  std::uint32_t active = 1;
};

// A registry of named values under named keys; handles count up from 0x100.
class FakeRegistry : public RegistryPort, Recorder {
 public:
  struct Value {
    std::uint32_t type;
    std::string bytes;
  };
  using Recorder::Recorder;

  long OpenKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) override {
    log_.push_back("OPEN " + Hex(root) + " " + path + " " + Hex(access));
    if (!keys.count(path)) return 2;
    return NewHandle(path, key);
  }
  long CreateKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) override {
    log_.push_back("CREATE " + Hex(root) + " " + path + " " + Hex(access));
    if (createResult != 0) return createResult;
    keys[path];
    return NewHandle(path, key);
  }
  // Fills data when it fits; 234 (ERROR_MORE_DATA) when not; the size only when data is null.
  long QueryValue(Handle key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                  std::uint32_t* size) override {
    log_.push_back("QUERY " + Hex(key) + " " + name + " " + std::to_string(*size));
    if (queryResult != 0) return queryResult;
    if (!open.count(key)) return 6;  // ERROR_INVALID_HANDLE
    const auto& values = keys[open[key]];
    const auto value = values.find(name);
    if (value == values.end()) return 2;
    *type = value->second.type;
    const auto needed = static_cast<std::uint32_t>(value->second.bytes.size());
    const bool fits = data == nullptr || needed <= *size;
    if (data != nullptr && fits) value->second.bytes.copy(reinterpret_cast<char*>(data), needed);
    *size = needed;
    return fits ? 0 : 234;
  }
  long SetValue(Handle key, const std::string& name, std::uint32_t type,
                std::string_view bytes) override {
    log_.push_back("SET " + Hex(key) + " " + name + " " + std::to_string(type) + " [" +
                   std::string(bytes) + "]");
    keys[open.at(key)][name] = {type, std::string(bytes)};
    return 0;
  }
  long DeleteValue(Handle key, const std::string& name) override {
    log_.push_back("DELETE " + Hex(key) + " " + name);
    return keys[open.at(key)].erase(name) ? 0 : 2;
  }
  long CloseKey(Handle key) override {
    log_.push_back("CLOSE " + Hex(key));
    return open.erase(key) ? 0 : 6;
  }

  std::map<std::string, std::map<std::string, Value>> keys;
  std::map<Handle, std::string> open;
  long createResult = 0, queryResult = 0;

 private:
  long NewHandle(const std::string& path, Handle* key) {
    open[*key = next_++] = path;
    return 0;
  }
  Handle next_ = 0x100;
};

class FakeShell : public ShellPort, Recorder {
 public:
  using Recorder::Recorder;
  bool NotifyIcon(std::uint32_t message, const TrayIconData& record) override {
    log_.push_back("NOTIFY " + std::to_string(message) + " icon=" + Hex(record.hIcon) + " tip=[" +
                   std::string(TipFieldText(record.szTip)) + "]");
    return true;
  }
};

// Icon handles are 0x1000 + picture + 1; the windows 0xA0 (main) and 0xB0 (picture box).
// Timers and menu items log their numbers: timer 1 `tmrSSCheck`, 2 `tmrSSTimedDisable`;
// item 1 `mnuStartSS`, 5 `mnuTimedDisable`.
class FakeForms : public FormsPort, Recorder {
 public:
  using Recorder::Recorder;
  Handle StatusOutputWindow() override { return 0xB0; }
  Handle MainWindow() override { return 0xA0; }
  Handle PictureIcon(TrayPicture picture) override {
    return 0x1000 + static_cast<int>(picture) + 1;
  }
  void ShowMainWindow() override { log_.push_back("SHOW"); }
  void HideMainWindow() override { log_.push_back("HIDE"); }
  void DestroyMainWindow() override { log_.push_back("DESTROY"); }
  void SetTimerEnabled(TimerId timer, bool enabled) override {
    log_.push_back("TIMER " + std::to_string(static_cast<int>(timer)) + (enabled ? " on" : " off"));
  }
  void SetMenuItemEnabled(MenuItem item, bool enabled) override {
    log_.push_back("MENU " + std::to_string(static_cast<int>(item)) + (enabled ? " on" : " off"));
  }
  void SetMenuItemCaption(MenuItem item, const std::string& caption) override {
    log_.push_back("MENU " + std::to_string(static_cast<int>(item)) + " [" + caption + "]");
  }
  void BringToForeground(Handle window) override { log_.push_back("FOREGROUND " + Hex(window)); }
  int TrackPopupMenu(std::uint32_t flags) override {
    log_.push_back("POPUP " + std::to_string(flags));
    return popupChoice;
  }
  int CheckValue(SettingsControl) override { return check; }
  void SetCheckValue(SettingsControl, int value) override {
    log_.push_back("CHECK " + std::to_string(check = value));
  }
  int ListIndex(SettingsControl) override { return listIndex; }
  void SetListIndex(SettingsControl, int index) override {
    log_.push_back("LIST " + std::to_string(listIndex = index));
  }
  std::string Caption(SettingsControl) override { return ""; }
  void SetCaption(SettingsControl, const std::string& text) override {
    log_.push_back("CAPTION [" + text + "]");
  }

  int check = 0;
  int listIndex = -1;
  int popupChoice = 0;
};

// All fakes over one log.
struct FakePlatform {
  Log log;
  FakeSystem system{log};
  FakeRegistry registry{log};
  FakeShell shell{log};
  FakeForms forms{log};
  Platform platform{system, registry, shell, forms};
};

// The timed-disable dialog's window, and the host that shows it ("DIALOG"): the fields
// (H, M), up-downs (hours 0-15, minutes 0-59) and check box hold state; changes are logged.
class FakeDialog : public TimedDialogPort, public TimedDialogHost, Recorder {
 public:
  using Recorder::Recorder;
  void ShowTimedDisableDialog() override { log_.push_back("DIALOG"); }
  void InitCommonControls() override { log_.push_back("INIT"); }
  void StartClock() override { log_.push_back("CLOCK"); }
  std::string Text(SpanField f) override { return text[Index(f)]; }
  void SetText(SpanField f, const std::string& t) override {
    log_.push_back("TEXT " + Name(f) + " [" + (text[Index(f)] = t) + "]");
  }
  void SelectText(SpanField f, int start, int length) override {
    log_.push_back("SELECT " + Name(f) + " " + std::to_string(start) + " " +
                   std::to_string(length));
  }
  void Focus(SpanField f) override { log_.push_back("FOCUS " + Name(f)); }
  int UpDownValue(SpanField f) override { return value[Index(f)]; }
  UpDownLimits UpDownRange(SpanField f) override { return {0, f == SpanField::Hours ? 15 : 59}; }
  void SetUpDownValue(SpanField f, int v) override {
    log_.push_back("UPDOWN " + Name(f) + " " + std::to_string(value[Index(f)] = v));
  }
  void ShowClockFrame(int frame) override { log_.push_back("FRAME " + std::to_string(frame)); }
  int StartOnExpireValue() override { return check; }
  void SetStartOnExpireValue(int v) override { log_.push_back("CHECK " + std::to_string(v)); }
  void Close() override { log_.push_back("CLOSE"); }

  std::string text[2] = {"0", "0"};
  int value[2] = {0, 0};
  int check = 0;

 private:
  static int Index(SpanField f) { return static_cast<int>(f); }
  static std::string Name(SpanField f) { return f == SpanField::Hours ? "H" : "M"; }
};

// The main form loaded, its first tick drawn (screen saver on), the log cleared.
struct MainForm {
  MainForm() {
    form.Load();
    form.OnSSCheckTimer();
    timed.SetDialogHost(dialog);
    fake.log.clear();
  }
  FakePlatform fake;
  FrmSettings form{fake.platform};
  TimedDisable& timed = form.timedDisable();
  FakeDialog dialog{fake.log};
};
struct MainFormTest : ::testing::Test, MainForm {};

}  // namespace bw::test
