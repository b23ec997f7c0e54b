#include "platform/win32/timed_dialog_win.h"

#include <commctrl.h>

#include "timed/timed_layout.h"

namespace bw::win32 {
namespace {

// `tmrAnimClock`'s id on the dialog's window.
constexpr UINT_PTR kAnimClockTimer = 1;

// The key of a keyboard message: its scan code with the extended-key bit.
std::size_t KeyOf(LPARAM lParam) { return (lParam >> 16) & 0x1FF; }

void RegisterTimedDialogClass(HINSTANCE instance) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kTimedDialogClass, &existing)) return;
  // No icon: with its modal frame the dialog shows none in its title bar.
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Window::Procedure;
  windowClass.cbWndExtra = DLGWINDOWEXTRA;  // DefDlgProc keeps its state there
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kTimedDialogClass;
  RegisterClassA(&windowClass);
}

}  // namespace

TimedDialogWin::TimedDialogWin(TimedDisable& countdown, const Window& owner)
    : countdown_(countdown), owner_(owner) {}

TimedDialogWin::~TimedDialogWin() {
  if (hwnd()) DestroyWindow(hwnd());
}

void TimedDialogWin::ShowTimedDisableDialog() {
  if (!Open()) return;
  RunModal();
}

bool TimedDialogWin::Open() {
  if (hwnd()) return false;
  if (!form_) form_.emplace(*this, countdown_);
  if (!BuildWindow()) return false;
  form_->Load();
  // Disabled before the dialog shows, as a modal dialog's owner is.
  EnableWindow(owner_.hwnd(), FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  Focus(SpanField::Hours);
  return true;
}

bool TimedDialogWin::BuildWindow() {
  RegisterTimedDialogClass(GetModuleHandleA(nullptr));
  const FormSpec& layout = TimedDisableForm();
  if (!CreateFormWindow(layout, kTimedDialogClass, kTimedDialogStyle, kTimedDialogExStyle,
                        owner_.hwnd(), this)) {
    return false;
  }
  // Without all its controls the dialog could not be used or read: not shown.
  if (!CreateControls(hwnd(), layout, resources_)) {
    DestroyWindow(hwnd());
    return false;
  }
  // Enter presses OK, unless the focus is on Cancel: the dialog manager lends
  // the default to a focused push button and returns it to OK afterwards.
  SendMessageA(hwnd(), DM_SETDEFID, IDOK, 0);
  AttachKeyFilter(SpanField::Hours);
  AttachKeyFilter(SpanField::Minutes);
  return true;
}

void TimedDialogWin::RunModal() {
  MSG msg;
  while (hwnd()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: the dialog goes as Cancel would, and the quit
      // goes on to the program's own loop, which would otherwise never see it.
      form_->OnCancel();
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    // -1 means an invalid argument, which this loop never passes; keep running.
    if (got == -1) continue;
    if (DialogKeyboard(hwnd(), msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void TimedDialogWin::EndSession() {
  if (hwnd()) form_->OnEndSession();
}

LRESULT TimedDialogWin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(wParam)) return 0;
      break;
    case WM_CLOSE:  // the close box, the system menu, Alt+F4
      form_->OnCancel();
      return 0;
    case WM_TIMER:
      if (wParam == kAnimClockTimer) {
        form_->OnAnimClockTimer();
        return 0;
      }
      break;
    case WM_VSCROLL:
      OnUpDownScroll(wParam, lParam);
      return 0;
    default:
      break;
  }
  return DefDlgProcA(hwnd(), message, wParam, lParam);
}

// OK and Cancel, clicked or pressed with Enter and Esc.
bool TimedDialogWin::OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return false;
  switch (LOWORD(wParam)) {
    case IDOK:
      form_->OnOK();
      return true;
    case IDCANCEL:
      form_->OnCancel();
      return true;
    default:
      return false;
  }
}

// An up-down sends WM_VSCROLL after every step, even one that stops at its
// end, and only once it has written the new number into its text box; the
// selection made now is therefore not undone by that text. UDN_DELTAPOS comes
// before the text changes.
void TimedDialogWin::OnUpDownScroll(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != SB_THUMBPOSITION) return;
  const HWND from = reinterpret_cast<HWND>(lParam);
  for (SpanField field : {SpanField::Hours, SpanField::Minutes}) {
    if (from == UpDown(field)) form_->OnUpDownNotify(field);
  }
}

