/* A stand-in for a program the user lists, which tests copy under other file
 * names: listed_program.exe [window|hidden|fullscreen|maximized] [--after MS]
 *   window      after MS (default 0) a normal window titled "Listed program",
 *               until it is closed or the process is killed
 *   hidden      no window ever, until killed
 *   fullscreen  after MS a popup covering the primary monitor, in front,
 *               until closed or killed
 *   maximized   after MS a normal window maximized as on a monitor without a
 *               taskbar: its frame reaches past the monitor's edges
 *   tone        after MS a 3-second tone through the default output, played to
 *               its end; then it ends, 0, or at once 2 without an output device */
#include <stdlib.h>
#include <string.h>
/* mmsystem.h needs the types of windows.h. */
/* clang-format off */
#include <windows.h>
#include <mmsystem.h>
/* clang-format on */

static int maximized;

static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  if (message == WM_GETMINMAXINFO && maximized) {
    MINMAXINFO* limits = (MINMAXINFO*)lParam;
    RECT frame = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    limits->ptMaxPosition.x = frame.left;
    limits->ptMaxPosition.y = frame.top;
    limits->ptMaxSize.x = limits->ptMaxTrackSize.x = frame.right - frame.left;
    limits->ptMaxSize.y = limits->ptMaxTrackSize.y = frame.bottom - frame.top;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

/* A square wave of about 440 Hz at a quarter of full scale, mono, 16-bit. */
static int PlayTone(void) {
  enum { kRate = 44100, kSamples = 3 * kRate, kHalfWave = 50 };
  WAVEFORMATEX format = {WAVE_FORMAT_PCM, 1, kRate, 2 * kRate, 2, 16, 0};
  HWAVEOUT out;
  if (waveOutOpen(&out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return 2;
  static short samples[kSamples];
  for (int k = 0; k < kSamples; ++k) samples[k] = k / kHalfWave % 2 ? 8192 : -8192;
  WAVEHDR header = {0};
  header.lpData = (LPSTR)samples;
  header.dwBufferLength = sizeof samples;
  waveOutPrepareHeader(out, &header, sizeof header);
  waveOutWrite(out, &header, sizeof header);
  while (!(header.dwFlags & WHDR_DONE)) Sleep(50);
  waveOutUnprepareHeader(out, &header, sizeof header);
  waveOutClose(out);
  return 0;
}

int main(int argc, char** argv) {
  const char* mode = "window";
  DWORD afterMs = 0;
  for (int k = 1; k < argc; ++k) {
    if (strcmp(argv[k], "--after") == 0 && k + 1 < argc) {
      afterMs = (DWORD)strtoul(argv[++k], NULL, 10);
    } else {
      mode = argv[k];
    }
  }
  if (strcmp(mode, "tone") == 0) {
    Sleep(afterMs);
    return PlayTone();
  }
  const int fullscreen = strcmp(mode, "fullscreen") == 0;
  maximized = strcmp(mode, "maximized") == 0;
  if (!fullscreen && !maximized && strcmp(mode, "window") != 0) {
    Sleep(INFINITE); /* hidden, or a mode it does not know */
    return 0;
  }
  Sleep(afterMs);

  WNDCLASSW windowClass = {0};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(NULL);
  windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"ListedProgram";
  RegisterClassW(&windowClass);
  HWND window;
  if (fullscreen) {
    window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"Listed program", WS_POPUP,
                             0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                             NULL, NULL, windowClass.hInstance, NULL);
  } else {
    window = CreateWindowExW(0, windowClass.lpszClassName, L"Listed program", WS_OVERLAPPEDWINDOW,
                             CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, NULL, NULL,
                             windowClass.hInstance, NULL);
  }
  if (!window) return 1;
  ShowWindow(window, maximized ? SW_MAXIMIZE : SW_SHOW);
  SetForegroundWindow(window);
  MSG msg;
  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
