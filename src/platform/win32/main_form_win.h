// The main form's window: the hidden host of the tray icon, the timers and the
// popup menu, and the settings window. It implements FormsPort and turns the
// window's messages into calls of MainFormEvents.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/forms.h"
#include "platform/layout.h"
#include "platform/win32/form_builder_win.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/window_win.h"

namespace bw::win32 {

// Window class and caption of the main form; other programs find it by these.
inline constexpr const char* kMainFormClass = "BlinkwardSettings";
// Fixed single border: title bar, system menu and close box; no sizing, no minimise or maximise.
inline constexpr DWORD kMainFormStyle = WS_CAPTION | WS_SYSMENU | WS_BORDER;

// What the main form's window reports, in the program's terms.
class MainFormEvents {
 public:
  virtual ~MainFormEvents() = default;
  // A close request (close box, system menu, Alt+F4); true keeps the form loaded.
  virtual bool QueryUnload(int unloadReason) = 0;
  // Windows is ending the logon.
  virtual void EndSession() = 0;
  virtual void Timer(TimerId timer) = 0;
  // The shell's callback on the picture box; lParam is the mouse message.
  virtual void TrayCallback(std::int32_t lParam) = 0;
  // The notification area was (re)created.
  virtual void TaskbarCreated() = 0;
  // The user clicked the start-with-Windows check box.
  virtual void WindowsStartClick() = 0;
};

class MainFormWin final : public FormsPort, public Window {
 public:
  MainFormWin() = default;
  ~MainFormWin();

  // Builds the window, its controls and the popup menu from the layout; the
  // window stays hidden. False if any part could not be created.
  bool Create(const FormSpec& form, MainFormEvents& events);

  Handle StatusOutputWindow() override;
  Handle MainWindow() override;
  Handle PictureIcon(TrayPicture picture) override;
  void ShowMainWindow() override;
  void HideMainWindow() override;
  void DestroyMainWindow() override;
  void SetTimerEnabled(TimerId timer, bool enabled) override;
  void SetMenuItemEnabled(MenuItem item, bool enabled) override;
  void SetMenuItemCaption(MenuItem item, const std::string& caption) override;
  void BringToForeground(Handle window) override;
  int TrackPopupMenu(std::uint32_t flags) override;
  int CheckValue(SettingsControl control) override;
  void SetCheckValue(SettingsControl control, int value) override;
  int ListIndex(SettingsControl control) override;
  void SetListIndex(SettingsControl control, int index) override;
  std::string Caption(SettingsControl control) override;
  void SetCaption(SettingsControl control, const std::string& text) override;

  // The popup menu `mnuOptions`, for inspection.
  HMENU OptionsMenu() const { return menu_.Get(); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  HWND Control(SettingsControl control) const;
  void RememberFocus();
  void RestoreFocus();

  MainFormEvents* events_ = nullptr;
  UINT taskbarCreated_ = 0;
  HWND lastFocus_ = nullptr;
  // Released after the window, whose controls use them.
  FormResources resources_;
  HICON formIcon_ = nullptr;  // the small application icon, held by resources_
  UniqueMenu menu_;
};

}  // namespace bw::win32
