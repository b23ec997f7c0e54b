// Fakes of the platform that hold what a user or another program would see.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "tray/popup_menu.h"
#include "tray/tray_message.h"
#include "words/words.h"

namespace bw::test {

// The system's power management: whether the display is held on. The port is
// asked only on a change, so a request for what is already so is a fault.
struct FakePower : PowerPort {
  // A refused request leaves nothing of the program's held.
  bool Keep(KeepAwake what) override {
    if (what == kept) ADD_FAILURE() << "asked for what already holds: " << static_cast<int>(what);
    const bool granted = what == KeepAwake::Nothing || !refuses;
    kept = granted ? what : KeepAwake::Nothing;
    return granted;
  }
  bool OnBattery() override { return battery; }
  bool held() const { return kept == KeepAwake::Display; }
  KeepAwake kept = KeepAwake::Nothing;
  bool refuses = false, battery = false;
};

struct FakeLocale : LocalePort {
  int FirstDayOfWeek() override { return firstDay; }
  std::string TimeText(int minuteOfDay) override {
    const int hour = minuteOfDay / 60, minute = minuteOfDay % 60;
    char text[16];
    if (twelveHour) {
      std::snprintf(text, sizeof text, "%d:%02d %s", (hour + 11) % 12 + 1, minute,
                    hour < 12 ? "AM" : "PM");
    } else {
      std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    }
    return text;
  }
  int firstDay = 0;
  bool twelveHour = false;
};

struct FakeSystem : ScreenSaverPort, ClockPort, SessionPort, LauncherPort {
  explicit FakeSystem(const FakePower& power) : power(power) {}
  bool ScreenSaverActive() override { return active; }
  bool SetScreenSaverActive(bool on) override {
    if (accepts) active = on;
    return accepts;
  }
  // Nothing starts while the screen saver is switched off, or while the
  // display is held on.
  void StartScreenSaver() override {
    ++startRequests;
    if (active && !power.held()) ++started;
  }
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
  std::string ExecutablePath() override { return executable; }
  std::uint32_t TickCount() override { return now; }
  // Local time runs with the clock, from Monday 00:00 plus localStart
  // seconds: moving localStart is the user setting the clock. From summerFrom
  // seconds of that count, the clocks show `summer` seconds more (an hour
  // skipped) or, when negative, less (an hour repeated).
  std::int64_t LocalSeconds() const {
    const std::int64_t s = localStart + now / 1000;
    return s >= summerFrom ? s + summer : s;
  }
  LocalTime LocalNow() override {
    const std::int64_t s = LocalSeconds() % (7 * 86400);
    return {static_cast<int>(s / 86400), static_cast<int>(s % 86400 / 60),
            static_cast<int>(s % 60)};
  }
  // A time from the change on, as the clocks showed it before, is taken by
  // the rule after; one before it, by the rule before. So a time in the hour
  // repeated has summer time's bias, as Windows documents, and falls on its
  // first pass; one in the hour skipped has it too, and falls before the jump.
  std::int64_t MsUntilLocal(int days, int minuteOfDay) override {
    const std::int64_t s = LocalSeconds();
    std::int64_t target = s - s % 86400 + days * 86400LL + minuteOfDay * 60LL;
    if (target >= summerFrom) target -= summer;
    return std::max<std::int64_t>(0, (target - localStart - now / 1000) * 1000 - now % 1000);
  }
  LogonNames Logon() override { return {logon, linkedLogon}; }
  const FakePower& power;
  std::int64_t localStart = 0, summerFrom = INT64_MAX;
  int summer = 3600;
  bool active = true, accepts = true;
  int started = 0, startRequests = 0;  // started, and asked to start whether they did or not
  std::vector<std::string> launched;
  std::string native;
  std::set<std::string> files;
  std::uint32_t now = 0;
  std::string logon = "00000000000003E7", linkedLogon;
  std::string executable = "C:\\Program Files\\Tools\\Blinkward.exe";
};

// Values by "key path|name"; keys in `locked` cannot be written, and a
// restart of Windows drops the keys made for the logon only.
struct FakeRegistry : RegistryPort {
  StoredString ReadString(std::string_view keyPath, std::string_view name) override {
    if (unreadable.count(std::string(keyPath))) return {StoredString::State::Unreadable, {}, {}};
    if (const auto number = numbers.find(Name(keyPath, name)); number != numbers.end()) {
      return {StoredString::State::Present, {}, number->second};
    }
    const auto value = values.find(Name(keyPath, name));
    if (value == values.end()) return {};
    return {StoredString::State::Present, value->second, {}};
  }
  bool WriteString(std::string_view keyPath, std::string_view name,
                   std::string_view text) override {
    if (locked.count(std::string(keyPath))) return false;
    values[Name(keyPath, name)] = text;
    lists.erase(Name(keyPath, name));
    return true;
  }
  // A value of another type reads as no list.
  StoredList ReadList(std::string_view keyPath, std::string_view name) override {
    const auto list = lists.find(Name(keyPath, name));
    if (list != lists.end()) return {StoredString::State::Present, list->second};
    if (values.count(Name(keyPath, name))) return {StoredString::State::Present, {}};
    return {};
  }
  bool WriteList(std::string_view keyPath, std::string_view name,
                 const std::vector<std::string>& items) override {
    if (locked.count(std::string(keyPath))) return false;
    lists[Name(keyPath, name)] = items;
    values.erase(Name(keyPath, name));
    return true;
  }
  bool DeleteValue(std::string_view keyPath, std::string_view name) override {
    if (locked.count(std::string(keyPath))) return false;
    values.erase(Name(keyPath, name));
    return true;
  }
  // A key that exists, with values or subkeys, is cleared and made anew.
  bool CreateLogonKey(std::string_view keyPath) override {
    if (!DeleteKey(keyPath)) return false;
    logonKeys.insert(std::string(keyPath));
    return true;
  }
  bool DeleteKey(std::string_view keyPath) override {
    if (locked.count(std::string(keyPath))) return false;
    const auto below = [&](const std::string& name) {
      return name.starts_with(Name(keyPath, "")) || name.starts_with(std::string(keyPath) + "\\");
    };
    std::erase_if(values, [&](const auto& v) { return below(v.first); });
    std::erase_if(logonKeys, [&](const std::string& key) { return below(key + "|"); });
    return true;
  }
  void Restart() {
    for (const std::string& key : std::set<std::string>(logonKeys)) DeleteKey(key);
  }
  static std::string Name(std::string_view keyPath, std::string_view name) {
    return std::string(keyPath) + "|" + std::string(name);
  }
  std::string Value(std::string_view keyPath, std::string_view name = "") const {
    const auto value = values.find(Name(keyPath, name));
    return value == values.end() ? "<absent>" : value->second;
  }
  std::map<std::string, std::string> values;
  std::map<std::string, std::uint32_t> numbers;           // REG_DWORD
  std::map<std::string, std::vector<std::string>> lists;  // REG_MULTI_SZ
  std::set<std::string> locked, unreadable, logonKeys;
};

// The notification area as Windows keeps it: an add of an icon it holds, or a
// change of one it does not, is refused; a busy shell may refuse an add and
// take the icon all the same. A new icon starts with the older callbacks.
struct FakeShell : ShellPort {
  bool NotifyIcon(TrayCommand command, const TrayIconData& icon) override {
    modifies += command == TrayCommand::Modify;
    if (refuse > 0) {
      --refuse;
      ++refused;
      return false;
    }
    if (command == TrayCommand::UseKeyboardCallbacks) return keyboard = shown && takesKeyboard;
    if (command == TrayCommand::SetFocus) return focused = shown;
    if ((command == TrayCommand::Add) == shown) return false;
    if (command == TrayCommand::Add) keyboard = false;
    shown = command != TrayCommand::Delete;
    focused = focused && shown;
    picture = icon.picture;
    tip.clear();
    for (const char16_t* unit = icon.tip.data(); *unit; ++unit) {
      const char32_t code = *unit >= 0xD800 && *unit < 0xDC00
                                ? 0x10000 + ((*unit - 0xD800) << 10) + (unit[1] - 0xDC00)
                                : *unit;
      unit += code > 0xFFFF;
      const int extra = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
      tip += static_cast<char>((extra ? 0xF0 << (3 - extra) & 0xF0 : 0) | code >> 6 * extra);
      for (int k = extra - 1; k >= 0; --k) tip += static_cast<char>(0x80 | (code >> 6 * k & 0x3F));
    }
    if (command == TrayCommand::Add && refuseLandingAdds > 0) return --refuseLandingAdds, false;
    return true;
  }
  // Taken while the icon is there; shown only while nothing holds balloons
  // back (a full-screen program, quiet hours), and said so with a callback by
  // a shell that reports it.
  bool ShowBalloon(const char* title, const char*) override {
    if (!shown) return false;
    if (holdsBalloons) return true;
    balloons.push_back(title);
    if (reportsBalloons) callbacks.push_back(kBalloonShow);
    return true;
  }
  bool TaskbarExists() override { return taskbar; }
  std::vector<std::string> balloons;  // the titles of the balloons shown
  std::vector<int> callbacks;         // sent, not yet taken by the program
  // refuse: calls to refuse, as a shell still starting at logon does; refused:
  // so far; refuseLandingAdds: adds to report refused though they land.
  int refuse = 0, refused = 0, refuseLandingAdds = 0;
  int modifies = 0;  // changes of the icon asked for, taken or not
  bool holdsBalloons = false, reportsBalloons = true, shown = false, taskbar = true;
  bool takesKeyboard = true, keyboard = false,
       focused = false;  // focused: the icon has the keyboard's
  TrayPicture picture = TrayPicture::App;
  std::string tip;
};

// The timed-disable dialog's window as the user sees it, while it is open.
// It reports itself shown and runs whileOpen as its modal loop would run the
// user's input; opened again while open, it only comes forward.
struct FakeDialogView : TimedDialogView {
  static int N(SpanField f) { return static_cast<int>(f); }
  void Run(TimedDialogEvents& reportTo) override {
    ++opened;
    events = &reportTo;
    for (int f = 0; f < 3; ++f) text[f] = {}, selection[f] = {};
    focus = frame = untilTime = -1;
    startWhenDone = until = untilUsable = false;
    untilText.clear();
    open = true;
    events->OnShown();
    if (whileOpen) std::exchange(whileOpen, nullptr)();
  }
  void BringForward() override { ++broughtForward; }
  // OK with these fields, and the way and time of day as they stand.
  void Ok(const std::string& hours, const std::string& minutes, bool start) {
    events->OnOk({hours, minutes, start, until, untilTime});
  }
  // The user clicks "For" or "Until" (which checks itself, as an option
  // button does), or sets the time of day.
  void ChooseWay(bool way) { until = way, events->OnWayChosen(way); }
  void SetTime(int minuteOfDay) {
    untilTime = minuteOfDay, events->OnUntilTimeChanged(minuteOfDay);
  }
  void SetFieldText(SpanField f, const std::string& t) override { text[N(f)] = t; }
  void SelectField(SpanField f, int start, int length) override {
    selection[N(f)] = {start, start + length};
  }
  void FocusField(SpanField f) override { focus = N(f); }
  void SetUpDownValue(SpanField f, int value) override { text[N(f)] = std::to_string(value); }
  void ShowClockFrame(int shown) override { frame = shown; }
  void SetStartWhenDone(bool start) override { startWhenDone = start; }
  void SetUntil(bool way) override { until = untilUsable = way; }
  void SetUntilTime(int minuteOfDay) override { untilTime = minuteOfDay; }
  void SetUntilText(const std::string& shown) override { untilText = shown; }
  void Close() override { open = false; }
  std::string text[3], untilText;  // text by field: hours, minutes, and none for Until
  std::pair<int, int> selection[3];
  int focus = -1, frame = -1, untilTime = -1, opened = 0, broughtForward = 0;
  // untilUsable: the time of day can be used; the hours and minutes cannot.
  bool startWhenDone = false, open = false, until = false, untilUsable = false;
  TimedDialogEvents* events = nullptr;
  std::function<void()> whileOpen;
};

// The program's windows: the hidden one's timers, menu and shortcut, and the
// settings window. A timer is due an interval after it started or last fired.
struct FakeUi : MainWindowPort, TimerPort, TrayWindowPort, SettingsWindowPort, HotkeyPort {
  explicit FakeUi(const std::uint32_t& now) : now(now) {}
  struct Running {
    int interval;
    std::uint32_t due;
  };
  void StartTimer(TimerId id, int intervalMs) override {
    timers[static_cast<int>(id)] = {intervalMs, now + intervalMs};
    ++starts;
  }
  void StopTimer(TimerId id) override { timers.erase(static_cast<int>(id)); }
  int TrackPopupMenu(std::span<const MenuItem> items) override {
    menu.assign(items.begin(), items.end());
    if (whilePopupOpen) whilePopupOpen();
    return popupChoice;
  }
  void Show(const SettingsView& view) override {
    settingsVisible = true;
    settings = view;
  }
  void Hide() override { settingsVisible = false; }
  // Its lines are kept as the user read them: the menu's texts end with it.
  int TrackControlMenu(int, std::span<const MenuItem> items) override {
    controlMenu.clear();
    for (const MenuItem& item : items) controlMenu.push_back(item.caption ? item.caption : "-");
    return popupChoice;
  }
  std::string BrowseForProgram() override { return browsed; }
  void ShowMessage(const char* text) override { messages.push_back(text); }
  void Update(const SettingsView& view) override { settings = view; }
  void Quit() override { quit = true; }
  void TurnDisplayOff() override { displayOffAt.push_back(now); }
  // A shortcut that another program holds, or the program itself, is refused.
  bool RegisterHotkey(Hotkey hotkey) override {
    if (taken.count(ControlValueOf(hotkey)) || hotkey == held) return false;
    held = hotkey;
    return true;
  }
  void UnregisterHotkey() override { held = {}; }
  bool Runs(int timer) const { return timers.count(timer) != 0; }
  std::optional<std::pair<int, std::uint32_t>> Next() const {
    std::optional<std::pair<int, std::uint32_t>> next;
    for (const auto& [id, timer] : timers) {
      if (!next || static_cast<std::int32_t>(timer.due - next->second) < 0) {
        next = {id, timer.due};
      }
    }
    return next;
  }
  MenuItem Item(MenuCommand command) const {
    for (const MenuItem& item : menu) {
      if (item.command == static_cast<int>(command)) return item;
    }
    return {};
  }
  // The settings window's check boxes and list as last shown, by id.
  int Shown(int id) const {
    for (const ControlValue& v : settings.values) {
      if (v.id == id) return v.value;
    }
    return -2;
  }
  // A caption the program set, by id.
  std::string Text(int id) const {
    for (const ControlText& t : settings.texts) {
      if (t.id == id) return t.text;
    }
    return "<none>";
  }
  const std::uint32_t& now;
  std::map<int, Running> timers;  // by id
  std::vector<MenuItem> menu;
  int popupChoice = 0, starts = 0;  // timers started or started anew
  std::string browsed;              // the path the Open dialog returns
  // The lines of the menu last opened at a control; the messages shown, in order.
  std::vector<std::string> controlMenu, messages;
  std::function<void()> whilePopupOpen;
  bool settingsVisible = false, quit = false;
  std::vector<std::uint32_t> displayOffAt;  // when the display was turned off
  SettingsView settings;
  std::set<int> taken;  // the shortcuts other programs hold, as ControlValueOf
  Hotkey held;          // the program's
};

// The user's session as Windows runs it: processes, their windows and the
// foreground. A watched process's end is reported to the program once; a
// window's showing and the foreground's changes while reported.
struct FakePrograms : ProgramsPort {
  struct Process {
    std::string file;
    bool ours = true;  // in this session
    bool window = false;
  };
  std::vector<RunningProcess> Processes() override {
    ++looks;
    std::vector<RunningProcess> found;
    for (const auto& [id, process] : running) found.push_back({id, process.file});
    return found;
  }
  std::string ProcessFile(std::uint32_t id) override {
    const auto process = running.find(id);
    return process != running.end() ? process->second.file : "";
  }
  bool WatchForEnd(std::uint32_t id) override {
    const auto process = running.find(id);
    if (process == running.end() || !process->second.ours) return false;
    watched.insert(id);
    return true;
  }
  void StopWatching(std::uint32_t id) override { watched.erase(id); }
  void ReportWindows(bool on) override { reporting = on; }
  Foreground JudgeForeground() override { return foreground; }
  bool SystemSaysFullScreen() override {
    ++systemAsked;
    return presentation;
  }
  std::vector<ProgramWindow> Windows() override {
    std::vector<ProgramWindow> windows;
    for (const auto& [id, process] : running) {
      if (process.window && process.ours)
        windows.push_back({"Window of " + process.file, process.file});
    }
    return windows;
  }
  // A program starts, under the id of one that has ended if given; its
  // window, if it has one, is reported as it shows, with its thread's id.
  std::uint32_t Start(const std::string& file, bool window = true, bool ours = true,
                      std::uint32_t reused = 0) {
    const std::uint32_t id = reused ? reused : nextId += 4;
    running[id] = {file, ours, window};
    if (window && reporting) events->OnWindowShown(id, nextThread += 4);
    return id;
  }
  // Another window comes to the front.
  void Front(Foreground now) {
    foreground = now;
    if (reporting) events->OnForegroundChanged();
  }
  void End(std::uint32_t id) {
    running.erase(id);
    if (watched.erase(id)) events->OnProcessEnded(id);
  }
  ProgramEvents* events = nullptr;
  std::map<std::uint32_t, Process> running;
  std::set<std::uint32_t> watched;
  bool reporting = false;
  Foreground foreground = Foreground::Windowed;
  bool presentation = false;       // the system's word on full screen
  int looks = 0, systemAsked = 0;  // looks at the whole session; the system asked
  std::uint32_t nextId = 100, nextThread = 2;
};

// The logon's audio sessions as Windows keeps them: listed and reported only
// while listened to, and only on a system that has them (Windows 7 on); a
// session's start, pause and end are reported, its level is not; a meter
// reads nothing while its session is inactive.
struct FakeSound : SoundPort {
  struct Session {
    std::string file;
    bool active, metered;
    float peak;
  };
  bool HasSessions() override { return lists; }
  void Listen(bool on) override {
    if (on == listening) ADD_FAILURE() << "asked for what already holds: " << on;
    listening = on && lists;
  }
  std::vector<SoundSession> Sessions() override {
    ++looks;
    std::vector<SoundSession> now;
    for (const auto& [id, s] : listening ? sessions : std::map<std::uint32_t, Session>{}) {
      meterReads += s.active && s.metered;
      now.push_back({id, s.file, s.active, s.metered, s.active ? s.peak : 0.0f});
    }
    return now;
  }
  // A program's session starts or goes on playing at this peak (0: silent).
  void Play(std::uint32_t id, const std::string& file, float peak, bool metered = true) {
    const bool started = !sessions.count(id) || !sessions[id].active;
    sessions[id] = {file, true, metered, peak};
    if (started) Tell();
  }
  void Pause(std::uint32_t id) {
    sessions[id].active = false;
    Tell();
  }
  void Tell() {
    if (listening) events->OnSoundChanged();
  }
  SoundEvents* events = nullptr;
  std::map<std::uint32_t, Session> sessions;
  bool lists = true, listening = false;
  int looks = 0, meterReads = 0;  // the sessions looked at; peaks read of active metered ones
};

struct FakePlatform {
  FakePlatform() = default;
  // Another logon of the same user, whose registry is the user's too.
  explicit FakePlatform(FakeRegistry& users) : registry(users) {}
  FakePower power;
  FakeSystem system{power};
  FakeLocale locale;
  FakeRegistry ownRegistry;
  FakeRegistry& registry = ownRegistry;
  FakeShell shell;
  FakeDialogView dialog;
  FakeUi ui{system.now};
  FakePrograms programs;
  FakeSound sound;
  Platform platform{system,   system, locale, system, system, registry, shell,  power,
                    programs, ui,     ui,     ui,     ui,     ui,       dialog, sound};

