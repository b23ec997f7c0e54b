/* Drives the two tray programs from outside, as the shell, a user and other
 * programs would: tray callbacks sent with SendNotifyMessage (as the shell
 * sends them), the end of the session, the icon's tip read back from the
 * notification area's own tooltip control in Wine's explorer, stored
 * settings, and other programs started and ended while the screen-saver flag
 * is watched.
 *
 *   tray_driver find MAIN                 exits 0 once a window of class MAIN exists (10 s)
 *   tray_driver stop MAIN                 ends the session for it, then closes it
 *   tray_driver clicks N PACE_MS TARGET...  N left clicks on each target, PACE_MS apart
 *   tray_driver latency N TARGET PREFIX...  N rounds of a click on each target in turn;
 *                                         prints the target and ms from each click to its new
 *                                         tip (the tips starting with PREFIX)
 *   tray_driver tips                      prints every tip the notification area holds
 *   tray_driver list KEY [ITEM...]        HKCU\KEY's default value: the items as a
 *                                         REG_MULTI_SZ; without items, deleted
 *   tray_driver text KEY [TEXT]           HKCU\KEY's default value: a REG_SZ, or deleted
 *   tray_driver hold N EXE ARGS WAIT_MS   see Hold below
 *
 * A TARGET is MAIN or MAIN/CHILD: the callback window is the child of that class. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
/* after windows.h, which they build on */
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define TRAY_CALLBACK WM_MOUSEMOVE /* the callback message both programs register */
#define ICON_ID 1
#define TIP_CHARS 128 /* a tip is at most 63 characters; room to spare */

static HWND FindTarget(const char *target) {
  char main[128];
  const char *slash = strchr(target, '/');
  size_t length = slash ? (size_t)(slash - target) : strlen(target);
  HWND window;
  if (length >= sizeof main) return NULL;
  memcpy(main, target, length);
  main[length] = 0;
  window = FindWindowA(main, NULL);
  if (window && slash) window = FindWindowExA(window, NULL, slash + 1, NULL);
  return window;
}

static void Click(HWND target) {
  SendNotifyMessageA(target, TRAY_CALLBACK, ICON_ID, WM_LBUTTONDOWN);
  SendNotifyMessageA(target, TRAY_CALLBACK, ICON_ID, WM_LBUTTONUP);
}

/* The tooltip control of the notification area lives in explorer; its tools
 * hold the tips. Another process reads them through memory it allocates in
 * explorer: TTM_ENUMTOOLSW writes the tool and copies its text there. */
typedef struct {
  HANDLE process;
  HWND tooltips[64];
  int count;
  char *remote; /* a TTTOOLINFOW followed by the text buffer */
} TipReader;

static BOOL CALLBACK CollectTooltip(HWND window, LPARAM context) {
  TipReader *reader = (TipReader *)context;
  HWND tray = FindWindowA("Shell_TrayWnd", NULL);
  DWORD trayProcess = 0, process = 0;
  char name[64];
  GetWindowThreadProcessId(tray, &trayProcess);
  GetWindowThreadProcessId(window, &process);
  if (process == trayProcess && GetClassNameA(window, name, sizeof name) &&
      lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && reader->count < 64)
    reader->tooltips[reader->count++] = window;
  return TRUE;
}

static BOOL OpenTipReader(TipReader *reader) {
  HWND tray = FindWindowA("Shell_TrayWnd", NULL);
  DWORD process = 0;
  memset(reader, 0, sizeof *reader);
  if (!tray) tray = FindWindowA("__winex11_standalone_tray", NULL);
  if (!tray) return FALSE;
  GetWindowThreadProcessId(tray, &process);
  reader->process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
  if (!reader->process) return FALSE;
  reader->remote = VirtualAllocEx(reader->process, NULL, 4096, MEM_COMMIT, PAGE_READWRITE);
  EnumWindows(CollectTooltip, (LPARAM)reader);
  return reader->remote && reader->count > 0;
}

/* Reads the text of tool i of a tooltip window into tip; FALSE if there is none. */
static BOOL ReadTool(TipReader *reader, HWND tooltip, LRESULT i, char *tip) {
  TTTOOLINFOW info;
  WCHAR text[TIP_CHARS];
  memset(&info, 0, sizeof info);
  memset(text, 0, sizeof text);
  info.cbSize = TTTOOLINFOW_V1_SIZE;
  info.lpszText = (WCHAR *)(reader->remote + sizeof info);
  WriteProcessMemory(reader->process, reader->remote, &info, sizeof info, NULL);
  WriteProcessMemory(reader->process, reader->remote + sizeof info, text, sizeof text, NULL);
  if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, (WPARAM)i, (LPARAM)reader->remote)) return FALSE;
  ReadProcessMemory(reader->process, reader->remote + sizeof info, text, sizeof text, NULL);
  text[TIP_CHARS - 1] = 0;
  WideCharToMultiByte(CP_ACP, 0, text, -1, tip, TIP_CHARS, NULL, NULL);
  return TRUE;
}

