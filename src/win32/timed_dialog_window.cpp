#include "win32/timed_dialog_window.h"

#include <commctrl.h>

#include <utility>
#include <vector>

#include "timed/clock_frames.h"
#include "win32/common_controls.h"
#include "win32/res/resource_ids.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

// The numbers the dialog's logic and layout know of Windows are Windows' own.
static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL);
static_assert(kKeyBackspace == VK_BACK && kKeyUp == VK_UP && kKeyDown == VK_DOWN &&
              kKeyDelete == VK_DELETE && kKeyDigit0 == '0' && kKeyDigit9 == '9' &&
              kKeyPad0 == VK_NUMPAD0 && kKeyPad9 == VK_NUMPAD9);

// The key of a keyboard message: its scan code with the extended-key bit.
std::size_t KeyOf(LPARAM lParam) { return (lParam >> 16) & 0x1FF; }

// The stopwatch's frames, unpacked from their resource and made icons of
// `pixels` square. Each frame is the bitmap of an icon resource, which
// CreateIconFromResourceEx scales to the size as LoadImage would; none if
// the resource does not unpack.
void MakeClockFrames(UniqueIcon (&frames)[kClockFrameCount], int pixels) {
  const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_CLOCK_FRAMES), RT_RCDATA);
  const auto* packed = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
  std::vector<std::uint8_t> bitmaps(kClockFrameCount * kClockFrameBytes);
  if (!packed || !UnpackFrames({packed, SizeofResource(nullptr, found)}, bitmaps)) return;
  for (int k = 0; k < kClockFrameCount; ++k) {
    frames[k] =
        UniqueIcon(CreateIconFromResourceEx(&bitmaps[k * kClockFrameBytes], kClockFrameBytes, TRUE,
                                            0x00030000,  // the format's version: Windows 3.x on
                                            pixels, pixels, LR_DEFAULTCOLOR));
  }
}

}  // namespace

TimedDialogWindow::~TimedDialogWindow() {
  if (hwnd()) DestroyWindow(hwnd());
}

void TimedDialogWindow::Run(TimedDialogEvents& events) {
  if (hwnd()) return;
  events_ = &events;
  if (Open()) RunModal();
}

void TimedDialogWindow::BringForward() {
  if (hwnd()) SetForegroundWindow(hwnd());
}

bool TimedDialogWindow::Open() {
  if (hwnd() || !BuildWindow()) return false;
  wayShown_ = false;  // a new window shows "For" until told otherwise
  events_->OnShown();
  // Disabled before the dialog shows, as a modal dialog's owner is.
  EnableWindow(owner_.hwnd(), FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  FocusField(std::exchange(openingFocus_, SpanField::Hours));
  return true;
}

bool TimedDialogWindow::BuildWindow() {
  LoadCommonControls();
  // No icon: with its modal frame the dialog shows none in its title bar.
  // DefDlgProc keeps its state in the window's extra bytes.
  RegisterClassOnce(kTimedDialogClass, Window::Procedure, DLGWINDOWEXTRA);
  const WindowLayout& layout = TimedDialogLayout();
  if (!CreateLayoutWindow(layout, kTimedDialogClass, kTimedDialogStyle, kTimedDialogExStyle,
                          owner_.hwnd(), this)) {
    return false;
  }
  // Without all its controls the dialog could not be used or read: not shown.
  if (!CreateControls(hwnd(), layout, fonts_)) {
    DestroyWindow(hwnd());
    return false;
  }
  const RECT clock = PixelRect(FindControl(layout, kIdClock)->twips, ScreenDpi());
  if (!clockFrames_[0]) MakeClockFrames(clockFrames_, clock.right - clock.left);
  // Enter presses OK, unless the focus is on Cancel: the dialog manager lends
  // the default to a focused push button and returns it to OK afterwards.
  SendMessageA(hwnd(), DM_SETDEFID, IDOK, 0);
  AttachKeyFilter(SpanField::Hours);
  AttachKeyFilter(SpanField::Minutes);
  return true;
}

// A quit means the program is ending: the dialog goes as Cancel would, and
// the quit goes on to the program's own loop, which would otherwise never see it.
void TimedDialogWindow::RunModal() {
  if (!hwnd()) return;
  const std::optional<int> quit = RunMessageLoop(hwnd(), hwnd());
  if (!quit) return;
  Cancel();
  PostQuitMessage(*quit);
}

void TimedDialogWindow::Cancel() {
  if (hwnd()) events_->OnCancel();
}

LRESULT TimedDialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(wParam)) return 0;
      break;
    case WM_CLOSE:  // the close box, the system menu, Alt+F4
      events_->OnCancel();
      return 0;
    case WM_VSCROLL:
      OnUpDownScroll(wParam, lParam);
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      break;
    default:
      break;
  }
  return DefDlgProcW(hwnd(), message, wParam, lParam);
}

