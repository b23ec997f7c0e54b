#include "win32/settings_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include "ports/hotkey.h"
#include "settings/settings_layout.h"
#include "win32/common_controls.h"
#include "win32/menus.h"
#include "win32/res/resource_ids.h"
#include "win32/text.h"

namespace bw::win32 {
namespace {

// The shortcut field's HOTKEYF_* bits are the program's modifiers, but for
// HOTKEYF_EXT, which marks a key of the keyboard's extended part, where the
// program has the Win key, which the field cannot show (it shows the rest).
constexpr int kFieldValue = 0x7FF;
constexpr int kFieldExtended = HOTKEYF_EXT << 8;
static_assert(kModShift == HOTKEYF_SHIFT && kModCtrl == HOTKEYF_CONTROL && kModAlt == HOTKEYF_ALT);

// The field names a key by its scan code, which the extended keys share with
// the keypad's: without HOTKEYF_EXT, Insert shows as the keypad's 0.
bool Extended(int key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
         key == VK_SNAPSHOT || key == VK_CANCEL || key == VK_DIVIDE || key == VK_NUMLOCK ||
         (key >= VK_LWIN && key <= VK_APPS);
}

int FieldValueOf(int value) {
  return (value & kFieldValue) | (Extended(value & 0xFF) ? kFieldExtended : 0);
}

}  // namespace

// The program is destroyed before its windows: their last messages must not
// reach it.
SettingsWindow::~SettingsWindow() {
  events_ = nullptr;
  if (hwnd()) DestroyWindow(hwnd());
}

// Owned, it would have no taskbar button of its own without WS_EX_APPWINDOW.
bool SettingsWindow::Create(HWND owner, SettingsEvents& events) {
  events_ = &events;
  RegisterClassOnce(kSettingsWindowClass, Window::Procedure);
  if (!CreateLayoutWindow(kSettingsLayout, kSettingsWindowClass, kSettingsWindowStyle,
                          WS_EX_APPWINDOW, owner, this)) {
    return false;
  }
  smallIcon_ = LoadIconResource(IDI_APP, GetSystemMetrics(SM_CXSMICON));
  largeIcon_ = LoadIconResource(IDI_APP, GetSystemMetrics(SM_CXICON));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.Get()));
  return true;
}

LRESULT SettingsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!events_) return DefWindowProcW(hwnd(), message, wParam, lParam);
  switch (message) {
    case WM_CLOSE:
      events_->OnSettingsClosed();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_COMMAND:
      if (OnCommand(wParam, lParam)) return 0;
      break;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
  }
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

// The settings controls report their new values.
bool SettingsWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto control = reinterpret_cast<HWND>(lParam);
  const ControlLayout* row = FindControl(kSettingsLayout, LOWORD(wParam));
  if (!control || !row) return false;
  if (row->kind == ControlKind::CheckBox && HIWORD(wParam) == BN_CLICKED) {
    events_->OnSettingChanged(row->id, SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    return true;
  }
  if (row->kind == ControlKind::DropDownList && HIWORD(wParam) == CBN_SELCHANGE) {
    events_->OnSettingChanged(row->id, static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0)));
    return true;
  }
  if (row->kind == ControlKind::ListBox && HIWORD(wParam) == LBN_SELCHANGE) {
    events_->OnSettingChanged(row->id, static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0)));
    return true;
  }
  if (row->kind == ControlKind::Hotkey && HIWORD(wParam) == EN_CHANGE) {
    events_->OnSettingChanged(
        row->id, static_cast<int>(SendMessageA(control, HKM_GETHOTKEY, 0, 0)) & kFieldValue);
    return true;
  }
  if (row->kind == ControlKind::Button && HIWORD(wParam) == BN_CLICKED) {
    events_->OnSettingsButton(row->id);
    return true;
  }
  return false;
}

// A time picker reports each change as the user types or steps it.
void SettingsWindow::OnNotify(const NMHDR& header) {
  const ControlLayout* row = FindControl(kSettingsLayout, static_cast<int>(header.idFrom));
  if (!row || row->kind != ControlKind::TimePicker || header.code != DTN_DATETIMECHANGE) return;
  events_->OnSettingChanged(row->id,
                            MinuteOf(reinterpret_cast<const NMDATETIMECHANGE&>(header).st));
}

// The settings window keeps the keyboard focus as a dialog does: on the
// control that had it when the window was last left, at first on the first
// control in the Tab order.
void SettingsWindow::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
}

