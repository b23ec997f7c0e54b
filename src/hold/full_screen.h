// When a window counts as full screen: it covers its monitor and has neither
// a caption nor a sizing frame. A maximized ordinary window covers a monitor
// without a taskbar, and a restored one can be sized over it (a virtual
// machine's, a remote desktop's): both are still windows the user works in.
#pragma once

namespace bw {

struct ScreenRect {
  long left, top, right, bottom;
};

struct WindowFacts {
  ScreenRect window, monitor;
  bool shown;  // visible and not minimized
  bool caption, sizingFrame;
};

constexpr bool FillsMonitor(const WindowFacts& w) {
  return w.shown && !w.caption && !w.sizingFrame && w.window.left <= w.monitor.left &&
         w.window.top <= w.monitor.top && w.window.right >= w.monitor.right &&
         w.window.bottom >= w.monitor.bottom;
}

}  // namespace bw