// OK and Cancel, clicked or pressed with Enter and Esc, and the ways.
bool TimedDialogWindow::OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return false;
  switch (LOWORD(wParam)) {
    case IDOK: {
      const std::string hours = WindowText(Field(SpanField::Hours));
      const std::string minutes = WindowText(Field(SpanField::Minutes));
      events_->OnOk({hours, minutes, IsDlgButtonChecked(hwnd(), kIdStartWhenDone) == BST_CHECKED,
                     IsDlgButtonChecked(hwnd(), kIdUntil) == BST_CHECKED,
                     PickerMinute(Field(SpanField::Until))});
      return true;
    }
    case kIdFor:
    case kIdUntil: {
      // The dialog manager may click a button as it takes the focus, checked
      // already or about to be unchecked (Wine 10): only a new way is one.
      const bool until = IsDlgButtonChecked(hwnd(), kIdUntil) == BST_CHECKED;
      if (until != (LOWORD(wParam) == kIdUntil) || until == wayShown_) return true;
      wayShown_ = until;
      events_->OnWayChosen(until);
      return true;
    }
    case IDCANCEL:
      events_->OnCancel();
      return true;
    default:
      return false;
  }
}

// The time of "Until" reports each change as the user types or steps it.
void TimedDialogWindow::OnNotify(const NMHDR& header) {
  if (header.idFrom != kIdUntilTime || header.code != DTN_DATETIMECHANGE) return;
  events_->OnUntilTimeChanged(MinuteOf(reinterpret_cast<const NMDATETIMECHANGE&>(header).st));
}

// An up-down sends WM_VSCROLL after every step, even one that stops at its
// end, and only once it has written the new number into its text box; the
// selection made now is therefore not undone by that text. UDN_DELTAPOS comes
// before the text changes.
void TimedDialogWindow::OnUpDownScroll(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != SB_THUMBPOSITION) return;
  const HWND from = reinterpret_cast<HWND>(lParam);
  for (SpanField field : {SpanField::Hours, SpanField::Minutes}) {
    if (from == UpDown(field)) events_->OnUpDown(field);
  }
}

// The text boxes are subclassed the classic way, which needs nothing of
// comctl32; both share the system's edit procedure.
void TimedDialogWindow::AttachKeyFilter(SpanField field) {
  const HWND window = Field(field);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  fieldProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProcedure)));
}

LRESULT CALLBACK TimedDialogWindow::FieldProcedure(HWND field, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
  auto* self = reinterpret_cast<TimedDialogWindow*>(GetWindowLongPtrW(field, GWLP_USERDATA));
  return self->OnFieldMessage(field, message, wParam, lParam);
}

