// Failures the program copes with, as a debugger or a debug-output viewer reads them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "win32/layout_builder.h"
#include "win32_test_support.h"

namespace bw::win32::test {
namespace {

// What OutputDebugString writes while this lives, read as a debugger reads it:
// the line comes as the exception DBG_PRINTEXCEPTION_C, which a vectored
// handler sees first. The search goes on, so Wine still writes it to its
// debugstr channel.
std::vector<std::string> written;
LONG CALLBACK Capture(EXCEPTION_POINTERS* pointers) {
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  if (record.ExceptionCode == DBG_PRINTEXCEPTION_C) {
    written.push_back(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

struct DebugOutput {
  DebugOutput() { written.clear(); }
  ~DebugOutput() { RemoveVectoredExceptionHandler(handler); }
  void* handler = AddVectoredExceptionHandler(1, Capture);
};

// A key for the logon only takes no ordinary subkey (ERROR_CHILD_MUST_BE_VOLATILE),
// and a window of no registered class is not made (Windows says
// ERROR_CANNOT_FIND_WND_CLASS, Wine ERROR_CLASS_DOES_NOT_EXIST). What succeeds
// on the way writes nothing.
TEST(Diagnostics, ARefusedCallIsOneLineWithTheCallAndItsError) {
  Registry registry;
  const std::string note = "Software\\BlinkwardWin32Test\\Notes\\Logon";
  const DebugOutput output;
  ASSERT_TRUE(registry.CreateLogonKey(note));
  EXPECT_TRUE(written.empty());
  EXPECT_FALSE(registry.WriteString(note + "\\Sub", "v", "1"));
  EXPECT_FALSE(
      CreateLayoutWindow(kSettingsLayout, "BlinkwardNoSuchClass", WS_POPUP, 0, nullptr, nullptr));
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0], "Blinkward: RegCreateKeyEx failed: error 1021\n");
  EXPECT_THAT(written[1], testing::AnyOf("Blinkward: CreateWindowEx failed: error 1407\n",
                                         "Blinkward: CreateWindowEx failed: error 1411\n"));
  SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\BlinkwardWin32Test");
}

// The shell refuses to change an icon it does not have, as long as it has
// none: that is written once, and once more when the change is taken again.
// Its error number is the shell's own (Wine's is E_FAIL's).
TEST(Diagnostics, ARepeatedRefusalIsWrittenWhenItBeginsAndWhenItEnds) {
  RecordingEvents events;
  Windows w(&events);
  ASSERT_TRUE(w.created);
  Shell shell;
  shell.SetCallbackWindow(w.tray.hwnd());
  TrayIconData icon{};
  const DebugOutput output;
  EXPECT_FALSE(shell.NotifyIcon(TrayCommand::Modify, icon));
  EXPECT_FALSE(shell.NotifyIcon(TrayCommand::Modify, icon));
  ASSERT_EQ(written.size(), 1u);
  EXPECT_THAT(written[0], testing::MatchesRegex(
                              "Blinkward: Shell_NotifyIcon\\(NIM_MODIFY\\) failed: error \\d+\n"));
  ASSERT_TRUE(shell.NotifyIcon(TrayCommand::Add, icon));
  EXPECT_TRUE(shell.NotifyIcon(TrayCommand::Modify, icon));
  EXPECT_TRUE(shell.NotifyIcon(TrayCommand::Modify, icon));
  shell.NotifyIcon(TrayCommand::Delete, icon);
  EXPECT_EQ(written.size(), 2u);
  EXPECT_EQ(written.back(), "Blinkward: Shell_NotifyIcon(NIM_MODIFY) succeeded again\n");
}

}  // namespace
}  // namespace bw::win32::test
