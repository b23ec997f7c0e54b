// Paths as Windows gives them: a folder named in another script reaches the
// Run entry that start-up rewrites, and the screen saver's command, whole; a
// screen saver named without a folder is the system folder's, also for the
// 32-bit build on 64-bit Windows. The stand-in screen saver is the probe,
// which notes its path when asked for its settings ("c").
#include "fixture.h"

namespace e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kMarkKey[] = L"Software\\BlinkwardE2E";
const std::wstring kFolder = L"C:\\Блинк 日本", kExe = kFolder + L"\\Блинк.exe",
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
    for (const std::wstring& file : {kExe, kSaver, native_}) DeleteFileW(file.c_str());
    RemoveDirectoryW(kFolder.c_str());
  }
  // Chooses "Configure Screen Saver"; the path the stand-in noted.
  std::wstring Configured(const std::wstring& stored) {
    RegDeleteKeyW(HKEY_CURRENT_USER, kMarkKey);
    std::optional<std::wstring> noted;
    if (WriteUserText(kDesktopKey, L"SCRNSAVE.EXE", stored) && Choose(kConfigureItem))
      PumpUntil([&] { return (noted = ReadUserText(kMarkKey, L"Configured")).has_value(); },
                kStartMs);
    return noted.value_or(L"<not started>");
  }
  std::optional<std::wstring> savedSaver_;
  std::wstring native_;  // in the system folder of 64-bit programs
};

TEST_F(Paths, AFolderInAnotherScriptAndABareScreenSaverNameGoThroughWhole) {
  const std::wstring exe = BlinkwardExePath();
  const std::wstring probe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"tray_probe.exe";
  const wchar_t run[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  ASSERT_TRUE(CopyFileW(exe.c_str(), kExe.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(probe.c_str(), kSaver.c_str(), FALSE));
  SetEnvironmentVariableW(L"BW_E2E_SAVERS", kFolder.c_str());
  // An entry of a copy that has moved, rewritten with this copy's place at start-up.
  ASSERT_TRUE(WriteUserText(run, L"Blinkward", L"C:\\old\\Blinkward.exe"));
  ASSERT_NO_FATAL_FAILURE(StartBlinkward(kExe));
  EXPECT_EQ(L"\"" + kExe + L"\"", ReadUserText(run, L"Blinkward").value_or(L"<absent>"));

  // Quoted, and through a variable of the environment Blinkward started in.
  EXPECT_EQ(kSaver, Configured(L"\"%BW_E2E_SAVERS%" + kSaver.substr(kFolder.size()) + L"\""));

  // A 32-bit program's own system folder is another one, without this file.
  wchar_t windows[MAX_PATH] = L"";
  GetWindowsDirectoryW(windows, MAX_PATH);
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  native_ = windows + std::wstring(wow64 ? L"\\Sysnative" : L"\\System32") + L"\\bw-e2e.scr";
  ASSERT_TRUE(CopyFileW(probe.c_str(), native_.c_str(), FALSE));
  const std::wstring noted = Configured(L"bw-e2e.scr");
  EXPECT_NE(std::wstring::npos, noted.find(L"\\bw-e2e.scr")) << noted;
}

}  // namespace
}  // namespace e2e