  // What a user sees: the screen saver's state, then the icon ("app" for the
  // program's own picture, "green", "red" or "clock") and its tip.
  std::string Seen() const {
    static const char* const kPictures[kTrayPictureCount] = {"app", "green", "red", "clock"};
    return std::string(system.active ? "saver on, " : "saver off, ") +
           (shell.shown ? kPictures[static_cast<int>(shell.picture)] + (": " + shell.tip)
                        : "no icon");
  }
};

// A copy of the program on a platform, not yet started.
struct Program {
  explicit Program(FakePlatform& fake) : fake(fake) {
    fake.programs.events = &app;
    fake.sound.events = &app;
  }
  // Starts it and draws its first poll, if it polls.
  void Start() {
    app.Start();
    if (fake.ui.timers.count(static_cast<int>(TimerId::Poll))) Tick(TimerId::Poll);
  }
  void Tick(TimerId timer) { app.OnTimer(timer); }
  // Time passes: each timer fires when it is due, as the window would fire
  // it, the shell's callbacks taken in between.
  void Pass(int ms) {
    const std::uint32_t end = fake.system.now + ms;
    for (auto next = fake.ui.Next(); next && static_cast<std::int32_t>(end - next->second) >= 0;
         next = fake.ui.Next()) {
      Deliver();
      fake.system.now = next->second;
      fake.ui.timers[next->first].due += fake.ui.timers[next->first].interval;
      Tick(static_cast<TimerId>(next->first));
    }
    Deliver();
    fake.system.now = end;
  }
  // A callback of the icon, sent by the shell now, after those it sent before.
  void Tray(int message) {
    Deliver();
    app.OnTrayMessage(message, fake.system.now);
  }
  // The callbacks the shell has sent meanwhile, taken by the message loop.
  void Deliver() {
    for (const int message : std::exchange(fake.shell.callbacks, {})) {
      app.OnTrayMessage(message, fake.system.now);
    }
  }
  // A right click on the icon, as the shell reports it, choosing the command
  // in the popup menu.
  void Choose(MenuCommand command) {
    fake.ui.popupChoice = static_cast<int>(command);
    Tray(kRightButtonUp);
    if (fake.shell.keyboard) Tray(kContextMenu);
    fake.ui.popupChoice = 0;
  }
  // Whole seconds of the countdown, one tick each.
  void CountdownSeconds(int seconds) {
    for (int s = 0; s < seconds; ++s) {
      fake.system.now += 1000;
      Tick(TimerId::Countdown);
    }
  }
  // A timed disable begun from the menu, with the span the user enters.
  void BeginSpan(int hours, int minutes, bool startWhenDone) {
    fake.dialog.whileOpen = [=, this] {
      fake.dialog.Ok(std::to_string(hours), std::to_string(minutes), startWhenDone);
    };
    Choose(MenuCommand::TimedDisable);
  }
  std::string Seen() const { return fake.Seen(); }
  FakePlatform& fake;
  App app{fake.platform};
};

struct WithPlatform {
  FakePlatform platform;
};

// What Seen() reads with the screen saver on, off, and counting down.
inline const std::string kOn = "saver on, green: Screen Saver is ENABLED";
inline const std::string kOff = "saver off, red: Screen Saver is DISABLED";
inline const std::string kCounting =
    "saver off, clock: Screen Saver will be DISABLED\nfor the next ";

// The program started, its first poll drawn (screen saver on).
struct Started : ::testing::Test, WithPlatform, Program {
  Started() : Program(platform) { Start(); }
};

}  // namespace bw::test
