#include "blinkward_fixture.h"

#include <cstdlib>

#include "pump.h"
#include "screen_saver.h"

namespace e2e {

std::wstring BlinkwardExePath() {
  const char* path = std::getenv("BLINKWARD_EXE");
  return path ? WindowsPathOf(path) : std::wstring();
}

std::wstring TipFor(bool screenSaverActive) {
  return screenSaverActive ? kEnabledTip : kDisabledTip;
}

void BlinkwardTest::SetUp() {
  savedScreenSaver_ = ScreenSaverActive();
  ASSERT_TRUE(PumpUntil([] { return FindTaskbar() != nullptr; }, kStartMs))
      << "no taskbar: run the tests in the Wine session of scripts/test";
  ASSERT_EQ(nullptr, FindWindowW(kMainClass, nullptr))
      << "a Blinkward from an earlier test still runs";
  ASSERT_EQ(0u, Icons().size()) << "an icon of an earlier Blinkward is still shown";
}

void BlinkwardTest::TearDown() {
  if (blinkward_.running() && main_) {
    SendEndOfLogon();
    blinkward_.WaitForExit(kExitMs);
  }
  if (blinkward_.running()) {
    blinkward_.Kill();
    if (callback_) DeleteTrayIcon(callback_, kIconId);
  }
  SetScreenSaverActive(savedScreenSaver_);
}

void BlinkwardTest::StartBlinkward() {
  const std::wstring exe = BlinkwardExePath();
  ASSERT_FALSE(exe.empty()) << "BLINKWARD_EXE is not set (CTest sets it)";
  blinkward_ = Process::Start(exe);
  ASSERT_TRUE(blinkward_.started())
      << "CreateProcess failed with error " << blinkward_.startError();

  ASSERT_TRUE(PumpUntil(
      [this] {
        main_ = FindTopLevelWindow(blinkward_.id(), kMainClass);
        callback_ = main_ ? FindDescendant(main_, kCallbackClass) : nullptr;
        return callback_ != nullptr || !blinkward_.running();
      },
      kStartMs))
      << "no window of class BlinkwardSettings with a BlinkwardStatusOutput child";
  ASSERT_TRUE(blinkward_.running())
      << "Blinkward ended at start with code " << blinkward_.exitCode();
  ASSERT_NE(nullptr, main_);
  ASSERT_NE(nullptr, callback_) << "no child window of class BlinkwardStatusOutput";
  ASSERT_TRUE(PumpUntil([this] { return !Icons().empty(); }, kStartMs)) << "no icon was added";
}

std::wstring BlinkwardTest::Tip() const {
  const std::vector<TrayIcon> icons = Icons();
  return icons.size() == 1 ? icons[0].tip : std::wstring();
}

bool BlinkwardTest::WaitForTip(const std::wstring& tip, DWORD ms) const {
  return PumpUntil([&] { return Tip() == tip; }, ms);
}

LRESULT BlinkwardTest::SendEndOfLogon() const {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kExitMs,
                      &answer);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kExitMs,
                      &ignored);
  return static_cast<LRESULT>(answer);
}

}  // namespace e2e