void SettingsWindow::RestoreFocus() {
  const bool valid = lastFocus_ && IsChild(hwnd(), lastFocus_);
  SetFocus(valid ? lastFocus_ : GetNextDlgTabItem(hwnd(), nullptr, FALSE));
}

bool SettingsWindow::BuildControls() {
  if (controlsBuilt_) return true;
  LoadCommonControls();
  controlsBuilt_ = CreateControls(hwnd(), kSettingsLayout, fonts_);
  return controlsBuilt_;
}

void SettingsWindow::Show(const SettingsView& view) {
  if (!BuildControls()) return;
  Update(view);
  ShowWindow(hwnd(), SW_SHOW);
  // Showing a window that is already visible does not bring it to the front.
  SetForegroundWindow(hwnd());
}

void SettingsWindow::Hide() { ShowWindow(hwnd(), SW_HIDE); }

// The list's lines are filled before its selection is set.
void SettingsWindow::Update(const SettingsView& view) {
  if (!controlsBuilt_) return;
  SetDlgItemTextW(hwnd(), kIdTitle, Widen(view.title).c_str());
  for (const int id : view.hidden) ShowWindow(GetDlgItem(hwnd(), id), SW_HIDE);
  for (const ControlText& caption : view.texts) {
    SetDlgItemTextW(hwnd(), caption.id, Widen(caption.text).c_str());
  }
  for (const ControlLayout& row : kSettingsLayout.controls) {
    if (row.kind != ControlKind::ListBox) continue;
    const HWND list = GetDlgItem(hwnd(), row.id);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : view.programs) {
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
    }
  }
  for (const ControlValue& shown : view.values) {
    const ControlLayout* row = FindControl(kSettingsLayout, shown.id);
    const HWND control = GetDlgItem(hwnd(), shown.id);
    if (!row) continue;
    if (row->kind == ControlKind::CheckBox) {
      CheckDlgButton(hwnd(), shown.id, shown.value ? BST_CHECKED : BST_UNCHECKED);
    } else if (row->kind == ControlKind::DropDownList) {
      SendMessageA(control, CB_SETCURSEL, shown.value, 0);
    } else if (row->kind == ControlKind::ListBox) {
      SendMessageA(control, LB_SETCURSEL, shown.value, 0);
    } else if (row->kind == ControlKind::TimePicker) {
      SetPickerMinute(control, shown.value);
    } else if (row->kind == ControlKind::Hotkey) {
      SendMessageA(control, HKM_SETHOTKEY, FieldValueOf(shown.value), 0);
    } else if (row->kind == ControlKind::Button) {
      // A button that goes grey hands the focus on, as a dialog's would.
      if (!shown.value && GetFocus() == control) {
        SetFocus(GetNextDlgTabItem(hwnd(), control, FALSE));
      }
      EnableWindow(control, shown.value != 0);
    }
  }
}

// Below the control, as a drop-down button's menu opens.
int SettingsWindow::TrackControlMenu(int controlId, std::span<const MenuItem> items) {
  const UniqueMenu menu = CreatePopup(items);
  RECT control{};
  if (!menu || !GetWindowRect(GetDlgItem(hwnd(), controlId), &control)) return 0;
  return ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, control.left,
                          control.bottom, 0, hwnd(), nullptr);
}

// comdlg32 is loaded only for this: most runs never browse. The current
// folder stays where it was.
std::string SettingsWindow::BrowseForProgram() {
  using Open = BOOL(WINAPI*)(OPENFILENAMEW*);
  const HMODULE dialogs = LoadLibraryA("comdlg32.dll");
  const auto open = reinterpret_cast<Open>(
      reinterpret_cast<void*>(dialogs ? GetProcAddress(dialogs, "GetOpenFileNameW") : nullptr));
  wchar_t path[MAX_PATH * 2] = L"";
  OPENFILENAMEW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = hwnd();
  choice.lpstrFilter = L"Programs (*.exe)\0*.exe\0";
  choice.lpstrFile = path;
  choice.nMaxFile = MAX_PATH * 2;
  choice.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const bool chosen = open && open(&choice);
  return chosen ? Narrow(path) : std::string();
}

void SettingsWindow::ShowMessage(const char* text) {
  MessageBoxW(hwnd(), Widen(text).c_str(), Widen(kProgramName).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace bw::win32