void TimedDialogWin::AttachKeyFilter(SpanField field) {
  SetWindowSubclass(Field(field), FieldProcedure, static_cast<UINT_PTR>(field),
                    reinterpret_cast<DWORD_PTR>(this));
}

// Keys reach the filter before the text box acts on them. A discarded key's
// character, which TranslateMessage queues with the key's own scan code, is
// dropped as well when it comes.
LRESULT CALLBACK TimedDialogWin::FieldProcedure(HWND field, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR subclassId,
                                                DWORD_PTR self) {
  auto* dialog = reinterpret_cast<TimedDialogWin*>(self);
  const std::size_t key = KeyOf(lParam);
  switch (message) {
    case WM_KEYDOWN: {
      const bool passes = dialog->form_->OnFieldKeyDown(static_cast<SpanField>(subclassId),
                                                        static_cast<int>(wParam));
      dialog->discardedKeys_[key] = !passes;
      if (!passes) return 0;
      break;
    }
    case WM_CHAR:
      if (dialog->discardedKeys_[key]) {
        dialog->discardedKeys_[key] = false;
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, FieldProcedure, subclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

HWND TimedDialogWin::Field(SpanField field) const {
  return GetDlgItem(hwnd(), field == SpanField::Hours ? kIdHours : kIdMinutes);
}

HWND TimedDialogWin::UpDown(SpanField field) const {
  return GetDlgItem(hwnd(), field == SpanField::Hours ? kIdHoursUpDown : kIdMinutesUpDown);
}

void TimedDialogWin::InitCommonControls() { ::InitCommonControls(); }

void TimedDialogWin::StartClock() {
  SetTimer(hwnd(), kAnimClockTimer, kAnimClockIntervalMs, nullptr);
}

std::string TimedDialogWin::Text(SpanField field) { return WindowText(Field(field)); }

void TimedDialogWin::SetText(SpanField field, const std::string& text) {
  SetWindowTextA(Field(field), text.c_str());
}

void TimedDialogWin::SelectText(SpanField field, int start, int length) {
  SendMessageA(Field(field), EM_SETSEL, start, start + length);
}

// Through the dialog manager, which also gives the default back to OK when the
// focus leaves Cancel.
void TimedDialogWin::Focus(SpanField field) {
  SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Field(field)), TRUE);
}

int TimedDialogWin::UpDownValue(SpanField field) {
  return static_cast<int>(SendMessageA(UpDown(field), UDM_GETPOS32, 0, 0));
}

UpDownLimits TimedDialogWin::UpDownRange(SpanField field) {
  int lower = 0, upper = 0;
  SendMessageA(UpDown(field), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
               reinterpret_cast<LPARAM>(&upper));
  return {lower, upper};
}

void TimedDialogWin::SetUpDownValue(SpanField field, int value) {
  SendMessageA(UpDown(field), UDM_SETPOS32, 0, value);
}

// `imgClock(frame)` holds the picture; `imgAnimClock` shows the same icon.
void TimedDialogWin::ShowClockFrame(int frame) {
  const LRESULT icon = SendMessageA(GetDlgItem(hwnd(), kIdClock0 + frame), STM_GETICON, 0, 0);
  SendMessageA(GetDlgItem(hwnd(), kIdAnimClock), STM_SETICON, icon, 0);
}

int TimedDialogWin::StartOnExpireValue() {
  return static_cast<int>(SendMessageA(GetDlgItem(hwnd(), kIdStartOnExpire), BM_GETCHECK, 0, 0));
}

void TimedDialogWin::SetStartOnExpireValue(int value) {
  SendMessageA(GetDlgItem(hwnd(), kIdStartOnExpire), BM_SETCHECK, value, 0);
}

void TimedDialogWin::Close() {
  if (!hwnd()) return;
  KillTimer(hwnd(), kAnimClockTimer);
  // Enabled before the dialog goes, so that the activation returns to the
  // program's window and not to another program's.
  EnableWindow(owner_.hwnd(), TRUE);
  DestroyWindow(hwnd());
}

}  // namespace bw::win32
