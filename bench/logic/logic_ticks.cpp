// Runs the program's two periodic handlers natively, many times over, so that
// a tool can count what one tick costs: the status poller with no change, the
// same with five programs listed and full screen ticked while none of them
// runs, the same with working hours set (outside them) and "only on mains
// power" ticked, and the countdown. The platform here is the smallest that
// satisfies the ports: it counts state queries, shell, power, program and
// local-time calls and records nothing, so what the measurement sees is the
// logic's own work.
//
//   logic_ticks poller N | hold N | hours N | countdown N
//
// prints the ticks, and per tick the heap allocations, state queries, state
// switches, shell, power, program and local-time calls. Run it under callgrind with two values of
// N: the difference of the instruction totals, divided by the difference of N, is the cost of one
// tick without the start-up.
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string_view>

#include "app/app.h"
#include "tray/tray_message.h"

namespace {

long allocations = 0;  // every operator new since the last reset

struct Counts {
  long queries = 0;
  long switches = 0;
  long shellCalls = 0;
  long powerCalls = 0;
  long programCalls = 0;  // looks at the running programs and the foreground window
  long clockReads = 0;    // the local time, and the time until one
};
Counts counts;

class System : public bw::ScreenSaverPort,
               public bw::ClockPort,
               public bw::SessionPort,
               public bw::LauncherPort {
 public:
  bool ScreenSaverActive() override {
    ++counts.queries;
    return active_;
  }
  bool SetScreenSaverActive(bool active) override {
    ++counts.switches;
    active_ = active;
    return true;
  }
  void StartScreenSaver() override {}
  bool Launch(const std::string&, const std::string&) override { return true; }
  std::string SystemDirectory() override { return {}; }
  std::string NativeSystemDirectory() override { return {}; }
  bool FileExists(const std::string&) override { return false; }
  std::string ExpandVariables(const std::string& text) override { return text; }
  std::string ExecutablePath() override { return {}; }
  // Each reading is a second later: one per countdown tick.
  std::uint32_t TickCount() override { return now_ += 1000; }
  bw::LocalTime LocalNow() override {
    ++counts.clockReads;
    return {0, static_cast<int>(now_ / 60000 % 1440), 0};
  }
  std::int64_t MsUntilLocal(int days, int minuteOfDay) override {
    ++counts.clockReads;
    return (days * 1440LL + minuteOfDay) * 60000;
  }
  bw::LogonNames Logon() override { return {"0", {}}; }

 private:
  bool active_ = false;  // so that the display is held through every tick
  std::uint32_t now_ = 0;
};

class Registry : public bw::RegistryPort {
 public:
  Registry(bool hold, bool hours) : hold_(hold), hours_(hours) {}
  // The display is kept on: while the screen saver is off, the request is held.
  // The hours begin at noon, which no run reaches.
  bw::StoredString ReadString(std::string_view keyPath, std::string_view) override {
    if (keyPath == bw::kSettingRows[bw::SettingRowOf(bw::kIdKeepDisplayOn)].key ||
        (hold_ && keyPath == bw::kSettingRows[bw::SettingRowOf(bw::kIdFullScreen)].key) ||
        (hours_ && keyPath == bw::kSettingRows[bw::SettingRowOf(bw::kIdMainsOnly)].key)) {
      return {bw::StoredString::State::Present, "1", {}};
    }
    if (hours_ && keyPath == bw::kWorkingHoursKey) {
      return {bw::StoredString::State::Present, "1;1111111;12:00;13:00", {}};
    }
    return {};
  }
  bool WriteString(std::string_view, std::string_view, std::string_view) override { return false; }
  bw::StoredList ReadList(std::string_view keyPath, std::string_view) override {
    if (!hold_ || keyPath != bw::kProgramsKey) return {};
    return {bw::StoredString::State::Present,
            {"obs64.exe", "mstsc.exe", "vlc.exe", "zoom.exe", "listed_program.exe"}};
  }
  bool WriteList(std::string_view, std::string_view, const std::vector<std::string>&) override {
    return false;
  }
  bool DeleteValue(std::string_view, std::string_view) override { return true; }
  bool CreateLogonKey(std::string_view) override { return true; }
  bool DeleteKey(std::string_view) override { return true; }