// Keys reach the filter before the text box acts on them. A discarded key's
// character, which TranslateMessage queues with the key's own scan code, is
// dropped as well when it comes; so is any other character but a digit,
// whatever way it came (Alt and the numeric keypad, an input method).
LRESULT TimedDialogWindow::OnFieldMessage(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  const SpanField which = field == Field(SpanField::Hours) ? SpanField::Hours : SpanField::Minutes;
  const std::size_t key = KeyOf(lParam);
  switch (message) {
    case WM_KEYDOWN: {
      const int upDown = static_cast<int>(SendMessageA(UpDown(which), UDM_GETPOS32, 0, 0));
      const bool passes = events_->OnFieldKey(which, static_cast<int>(wParam), upDown);
      discardedKeys_[key] = !passes;
      if (!passes) return 0;
      break;
    }
    case WM_CHAR:
    case WM_IME_CHAR:
      if (discardedKeys_[key] && message == WM_CHAR) {
        discardedKeys_[key] = false;
        return 0;
      }
      if (!FieldAcceptsChar(static_cast<std::uint32_t>(wParam))) return 0;
      break;
    default:
      break;
  }
  return CallWindowProcW(fieldProcedure_, field, message, wParam, lParam);
}

HWND TimedDialogWindow::Field(SpanField field) const {
  constexpr int kIds[] = {kIdHours, kIdMinutes, kIdUntilTime};  // by SpanField
  return GetDlgItem(hwnd(), kIds[static_cast<int>(field)]);
}

HWND TimedDialogWindow::UpDown(SpanField field) const {
  return GetDlgItem(hwnd(), field == SpanField::Hours ? kIdHoursUpDown : kIdMinutesUpDown);
}

void TimedDialogWindow::SetFieldText(SpanField field, const std::string& text) {
  SetWindowTextA(Field(field), text.c_str());
}

void TimedDialogWindow::SelectField(SpanField field, int start, int length) {
  SendMessageA(Field(field), EM_SETSEL, start, start + length);
}

// Through the dialog manager, which also gives the default back to OK when the
// focus leaves Cancel.
void TimedDialogWindow::FocusField(SpanField field) {
  if (!IsWindowVisible(hwnd())) {
    openingFocus_ = field;
    return;
  }
  SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Field(field)), TRUE);
}

void TimedDialogWindow::SetUpDownValue(SpanField field, int value) {
  SendMessageA(UpDown(field), UDM_SETPOS32, 0, value);
}

void TimedDialogWindow::ShowClockFrame(int frame) {
  SendDlgItemMessageA(hwnd(), kIdClock, STM_SETICON,
                      reinterpret_cast<WPARAM>(clockFrames_[frame].Get()), 0);
}

void TimedDialogWindow::SetStartWhenDone(bool start) {
  CheckDlgButton(hwnd(), kIdStartWhenDone, start ? BST_CHECKED : BST_UNCHECKED);
}

// The option buttons are one group: checking one unchecks the other.
void TimedDialogWindow::SetUntil(bool until) {
  wayShown_ = until;
  CheckRadioButton(hwnd(), kIdFor, kIdUntil, until ? kIdUntil : kIdFor);
  static constexpr int kForControls[] = {kIdHours,   kIdHoursUpDown,   kIdHoursLabel,
                                         kIdMinutes, kIdMinutesUpDown, kIdMinutesLabel};
  for (int id : kForControls) EnableWindow(GetDlgItem(hwnd(), id), !until);
  for (int id : {kIdUntilTime, kIdUntilText}) EnableWindow(GetDlgItem(hwnd(), id), until);
}

void TimedDialogWindow::SetUntilTime(int minuteOfDay) {
  SetPickerMinute(Field(SpanField::Until), minuteOfDay);
}

void TimedDialogWindow::SetUntilText(const std::string& text) {
  SetDlgItemTextW(hwnd(), kIdUntilText, Widen(text).c_str());
}

void TimedDialogWindow::Close() {
  if (!hwnd()) return;
  // Enabled before the dialog goes, so that the activation returns to the
  // program's window and not to another program's.
  EnableWindow(owner_.hwnd(), TRUE);
  DestroyWindow(hwnd());
}

}  // namespace bw::win32
