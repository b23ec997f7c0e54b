/* The least a tray program can be: a hidden window, one icon, a 250 ms timer
 * that reads the screen-saver flag and does nothing else, and a left click
 * that switches the screen-saver flag and shows it in the picture and the
 * tip, as Blinkward's click does. Blinkward is
 * measured beside it, so it must be a real program, not a stripped-down toy:
 * it registers its class, adds its icon with a tip, keeps ticking, and takes
 * its icon away when the session ends or it is closed. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
/* after windows.h, which it builds on */
#include <shellapi.h>

#define TRAY_CALLBACK WM_MOUSEMOVE /* the tray reports mouse events as this message */
#define TICK_TIMER 1
#define TICK_MS 250

static NOTIFYICONDATAA icon; /* first-version record: cbSize NOTIFYICONDATAA_V1_SIZE */
static BOOL on;

/* The picture and the tip follow the flag, as Blinkward's do. */
static void SetTip(void) {
  lstrcpynA(icon.szTip, on ? "Baseline: on" : "Baseline: off", sizeof icon.szTip);
  icon.hIcon = LoadIconA(NULL, on ? (LPCSTR)IDI_APPLICATION : (LPCSTR)IDI_WARNING);
}

static void AddIcon(HWND window) {
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = window;
  icon.uID = 1;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = TRAY_CALLBACK;
  SetTip();
  Shell_NotifyIconA(NIM_ADD, &icon);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      BOOL active = FALSE;
      SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
      return 0;
    }
    case TRAY_CALLBACK:
      /* Blinkward's click by the same path: on the button's press, the
       * screen-saver flag switched for this logon, and the tip from the
       * switch's outcome. */
      if (lParam == WM_LBUTTONDOWN) {
        BOOL active = FALSE;
        SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
        if (SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, !active, NULL, 0)) active = !active;
        on = active;
        SetTip();
        Shell_NotifyIconA(NIM_MODIFY, &icon);
      }
      return 0;
    case WM_ENDSESSION:
      if (wParam) Shell_NotifyIconA(NIM_DELETE, &icon);
      return 0;
    case WM_CLOSE:
      Shell_NotifyIconA(NIM_DELETE, &icon);
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  WNDCLASSA windowClass = {0};
  MSG message;
  HWND window;
  (void)previous;
  (void)commandLine;
  (void)show;

  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "BenchBaselineTray";
  if (!RegisterClassA(&windowClass)) return 1;
  /* A real (hidden) top-level window, like Blinkward's tray host. */
  window = CreateWindowExA(0, windowClass.lpszClassName, "Baseline", WS_OVERLAPPEDWINDOW, 0, 0, 0,
                           0, NULL, NULL, instance, NULL);
  if (!window) return 1;
  AddIcon(window);
  SetTimer(window, TICK_TIMER, TICK_MS, NULL);
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