/* Joins into tips every tool text that starts with prefix, one a line; with
 * print set, prints every text. Wine keeps the tooltip of a removed icon, so
 * earlier runs' tips are there too: they never change, so comparing the whole
 * list still shows the one live change. */
static void ReadTips(TipReader *reader, const char *prefix, char *tips, size_t size, BOOL print) {
  int t;
  tips[0] = 0;
  for (t = 0; t < reader->count; t++) {
    LRESULT tools = SendMessageW(reader->tooltips[t], TTM_GETTOOLCOUNT, 0, 0), i;
    for (i = 0; i < tools; i++) {
      char tip[TIP_CHARS];
      if (!ReadTool(reader, reader->tooltips[t], i, tip)) continue;
      if (print) printf("[%s]\n", tip);
      if (strncmp(tip, prefix, strlen(prefix)) != 0) continue;
      if (strlen(tips) + strlen(tip) + 2 > size) return;
      strcat(tips, tip);
      strcat(tips, "\n");
    }
  }
}

static double Now(void) {
  static LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return (double)counter.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

static int Find(const char *main) {
  int i;
  for (i = 0; i < 200; i++) {
    if (FindWindowA(main, NULL)) return 0;
    Sleep(50);
  }
  return 1;
}

static int Stop(const char *main) {
  HWND window = FindWindowA(main, NULL);
  DWORD_PTR result;
  if (!window) return 1;
  SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &result);
  if (IsWindow(window)) PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

static int Clicks(int count, int pace, int targets, char **names) {
  HWND windows[8];
  int i, t;
  if (targets > 8) return 2;
  for (t = 0; t < targets; t++) {
    windows[t] = FindTarget(names[t]);
    if (!windows[t]) {
      fprintf(stderr, "tray_driver: no window %s\n", names[t]);
      return 1;
    }
  }
  for (i = 0; i < count; i++) {
    for (t = 0; t < targets; t++) Click(windows[t]);
    Sleep(pace);
  }
  return 0;
}

/* Clicks each target in turn, twice, N rounds, and prints per click the
 * target's index and the ms from the click to its new tip ("timeout" after
 * 3 s). Taking turns spreads whatever else the machine does over every
 * target; twice, because they all switch the one screen-saver flag, and a
 * program that shows only what it switched would otherwise switch it to
 * what its tip already says. */
static int Latency(int count, int targets, char **pairs) {
  TipReader reader;
  HWND windows[8];
  static char before[TIP_CHARS * 16], now[TIP_CHARS * 16];
  int i, t;
  if (targets > 8 || !OpenTipReader(&reader)) return 2;
  for (t = 0; t < targets; t++) {
    windows[t] = FindTarget(pairs[2 * t]);
    if (!windows[t]) {
      fprintf(stderr, "tray_driver: no window %s\n", pairs[2 * t]);
      return 1;
    }
  }
  for (i = 0; i < 2 * count; i++) {
    for (t = i % 2 ? targets - 1 : 0; t >= 0 && t < targets; t += i % 2 ? -1 : 1) {
      const char *prefix = pairs[2 * t + 1];
      double start, limit;
      ReadTips(&reader, prefix, before, sizeof before, FALSE);
      if (!before[0]) {
        fprintf(stderr, "tray_driver: no tip starting \"%s\"\n", prefix);
        return 1;
      }
      start = Now();
      limit = start + 3000.0;
      Click(windows[t]);
      do {
        ReadTips(&reader, prefix, now, sizeof now, FALSE);
      } while (strcmp(now, before) == 0 && Now() < limit && (Sleep(1), TRUE));
      if (strcmp(now, before) == 0)
        printf("%d timeout\n", t);
      else
        printf("%d %.2f\n", t, Now() - start);
      fflush(stdout);
      /* At a varying phase of the programs' timers: a fixed pause would land
       * every click at the same point of their period. */
      Sleep(300 + (DWORD)((i * 2 + t) * 97 % 250));
    }
  }
  return 0;
}

static int List(const char *key, int count, char **items) {
  char data[4096];
  size_t used = 0;
  int i;
  if (count == 0) return RegDeleteKeyValueA(HKEY_CURRENT_USER, key, NULL) == ERROR_SUCCESS ? 0 : 1;
  for (i = 0; i < count; i++) {
    size_t length = strlen(items[i]) + 1;
    if (used + length + 1 > sizeof data) return 2;
    memcpy(data + used, items[i], length);
    used += length;
  }
  data[used++] = 0;
  return RegSetKeyValueA(HKEY_CURRENT_USER, key, NULL, REG_MULTI_SZ, data, (DWORD)used) ? 1 : 0;
}

static int Text(const char *key, const char *text) {
  if (!text) return RegDeleteKeyValueA(HKEY_CURRENT_USER, key, NULL) == ERROR_SUCCESS ? 0 : 1;
  return RegSetKeyValueA(HKEY_CURRENT_USER, key, NULL, REG_SZ, text, (DWORD)strlen(text) + 1) ? 1
                                                                                              : 0;
}

/* The flag as another program sees it: under Wine's X11 driver only a
 * process with a display connection reaches it (Hold opens one). */
static BOOL ScreenSaverActive(void) {
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active;
}

/* Polls the flag every 10 ms until it reads active, or until limit; the time
 * it did, or a negative number. */
static double WaitForFlag(BOOL active, double limit) {
  for (;;) {
    double t = Now();
    if (ScreenSaverActive() == active) return t;
    if (t >= limit) return -1.0;
    Sleep(10);
  }
}

typedef struct {
  DWORD process;
  HWND window;
} ShownWindow;

static BOOL CALLBACK FindShown(HWND window, LPARAM context) {
  ShownWindow *shown = (ShownWindow *)context;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != shown->process || !IsWindowVisible(window)) return TRUE;
  shown->window = window;
  return FALSE;
}

