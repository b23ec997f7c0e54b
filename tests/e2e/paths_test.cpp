// Paths as Windows gives them: a folder named in another script reaches the
// Run entry and the screen saver's command whole. The stand-in screen saver
// is the probe, which notes its path when asked for its settings ("c").
#include "fixture.h"

namespace e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kMarkKey[] = L"Software\\BlinkwardE2E";
const std::wstring kFolder = L"C:\\Блинк 日本", kExe = kFolder + L"\\Blinkward.exe",
                   kSaver = kFolder + L"\\Заставка 屏保.scr";

struct Paths : BlinkwardTest {
  void SetUp() override {
    BlinkwardTest::SetUp();
    savedSaver_ = ReadUserText(kDesktopKey, L"SCRNSAVE.EXE");
    CreateDirectoryW(kFolder.c_str(), nullptr);
  }
  void TearDown() override {
    BlinkwardTest::TearDown();
    WriteUserText(kDesktopKey, L"SCRNSAVE.EXE", savedSaver_.value_or(L""));
    RegDeleteKeyW(HKEY_CURRENT_USER, kMarkKey);
    for (const std::wstring& file : {kExe, kSaver}) DeleteFileW(file.c_str());
    RemoveDirectoryW(kFolder.c_str());
  }
  std::optional<std::wstring> savedSaver_;
};

TEST_F(Paths, AFolderInAnotherScriptReachesTheRunEntryAndTheScreenSaverWhole) {
  const std::wstring exe = BlinkwardExePath();
  const std::wstring probe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"tray_probe.exe";
  ASSERT_TRUE(CopyFileW(exe.c_str(), kExe.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(probe.c_str(), kSaver.c_str(), FALSE));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(kExe));
  ASSERT_TRUE(ShowSettings());
  const HWND box = Control(L"Button", L"Start automatically with Windows");
  Send(box, BM_CLICK);
  EXPECT_EQ(L"\"" + kExe + L"\"", ReadUserText(kRunKeyPath, L"Blinkward").value_or(L"<absent>"));
  EXPECT_EQ(BST_CHECKED, Send(box, BM_GETCHECK));
  Send(box, BM_CLICK);
  EXPECT_FALSE(ReadUserText(kRunKeyPath, L"Blinkward")) << "unticking left the Run entry";

  ASSERT_TRUE(WriteUserText(kDesktopKey, L"SCRNSAVE.EXE", kSaver));
  ASSERT_TRUE(Choose(kConfigureScreenSaver));
  std::optional<std::wstring> noted;
  PumpUntil([&] { return (noted = ReadUserText(kMarkKey, L"Configured")).has_value(); }, kStartMs);
  EXPECT_EQ(kSaver, noted.value_or(L"<not started>"));
}

}  // namespace
}  // namespace e2e