 private:
  bool hold_;   // five programs listed and full screen ticked
  bool hours_;  // working hours set, and only mains power counts
};

class Shell : public bw::ShellPort {
 public:
  bool NotifyIcon(bw::TrayCommand, const bw::TrayIconData&) override {
    ++counts.shellCalls;
    return true;
  }
  bool ShowBalloon(const char*, const char*) override {
    ++counts.shellCalls;
    return true;
  }
  bool TaskbarExists() override { return true; }
};

class Power : public bw::PowerPort {
 public:
  bool Keep(bw::KeepAwake) override {
    ++counts.powerCalls;
    return true;
  }
  bool OnBattery() override {
    ++counts.powerCalls;
    return false;
  }
};

// Nothing listed runs and no window fills its monitor.
class Programs : public bw::ProgramsPort {
 public:
  std::vector<bw::RunningProcess> Processes() override {
    ++counts.programCalls;
    return {};
  }
  std::string ProcessFile(std::uint32_t) override {
    ++counts.programCalls;
    return {};
  }
  bool WatchForEnd(std::uint32_t) override { return false; }
  void StopWatching(std::uint32_t) override {}
  void ReportWindows(bool) override {}
  bw::Foreground JudgeForeground() override {
    ++counts.programCalls;
    return bw::Foreground::Windowed;
  }
  bool SystemSaysFullScreen() override {
    ++counts.programCalls;
    return false;
  }
  std::vector<bw::ProgramWindow> Windows() override { return {}; }
};

// A system without audio sessions: the sound is never followed here.
class Sound : public bw::SoundPort {
 public:
  bool HasSessions() override { return false; }
  void Listen(bool) override {}
  std::vector<bw::SoundSession> Sessions() override { return {}; }
};

class Locale : public bw::LocalePort {
 public:
  int FirstDayOfWeek() override { return 0; }
  std::string TimeText(int) override { return "17:00"; }
};

// The menu chooses what it is told to; the dialog is confirmed with the
// hours it is given. No shortcut is stored.
class Ui : public bw::MainWindowPort,
           public bw::TimerPort,
           public bw::TrayWindowPort,
           public bw::SettingsWindowPort,
           public bw::HotkeyPort {
 public:
  void StartTimer(bw::TimerId, int) override {}
  void StopTimer(bw::TimerId) override {}
  int TrackPopupMenu(std::span<const bw::MenuItem>) override { return choice; }
  void Quit() override {}
  void TurnDisplayOff() override {}
  void Show(const bw::SettingsView&) override {}
  void Hide() override {}
  void Update(const bw::SettingsView&) override {}
  int TrackControlMenu(int, std::span<const bw::MenuItem>) override { return 0; }
  std::string BrowseForProgram() override { return {}; }
  void ShowMessage(const char*) override {}
  bool RegisterHotkey(bw::Hotkey) override { return false; }
  void UnregisterHotkey() override {}
  int choice = 0;
};

class Dialog : public bw::TimedDialogView {
 public:
  void Run(bw::TimedDialogEvents& events) override {
    events.OnShown();
    events.OnOk({hours, "0", false, false, 0});
  }
  void BringForward() override {}
  void SetFieldText(bw::SpanField, const std::string&) override {}
  void SelectField(bw::SpanField, int, int) override {}
  void FocusField(bw::SpanField) override {}
  void SetUpDownValue(bw::SpanField, int) override {}
  void ShowClockFrame(int) override {}
  void SetStartWhenDone(bool) override {}
  void SetUntil(bool) override {}
  void SetUntilTime(int) override {}
  void SetUntilText(const std::string&) override {}
  void Close() override {}
  std::string hours;
};

void Report(const char* what, long ticks) {
  const double n = ticks > 0 ? static_cast<double>(ticks) : 1.0;
  std::printf(
      "%s ticks=%ld allocations_per_tick=%g queries_per_tick=%g switches_per_tick=%g "
      "shell_calls_per_tick=%g power_calls_per_tick=%g program_calls_per_tick=%g "
      "clock_reads_per_tick=%g\n",
      what, ticks, allocations / n, counts.queries / n, counts.switches / n, counts.shellCalls / n,
      counts.powerCalls / n, counts.programCalls / n, counts.clockReads / n);
}

void ResetCounts() {
  counts = {};
  allocations = 0;
}

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  std::abort();  // built without exceptions, as the program is
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++allocations;
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: logic_ticks poller|hold|hours|countdown N\n");
    return 2;
  }
  const std::string_view mode = argv[1];
  const long ticks = std::atol(argv[2]);

  System system;
  Locale locale;
  Registry registry(mode == "hold", mode == "hours");
  Shell shell;
  Ui ui;
  Power power;
  Programs programs;
  Dialog dialog;
  Sound sound;
  bw::Platform platform{
      system,   system, locale, system, system, registry, shell,  power,
      programs, ui,     ui,     ui,     ui,     ui,       dialog, sound,
  };
  bw::App app(platform);

  // As at start-up: the icon is added and the first tick draws the true state.
  app.Start();
  const bw::TimerId poll = bw::TimerId::Poll;
  app.OnTimer(poll);

  if (mode == "poller" || mode == "hold" || mode == "hours") {
    ResetCounts();
    for (long i = 0; i < ticks; ++i) app.OnTimer(poll);
    Report(argv[1], ticks);
    return 0;
  }
  if (mode == "countdown") {
    // A span long enough that no run reaches its end: every tick counts down
    // through "H hours and M minutes" texts, the common case.
    dialog.hours = std::to_string(ticks / 3600 + 3);
    ui.choice = static_cast<int>(bw::MenuCommand::TimedDisable);
    app.OnTrayMessage(bw::kContextMenu, 0);
    ResetCounts();
    for (long i = 0; i < ticks; ++i) app.OnTimer(bw::TimerId::Countdown);
    Report("countdown", ticks);
    return 0;
  }
  std::fprintf(stderr, "logic_ticks: unknown mode %s\n", argv[1]);
  return 2;
}
