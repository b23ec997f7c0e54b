// The window of the dialog `frmTimedDisable`: built from its layout at each
// opening, shown modally over the main form, destroyed at each close. It is
// the window behind the dialog's logic (TimedDialogPort) and what the countdown
// asks to show the dialog (TimedDialogHost).
#pragma once

#include <windows.h>

#include <bitset>
#include <optional>

#include "platform/win32/form_builder_win.h"
#include "platform/win32/window_win.h"
#include "timed/frm_timed_disable.h"

namespace bw::win32 {

// Window class of the dialog. A private dialog class: its window procedure
// hands what it does not handle to DefDlgProc, which gives the standard
// dialog keyboard (Tab order, the default button following the focus).
inline constexpr const char* kTimedDialogClass = "BlinkwardTimedDisable";
// A fixed dialog frame: title bar with system menu and close box; no icon, no
// sizing, no minimise or maximise.
inline constexpr DWORD kTimedDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
inline constexpr DWORD kTimedDialogExStyle = WS_EX_DLGMODALFRAME;

class TimedDialogWin final : public TimedDialogPort, public TimedDialogHost, public Window {
 public:
  // owner: the main form. It owns the dialog, which keeps the dialog out of
  // the taskbar, and is disabled while the dialog is open.
  TimedDialogWin(TimedDisable& countdown, const Window& owner);
  ~TimedDialogWin();

  // Opens the dialog and returns when it has closed.
  void ShowTimedDisableDialog() override;
  // Builds and shows the window, focused on the hours, after the dialog's load
  // step. False if the window could not be built; nothing is open then.
  bool Open();
  // Runs the thread's messages until the dialog closes. A WM_QUIT closes it
  // as Cancel would and is posted again for the program's own loop.
  void RunModal();
  // Windows ends the logon: an open dialog closes as Cancel would.
  void EndSession();

  void InitCommonControls() override;
  void StartClock() override;
  std::string Text(SpanField field) override;
  void SetText(SpanField field, const std::string& text) override;
  void SelectText(SpanField field, int start, int length) override;
  void Focus(SpanField field) override;
  int UpDownValue(SpanField field) override;
  UpDownLimits UpDownRange(SpanField field) override;
  void SetUpDownValue(SpanField field, int value) override;
  void ShowClockFrame(int frame) override;
  int StartOnExpireValue() override;
  void SetStartOnExpireValue(int value) override;
  void Close() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(WPARAM wParam);
  void OnUpDownScroll(WPARAM wParam, LPARAM lParam);
  bool BuildWindow();
  void AttachKeyFilter(SpanField field);
  static LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR self);
  HWND Field(SpanField field) const;
  HWND UpDown(SpanField field) const;

  TimedDisable& countdown_;
  const Window& owner_;
  // Fonts and pictures, loaded at the first opening and kept for the run.
  FormResources resources_;
  // The dialog object: created at the first opening, kept for the run.
  std::optional<FrmTimedDisable> form_;
  // Keys (KeyOf) the key filter discarded whose characters have not come yet.
  // Not just the last key: keys posted by another program all reach the field
  // before the first of their characters does.
  std::bitset<512> discardedKeys_;
};

}  // namespace bw::win32
