// The program's entry point: a command for the running copy, or one copy per
// logon, the program, and the message loop.
#include <windows.h>

#include "win32/command_channel.h"
#include "win32/command_client.h"
#include "win32/composition.h"
#include "win32/diagnostics.h"
#include "win32/handles.h"
#include "win32/text.h"
#include "win32/user_texts.h"

// The command line is read whole, in UTF-16, and the logic reads it in UTF-8:
// a program's name keeps characters the ANSI code page does not have. The
// user's language comes first: the usage and the errors speak it too.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  bw::win32::TextTable texts;
  bw::win32::UseUserLanguage(texts);
  const std::string line = bw::win32::Narrow(GetCommandLineW());
  const bw::ParsedCommand parsed = bw::ParseCommandLine(bw::win32::Arguments(line));
  if (!parsed.command || parsed.command->kind != bw::CommandKind::Start) {
    return bw::win32::RunCommand(parsed);
  }
  // Before anything else: a second copy ends here without touching a window,
  // the tray or the registry. The mutex lives as long as this copy runs. A
  // mutex that exists but may not be opened (a copy started as administrator)
  // is a running copy too.
  const bw::win32::UniqueKernelHandle instanceMutex(
      CreateMutexA(nullptr, FALSE, bw::win32::kInstanceMutexName));
  const DWORD created = GetLastError();
  if (created == ERROR_ALREADY_EXISTS || (!instanceMutex && created == ERROR_ACCESS_DENIED)) {
    return 0;
  }
  if (!instanceMutex) bw::win32::ReportFailure("CreateMutex", created);

  bw::win32::Composition program;
  if (!program.Start()) return 1;
  bw::win32::RunMessageLoop(program.settingsWindow.hwnd(), nullptr);
  return 0;
}
