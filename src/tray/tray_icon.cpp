#include "tray/tray_icon.h"

namespace bw {

namespace {
constexpr std::string_view kStartupTip = "Blinkward";  // the tip until the first poll
}  // namespace

void TrayIcon::AddTrayIcon() {
  record_.cbSize = kTrayRecordSize;
  record_.hWnd = forms_.StatusOutputWindow();
  record_.uID = kTrayIconId;
  record_.uFlags = kTrayFlags;
  record_.uCallbackMessage = kTrayCallbackMessage;
  record_.hIcon = forms_.PictureIcon(TrayPicture::FormIcon);
  SetTrayTip(kStartupTip);
  shown_ = true;
  shell_.NotifyIcon(kNimAdd, record_);
}

void TrayIcon::SetTrayPicture(int index) {
  record_.hIcon = forms_.PictureIcon(static_cast<TrayPicture>(index));
}

void TrayIcon::SetTrayTip(std::string_view text) { WriteTipField(record_.szTip, text); }

void TrayIcon::ModifyTrayIcon() { shell_.NotifyIcon(kNimModify, record_); }

void TrayIcon::DeleteTrayIcon() {
  shown_ = false;
  shell_.NotifyIcon(kNimDelete, record_);
}

void TrayIcon::RestoreTrayIcon() {
  if (!shown_) return;
  shell_.NotifyIcon(kNimAdd, record_);
}

}  // namespace bw
