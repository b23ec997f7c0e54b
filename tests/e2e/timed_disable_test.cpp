// A timed disable through the real dialog that outlives a killed program but
// not its own time: the note a later copy reads is in the real registry, and
// the time it counts runs on between processes.
#include "fixture.h"
#include "timed/span_note.h"
#include "timed/timed_layout.h"
#include "win32/timed_dialog_window.h"

namespace e2e {
namespace {

constexpr bw::Span kSpan{0, 2};
constexpr DWORD kTickMs = 3000;  // for the countdown's once-a-second work to show

// This logon's note: the notes' only subkey, named by the logon ("" if none).
std::wstring Note() {
  const std::wstring notes = Widen(bw::kSpanNotesKey);
  HKEY key = nullptr;
  wchar_t name[64] = L"";
  DWORD length = 64;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, notes.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key)) return {};
  const bool found = !RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return found ? notes + L"\\" + name : std::wstring();
}

struct TimedDisable : BlinkwardTest {
  HWND OpenDialog() const {  // null if none showed
    HWND dialog = nullptr;
    const std::wstring dialogClass = Widen(bw::win32::kTimedDialogClass);
    if (Choose(bw::MenuCommand::TimedDisable)) {
      PumpUntil([&] { return (dialog = WindowOf(blinkward_.info.dwProcessId, dialogClass)); },
                kWaitMs);
    }
    return dialog;
  }
};

TEST_F(TimedDisable, OutlivesAKillButNotItsTime) {
  const std::int32_t counter = bw::SpanCounter(kSpan);
  const std::wstring counting = Widen(bw::CountdownTip(counter, bw::SplitCounter(counter)).view());
  ASSERT_TRUE(SetScreenSaverActive(true));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward());
  // The span as the user types it into the dialog the menu opened.
  const HWND dialog = OpenDialog();
  ASSERT_TRUE(dialog) << "the menu showed no dialog";
  for (const auto& [field, value] :
       {std::pair{bw::kIdHours, kSpan.hours}, {bw::kIdMinutes, kSpan.minutes}})
    Send(GetDlgItem(dialog, field), WM_SETTEXT, 0,
         reinterpret_cast<LPARAM>(std::to_wstring(value).c_str()));
  Send(GetDlgItem(dialog, bw::kIdOk), BM_CLICK);
  ASSERT_TRUE(WaitForTip(counting, kTickMs)) << "tip is \"" << Tip() << "\"";
  EXPECT_TRUE(WaitForScreenSaver(false, kTickMs));
  Kill();
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), counting));

  // A span whose time ran out while no copy ran: its start moved back by the span.
  Kill();
  const std::wstring note = Note();
  const std::wstring begun = ReadUserText(note, L"Begun").value_or(L"");
  ASSERT_FALSE(begun.empty()) << "no note of the span";
  const DWORD spanMs = (counter + 1) * 1000;
  ASSERT_TRUE(WriteUserText(note, L"Begun", std::to_wstring(std::stoul(begun) - spanMs)));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(BlinkwardExePath(), TipFor(true)));
  EXPECT_TRUE(ScreenSaverActive());
  ASSERT_TRUE(OpenDialog());  // left open: the end of the logon must close it too
}

}  // namespace
}  // namespace e2e
