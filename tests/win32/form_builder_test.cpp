// The generic builder on the timed-disable layout, whose kinds the settings
// window does not use: text boxes, up-downs and push buttons.
// commctrl.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include "platform/win32/form_builder_win.h"
#include "timed/timed_layout.h"
#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

constexpr const char* kTestFormClass = "BlinkwardTestForm";

class PlainForm final : public Window {
 public:
  ~PlainForm() {
    if (hwnd()) DestroyWindow(hwnd());
  }
  bool Create(const FormSpec& form) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Window::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestFormClass;
    RegisterClassA(&windowClass);
    return CreateFormWindow(form, kTestFormClass, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0,
                            nullptr, this) &&
           CreateControls(hwnd(), form, resources_);
  }
  HWND Item(int id) const { return GetDlgItem(hwnd(), id); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return DefWindowProcA(hwnd(), message, wParam, lParam);
  }
  FormResources resources_;
};

RECT ClientRectOf(HWND parent, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST(FormBuilder, UpDownsSitBesideTheirTextBoxesWithTheirRangeAndEnds) {
  PlainForm form;
  ASSERT_TRUE(form.Create(TimedDisableForm()));
  struct Expected {
    int text, upDown;
    RECT upDownPixels;
    int upper;
    bool wrap;
  };
  for (const Expected& e : {Expected{kIdHours, kIdHoursUpDown, {40, 40, 57, 59}, 15, false},
                            Expected{kIdMinutes, kIdMinutesUpDown, {128, 40, 145, 59}, 59, true}}) {
    SCOPED_TRACE(e.upDown);
    const HWND text = form.Item(e.text), upDown = form.Item(e.upDown);
    ASSERT_TRUE(text && upDown);
    const RECT rect = ClientRectOf(form.hwnd(), upDown);
    EXPECT_EQ(rect.left, e.upDownPixels.left);
    EXPECT_EQ(rect.top, e.upDownPixels.top);
    EXPECT_EQ(rect.right, e.upDownPixels.right);
    EXPECT_EQ(rect.bottom, e.upDownPixels.bottom);
    EXPECT_EQ(ClientRectOf(form.hwnd(), text).right, rect.left);  // flush, text box unchanged

    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)), text);
    int lower = -1, upper = -1;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                 reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, e.upper);
    const LONG style = GetWindowLongA(upDown, GWL_STYLE);
    EXPECT_EQ((style & UDS_WRAP) != 0, e.wrap) << std::hex << style;
    EXPECT_TRUE(style & UDS_SETBUDDYINT) << std::hex << style;
    EXPECT_FALSE(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT | WS_TABSTOP)) << std::hex << style;

    char digits[8] = "";
    GetWindowTextA(text, digits, sizeof digits);
    EXPECT_STREQ(digits, "0");
    EXPECT_EQ(SendMessageA(text, EM_GETLIMITTEXT, 0, 0), 2);
    EXPECT_TRUE(GetWindowLongA(text, GWL_STYLE) & ES_RIGHT);
  }
}

std::vector<int> TabOrder(HWND form) {
  std::vector<int> ids;
  const HWND first = GetNextDlgTabItem(form, nullptr, FALSE);
  for (HWND at = first; at && ids.size() < 10;) {
    ids.push_back(GetDlgCtrlID(at));
    at = GetNextDlgTabItem(form, at, FALSE);
    if (at == first) break;
  }
  return ids;
}

TEST(FormBuilder, TabOrderFollowsTheTabIndexNotTheTableOrder) {
  static constexpr FontSpec kFont{"Tahoma", 825, 400, 161};
  static constexpr ControlSpec kControls[] = {
      {.kind = ControlKind::Button,
       .id = 11,
       .name = "c",
       .text = "c",
       .twips = {0, 0, 600, 300},
       .tabIndex = 2},
      {.kind = ControlKind::Label,
       .id = 12,
       .name = "l",
       .text = "l",
       .twips = {0, 300, 600, 300},
       .tabIndex = -1},
      {.kind = ControlKind::CheckBox,
       .id = 13,
       .name = "a",
       .text = "a",
       .twips = {0, 600, 600, 300},
       .tabIndex = 0},
      {.kind = ControlKind::TextBox,
       .id = 14,
       .name = "b",
       .text = "b",
       .twips = {0, 900, 600, 300},
       .tabIndex = 1},
  };
  static constexpr FormSpec kForm{"frmTest", "Test", 1200, 1200, &kFont, kControls};
  PlainForm form;
  ASSERT_TRUE(form.Create(kForm));
  EXPECT_EQ(TabOrder(form.hwnd()), (std::vector<int>{13, 14, 11}));
}

TEST(FormBuilder, TheTimedDisableTabOrderEndsWithTheCheckBox) {
  PlainForm form;
  ASSERT_TRUE(form.Create(TimedDisableForm()));
  EXPECT_EQ(TabOrder(form.hwnd()),
            (std::vector<int>{kIdHours, kIdMinutes, kIdCancel, kIdOK, kIdStartOnExpire}));
  for (int id : {kIdCancel, kIdOK}) {
    EXPECT_EQ(GetWindowLongA(form.Item(id), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  }
}

}  // namespace
}  // namespace bw::win32::test
