// RegistryPort on advapi32.
#pragma once

#include "platform/ports.h"

namespace bw::win32 {

class RegistryWin final : public RegistryPort {
 public:
  long OpenKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) override;
  long CreateKey(Handle root, const std::string& path, std::uint32_t access, Handle* key) override;
  long QueryValue(Handle key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                  std::uint32_t* size) override;
  long SetValue(Handle key, const std::string& name, std::uint32_t type,
                std::string_view bytes) override;
  long DeleteValue(Handle key, const std::string& name) override;
  long CloseKey(Handle key) override;
};

}  // namespace bw::win32
