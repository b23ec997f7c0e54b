// The C++ runtime pieces the program replaces, linked into Blinkward.exe only.
//
// The program is built without exceptions, yet the static libstdc++ would pull
// in its throwing allocator, the std::__throw_* helpers with their exception
// classes, and the verbose terminate handler with a whole name demangler and
// printf: about 200 KB for paths that can only end the process anyway. Each
// replacement below ends the process at once, which is all those paths could
// do here.
//
// The exe is linked without MinGW's start-up files too (-nostartfiles): their
// argv parsing, TLS callbacks, pseudo-relocation, exception filter and unwind
// tables cost about 10 KB, and msvcrt.dll sets itself up when it is loaded.
// The entry point below does the part the program can rely on.
#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <new>

extern "C" {
// Laid out by the linker: -1, the constructors of global objects, 0.
extern void (*__CTOR_LIST__[])();
extern IMAGE_DOS_HEADER __ImageBase;
}

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

// Destructors of global and function-local static objects are registered here
// by the compiler; msvcrt.dll's exit() runs them, last registered first.
extern "C" int __cdecl atexit(void (*function)()) noexcept {
  return _onexit(reinterpret_cast<_onexit_t>(function)) != nullptr ? 0 : -1;
}

// The entry point (-e in CMakeLists.txt). As MinGW's start-up
// did: the x87 unit at full precision, the global constructors in link
// order's reverse, WinMain with the command line after the program's name,
// and exit() with what it returns.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void WinMainCRTStartup() {
  __asm__ volatile("fninit");
  std::size_t count = 0;
  while (__CTOR_LIST__[count + 1] != nullptr) ++count;
  for (; count != 0; --count) __CTOR_LIST__[count]();

  // Bytes above 0x7f belong to names: compare unsigned.
  auto* arguments = reinterpret_cast<unsigned char*>(GetCommandLineA());
  bool quoted = false;
  for (; *arguments > ' ' || (*arguments != 0 && quoted); ++arguments) {
    if (*arguments == '"') quoted = !quoted;
  }
  while (*arguments != 0 && *arguments <= ' ') ++arguments;
  std::exit(WinMain(reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr,
                    reinterpret_cast<char*>(arguments), SW_SHOWDEFAULT));
}
