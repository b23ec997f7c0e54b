#include "platform/win32/registry_win.h"

#include <windows.h>

#include "platform/win32/handles_win.h"

namespace bw::win32 {

long RegistryWin::OpenKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(ToKey(root), path.c_str(), 0, access, &opened);
  *key = ToHandle(opened);
  return result;
}

long RegistryWin::CreateKey(Handle root, const std::string& path, std::uint32_t access,
                            Handle* key) {
  HKEY created = nullptr;
  char noClass[] = "";
  const LONG result = RegCreateKeyExA(ToKey(root), path.c_str(), 0, noClass,
                                      REG_OPTION_NON_VOLATILE, access, nullptr, &created, nullptr);
  *key = ToHandle(created);
  return result;
}

long RegistryWin::QueryValue(Handle key, const std::string& name, std::uint32_t* type,
                             std::uint8_t* data, std::uint32_t* size) {
  // DWORD is unsigned long, not the logic's uint32_t: pass copies.
  DWORD valueType = type ? *type : 0;
  DWORD valueSize = size ? *size : 0;
  const LONG result =
      RegQueryValueExA(ToKey(key), name.c_str(), nullptr, type ? &valueType : nullptr, data,
                       size ? &valueSize : nullptr);
  if (type) *type = valueType;
  if (size) *size = valueSize;
  return result;
}

long RegistryWin::SetValue(Handle key, const std::string& name, std::uint32_t type,
                           std::string_view bytes) {
  return RegSetValueExA(ToKey(key), name.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size()));
}

long RegistryWin::DeleteValue(Handle key, const std::string& name) {
  return RegDeleteValueA(ToKey(key), name.c_str());
}

long RegistryWin::CloseKey(Handle key) { return RegCloseKey(ToKey(key)); }

}  // namespace bw::win32
