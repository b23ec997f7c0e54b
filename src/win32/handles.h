// Owners that free a Win32 handle when they go out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace bw::win32 {

// Owns one handle and frees it with Free(handle).
template <typename T, auto Free>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T handle) : handle_(handle) {}
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { Reset(); }

  T Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle up to the caller, who frees it.
  T Release() { return std::exchange(handle_, nullptr); }
  void Reset(T handle = nullptr) {
    if (handle_) Free(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = nullptr;
};

using UniqueFont = Unique<HFONT, DeleteObject>;
using UniqueIcon = Unique<HICON, DestroyIcon>;
using UniqueMenu = Unique<HMENU, DestroyMenu>;
using UniqueKernelHandle = Unique<HANDLE, CloseHandle>;
using UniqueKey = Unique<HKEY, RegCloseKey>;
using UniqueWinEventHook = Unique<HWINEVENTHOOK, UnhookWinEvent>;
using UniqueModule = Unique<HMODULE, FreeLibrary>;

}  // namespace bw::win32