/* N times: the flag on, then EXE ARGS started; waits for a visible window of
 * it when WAIT_MS is a window's, then up to WAIT_MS ms for the flag to go off,
 * then ends the program (TerminateProcess) and waits as long for the flag to
 * come back on. One line a run:
 *   start MS end MS     ms from the start (the window shown, or the process
 *                       started when ARGS start with "hidden") to the flag off,
 *                       and from the process's end to the flag on
 *   early MS end MS     the flag went off MS ms after the process started,
 *                       before its window showed
 *   missed              the flag never went off
 *   ... end missed      nor back on after the end
 * A missed run ends the runs: the others would only wait as long. */
static int Hold(int count, const char *exe, const char *args, double wait) {
  char commandLine[1024];
  int i;
  const BOOL windowless = strncmp(args, "hidden", 6) == 0;
  /* Any window connects to the display; it is never shown. */
  CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
  if (strlen(exe) + strlen(args) + 4 > sizeof commandLine) return 2;
  for (i = 0; i < count; i++) {
    STARTUPINFOA startup;
    PROCESS_INFORMATION info;
    ShownWindow shown;
    double started, start = -1.0, off, limit;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, NULL, 0);
    if (WaitForFlag(TRUE, Now() + 5000.0) < 0) {
      fprintf(stderr, "tray_driver: the flag stays off\n");
      return 1;
    }
    Sleep(500);
    sprintf(commandLine, "\"%s\" %s", exe, args);
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &info)) {
      fprintf(stderr, "tray_driver: cannot start %s (%lu)\n", exe, GetLastError());
      return 1;
    }
    started = Now();
    limit = started + wait;
    shown.process = info.dwProcessId;
    shown.window = NULL;
    off = -1.0;
    if (windowless) {
      start = started;
    } else {
      /* The window's first sight starts the clock; the flag is watched
       * meanwhile, as the program may notice the process first. */
      while (Now() < limit) {
        double t = Now();
        EnumWindows(FindShown, (LPARAM)&shown);
        if (shown.window) {
          start = t;
          break;
        }
        if (!ScreenSaverActive()) {
          off = t;
          break;
        }
        Sleep(10);
      }
      limit = Now() + wait;
    }
    if (off < 0 && start >= 0) off = WaitForFlag(FALSE, limit);
    if (off < 0)
      printf("missed");
    else if (start < 0)
      printf("early %.1f", off - started);
    else
      printf("start %.1f", off - start);
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 10000);
    if (off >= 0) {
      double ended = Now(), on = WaitForFlag(TRUE, ended + wait);
      if (on < 0)
        printf(" end missed");
      else
        printf(" end %.1f", on - ended);
    }
    printf("\n");
    fflush(stdout);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (off < 0) break;
    Sleep(1000);
  }
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, NULL, 0);
  ScreenSaverActive(); /* the setting reaches X when the connection next talks to it */
  return 0;
}

static int Tips(void) {
  TipReader reader;
  char tips[TIP_CHARS];
  if (!OpenTipReader(&reader)) return 1;
  ReadTips(&reader, "", tips, sizeof tips, TRUE);
  return 0;
}

int main(int argc, char **argv) {
  if (argc >= 3 && strcmp(argv[1], "find") == 0) return Find(argv[2]);
  if (argc >= 3 && strcmp(argv[1], "stop") == 0) return Stop(argv[2]);
  if (argc >= 5 && strcmp(argv[1], "clicks") == 0)
    return Clicks(atoi(argv[2]), atoi(argv[3]), argc - 4, argv + 4);
  if (argc >= 5 && argc % 2 == 1 && strcmp(argv[1], "latency") == 0)
    return Latency(atoi(argv[2]), (argc - 3) / 2, argv + 3);
  if (argc >= 2 && strcmp(argv[1], "tips") == 0) return Tips();
  if (argc >= 3 && strcmp(argv[1], "list") == 0) return List(argv[2], argc - 3, argv + 3);
  if (argc >= 3 && strcmp(argv[1], "text") == 0) return Text(argv[2], argc > 3 ? argv[3] : NULL);
  if (argc >= 6 && strcmp(argv[1], "hold") == 0)
    return Hold(atoi(argv[2]), argv[3], argv[4], atof(argv[5]));
  fprintf(stderr, "usage: tray_driver find|stop|clicks|latency|tips|list|text|hold ...\n");
  return 2;
}
