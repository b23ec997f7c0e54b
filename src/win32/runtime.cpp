// The C++ runtime pieces the program replaces, linked into Blinkward.exe only.
//
// The program is built without exceptions, yet the static libstdc++ would pull
// in its throwing allocator, the std::__throw_* helpers with their exception
// classes, and the verbose terminate handler with a whole name demangler and
// printf: about 200 KB for paths that can only end the process anyway. Each
// replacement below ends the process at once, which is all those paths could
// do here.
#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void Fail() {
  // No message box and no log: a tray utility that cannot allocate just ends.
  ExitProcess(3);
}

void* Allocate(std::size_t size) {
  void* block = std::malloc(size != 0 ? size : 1);
  if (block == nullptr) Fail();
  return block;
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size != 0 ? size : 1);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace std {

void __throw_bad_alloc() { Fail(); }
void __throw_bad_array_new_length() { Fail(); }
void __throw_length_error(const char*) { Fail(); }
void __throw_logic_error(const char*) { Fail(); }
void __throw_out_of_range(const char*) { Fail(); }
void __throw_out_of_range_fmt(const char*, ...) { Fail(); }
void __throw_invalid_argument(const char*) { Fail(); }

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() { Fail(); }

}  // namespace __gnu_cxx
