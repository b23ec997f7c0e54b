// Conversions between the logic's opaque handle values and Win32 handles, and
// owners that free a handle when they go out of scope.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/ports.h"

namespace bw::win32 {

template <typename T>
Handle ToHandle(T handle) {
  return static_cast<Handle>(reinterpret_cast<std::uintptr_t>(handle));
}

template <typename T>
T FromHandle(Handle value) {
  return reinterpret_cast<T>(static_cast<std::uintptr_t>(value));
}

// Registry keys are 32-bit significant values that Windows sign-extends on
// 64-bit systems: HKEY_CURRENT_USER is 0x80000001 to the logic but
// 0xFFFFFFFF80000001 to a 64-bit advapi32.
inline HKEY ToKey(Handle value) {
  return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<LONG>(value)));
}

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
using UniqueWindow = Unique<HWND, DestroyWindow>;

}  // namespace bw::win32
