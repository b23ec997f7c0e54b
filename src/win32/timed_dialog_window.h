// The window of the timed-disable dialog: built from its layout at each
// opening, shown modally over the main window, destroyed at each close. It
// shows what the program tells it and reports its events with their values.
#pragma once

#include <windows.h>

#include <bitset>

#include "ports/timed_dialog.h"
#include "timed/timed_disable_dialog.h"
#include "timed/timed_layout.h"
#include "version_info.h"
#include "win32/handles.h"
#include "win32/layout_builder.h"
#include "win32/window.h"

namespace bw::win32 {

// Window class of the dialog. A private dialog class: its window procedure
// hands what it does not handle to DefDlgProc, which gives the standard
// dialog keyboard (Tab order, the default button following the focus).
inline constexpr const char* kTimedDialogClass = BLINKWARD_NAME "TimedDisable";
// A fixed dialog frame: title bar with system menu and close box; no icon, no
// sizing, no minimise or maximise.
inline constexpr DWORD kTimedDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
inline constexpr DWORD kTimedDialogExStyle = WS_EX_DLGMODALFRAME;

class TimedDialogWindow final : public TimedDialogView, public Window {
 public:
  // owner: the program's top-level window. It owns the dialog, which keeps
  // the dialog out of the taskbar, and is disabled while the dialog is open.
  explicit TimedDialogWindow(const Window& owner) : owner_(owner) {}
  ~TimedDialogWindow();

  void Run(TimedDialogEvents& events) override;
  void BringForward() override;
  void SetFieldText(SpanField field, const std::string& text) override;
  void SelectField(SpanField field, int start, int length) override;
  void FocusField(SpanField field) override;
  void SetUpDownValue(SpanField field, int value) override;
  void ShowClockFrame(int frame) override;
  void SetStartWhenDone(bool start) override;
  void SetUntil(bool until) override;
  void SetUntilTime(int minuteOfDay) override;
  void SetUntilText(const std::string& text) override;
  void Close() override;

 private:
  // Builds and shows the window after the program has filled it, focused on
  // the field it named meanwhile, else on the hours. False if the window
  // could not be built; nothing is open then.
  bool Open();
  // Runs the thread's messages until the dialog closes. A WM_QUIT closes it
  // as Cancel would and is posted again for the program's own loop.
  void RunModal();
  // Closes an open dialog as Cancel would.
  void Cancel();
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(WPARAM wParam);
  void OnNotify(const NMHDR& header);
  void OnUpDownScroll(WPARAM wParam, LPARAM lParam);
  bool BuildWindow();
  void AttachKeyFilter(SpanField field);
  LRESULT OnFieldMessage(HWND field, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam);
  HWND Field(SpanField field) const;
  HWND UpDown(SpanField field) const;

  TimedDialogEvents* events_ = nullptr;
  const Window& owner_;
  // The field that takes the focus when the window shows: one the program
  // named while filling it, before it showed, else the hours.
  SpanField openingFocus_ = SpanField::Hours;
  // Fonts and stopwatch frames, made at the first opening and kept for the run.
  LayoutFonts fonts_;
  UniqueIcon clockFrames_[kClockFrameCount];
  // The text boxes' own window procedure, which the key filter hands on to.
  WNDPROC fieldProcedure_ = nullptr;
  // Keys the key filter discarded whose characters have not come yet, by scan
  // code. Not just the last key: keys posted by another program all reach the
  // field before the first of their characters does.
  std::bitset<512> discardedKeys_;
  // The way the option buttons last showed: Until or For.
  bool wayShown_ = false;
};

}  // namespace bw::win32
