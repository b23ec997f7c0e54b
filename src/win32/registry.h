// RegistryPort on advapi32, under HKEY_CURRENT_USER, in UTF-16 so that paths in
// any script are stored as they are.
#pragma once

#include "ports/registry_port.h"

namespace bw::win32 {

class Registry final : public RegistryPort {
 public:
  StoredString ReadString(std::string_view keyPath, std::string_view name) override;
  bool WriteString(std::string_view keyPath, std::string_view name, std::string_view text) override;
  StoredList ReadList(std::string_view keyPath, std::string_view name) override;
  bool WriteList(std::string_view keyPath, std::string_view name,
                 const std::vector<std::string>& items) override;
  bool DeleteValue(std::string_view keyPath, std::string_view name) override;
  bool CreateLogonKey(std::string_view keyPath) override;
  bool DeleteKey(std::string_view keyPath) override;
};

}  // namespace bw::win32
