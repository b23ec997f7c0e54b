// Paths as Windows gives them: a folder named in another script reaches the Run
// entry and the screen saver's command whole, and a screen saver named without
// a folder is the system folder's, also for the 32-bit build on 64-bit Windows.
#include "fixture.h"

namespace e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kMarkKey[] = L"Software\\BlinkwardE2E";

// A stand-in screen saver: the probe, which notes its path when asked for its
// settings ("c").
std::wstring Probe() {
  const std::wstring exe = BlinkwardExePath();
  return exe.substr(0, exe.find_last_of(L'\\') + 1) + L"tray_probe.exe";
}

// The system folder of 64-bit programs, as this process reaches it.
std::wstring NativeSystemFolder() {
  wchar_t folder[MAX_PATH] = L"";
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  if (!wow64) {
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
  }
  GetWindowsDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\Sysnative";
}

class Paths : public BlinkwardTest {
 protected:
  void SetUp() override {
    BlinkwardTest::SetUp();
    savedSaver_ = ReadUserText(kDesktopKey, L"SCRNSAVE.EXE");
    CreateDirectoryW(kFolder, nullptr);
  }
  void TearDown() override {
    BlinkwardTest::TearDown();
    WriteUserText(kDesktopKey, L"SCRNSAVE.EXE", savedSaver_.value_or(L""));
    RegDeleteKeyW(HKEY_CURRENT_USER, kMarkKey);
    for (const std::wstring& file : {exe_, saver_, native_}) DeleteFileW(file.c_str());
    RemoveDirectoryW(kFolder);
  }

  // Chooses "Configure Screen Saver" and returns the path the stand-in noted.
  std::wstring ConfiguredScreenSaver() {
    RegDeleteKeyW(HKEY_CURRENT_USER, kMarkKey);
    if (!Choose(MenuChoice::ConfigureScreenSaver)) return L"<no menu>";
    std::optional<std::wstring> noted;
    PumpUntil([&] { return (noted = ReadUserText(kMarkKey, L"Configured")).has_value(); },
              kStartMs);
    return noted.value_or(L"<not started>");
  }

  static constexpr wchar_t kFolder[] = L"C:\\Блинк 日本";
  const std::wstring exe_ = std::wstring(kFolder) + L"\\Blinkward.exe";
  const std::wstring saver_ = std::wstring(kFolder) + L"\\Заставка 屏保.scr";
  const std::wstring native_ = NativeSystemFolder() + L"\\blinkward-e2e.scr";
  std::optional<std::wstring> savedSaver_;
};

TEST_F(Paths, AFolderInAnotherScriptAndABareScreenSaverNameGoThroughWhole) {
  ASSERT_TRUE(CopyFileW(BlinkwardExePath().c_str(), exe_.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(Probe().c_str(), saver_.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(Probe().c_str(), native_.c_str(), FALSE));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(exe_));
  ASSERT_TRUE(ShowSettings());
  Send(WindowsStartBox(), BM_CLICK);
  EXPECT_EQ(L"\"" + exe_ + L"\"", ReadUserText(kRunKeyPath, L"Blinkward").value_or(L"<absent>"));
  EXPECT_EQ(BST_CHECKED, Send(WindowsStartBox(), BM_GETCHECK));

  ASSERT_TRUE(WriteUserText(kDesktopKey, L"SCRNSAVE.EXE", saver_));
  EXPECT_EQ(saver_, ConfiguredScreenSaver());
  // A 32-bit program's own system folder is another one, without this file.
  ASSERT_TRUE(WriteUserText(kDesktopKey, L"SCRNSAVE.EXE", L"blinkward-e2e.scr"));
  const std::wstring configured = ConfiguredScreenSaver();
  EXPECT_NE(std::wstring::npos, configured.find(L"\\blinkward-e2e.scr")) << configured;
}

}  // namespace
}  // namespace e2e
