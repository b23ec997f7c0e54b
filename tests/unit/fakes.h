// Recording fakes of the platform: every call lands in one log, in order, with
// its arguments, so a test can state exactly what the logic asked of Windows.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/forms.h"
#include "tray/tray_icon_data.h"

namespace bw::test {

using Log = std::vector<std::string>;

inline std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

class FakeSystem : public SystemPort {
 public:
  explicit FakeSystem(Log& log) : log_(log) {}
  std::uint32_t QueryScreenSaveActive() override {
    log_.push_back("SPI_GET");
    return active;
  }
  bool SetScreenSaveActive(std::uint32_t uiParam, std::uint32_t fWinIni) override {
    log_.push_back("SPI_SET " + Hex(uiParam) + " " + std::to_string(fWinIni));
    if (accept) active = uiParam != 0;
    return accept;
  }
  void SendSysCommandToDesktop(std::uint32_t wParam) override {
    log_.push_back("SYSCOMMAND " + Hex(wParam));
  }
  void Launch(const std::string& commandLine, int showState) override {
    log_.push_back("LAUNCH [" + commandLine + "] " + std::to_string(showState));
  }
  std::string SystemDirectory() override { return systemDirectory; }
  std::string ExecutablePath() override { return executablePath; }

  std::uint32_t active = 1;
  bool accept = true;
  std::string systemDirectory = "C:\\windows\\system32";
  std::string executablePath = "C:\\Program Files\\Blinkward\\Blinkward.exe";

 private:
  Log& log_;
};

// A registry of named values under named keys; handles count up from 0x100.
class FakeRegistry : public RegistryPort {
 public:
  struct Value {
    std::uint32_t type;
    std::string bytes;
  };
  explicit FakeRegistry(Log& log) : log_(log) {}

  long OpenKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) override {
    log_.push_back("OPEN " + Hex(root) + " " + path + " " + Hex(access));
    if (openResult != 0) return openResult;
    if (!keys.count(path)) return 2;
    *key = NewHandle(path);
    return 0;
  }
  long CreateKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) override {
    log_.push_back("CREATE " + Hex(root) + " " + path + " " + Hex(access));
    if (createResult != 0) return createResult;
    keys[path];
    *key = NewHandle(path);
    return 0;
  }
  long QueryValue(Handle key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                  std::uint32_t* size) override {
    log_.push_back("QUERY " + Hex(key) + " " + name + " " + std::to_string(*size));
    if (queryResult != 0) return queryResult;
    const auto path = open.find(key);
    if (path == open.end()) return 6;  // ERROR_INVALID_HANDLE
    const auto& values = keys[path->second];
    const auto value = values.find(name);
    if (value == values.end()) return 2;
    *type = value->second.type;
    const auto needed = static_cast<std::uint32_t>(value->second.bytes.size());
    if (data == nullptr) {
      *size = needed;
      return 0;
    }
    if (needed > *size) {
      *size = needed;
      return 234;
    }
    value->second.bytes.copy(reinterpret_cast<char*>(data), needed);
    *size = needed;
    return 0;
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
  long openResult = 0, createResult = 0, queryResult = 0;

 private:
  Handle NewHandle(const std::string& path) {
    const Handle handle = next_++;
    open[handle] = path;
    return handle;
  }
  Log& log_;
  Handle next_ = 0x100;
};

class FakeShell : public ShellPort {
 public:
  explicit FakeShell(Log& log) : log_(log) {}
  bool NotifyIcon(std::uint32_t message, const TrayIconData& record) override {
    log_.push_back("NOTIFY " + std::to_string(message) + " icon=" + Hex(record.hIcon) + " tip=[" +
                   std::string(TipFieldText(record.szTip)) + "]");
    sent.push_back(record);
    return true;
  }
  std::vector<TrayIconData> sent;

 private:
  Log& log_;
};

// Icon handles are 0x1000 + picture; the windows 0xA0 (main) and 0xB0 (picture box).
class FakeForms : public FormsPort {
 public:
  explicit FakeForms(Log& log) : log_(log) {}
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
    log_.push_back("CHECK " + std::to_string(value));
    check = value;
  }
  int ListIndex(SettingsControl) override { return listIndex; }
  void SetListIndex(SettingsControl, int index) override {
    log_.push_back("LIST " + std::to_string(index));
    listIndex = index;
  }
  std::string Caption(SettingsControl) override { return caption; }
  void SetCaption(SettingsControl, const std::string& text) override {
    log_.push_back("CAPTION [" + text + "]");
    caption = text;
  }

  int check = 0;
  int listIndex = -1;
  std::string caption;
  int popupChoice = 0;

 private:
  Log& log_;
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

}  // namespace bw::test
