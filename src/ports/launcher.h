// Starting other programs, and finding their files (kernel32).
#pragma once

#include <string>

namespace bw {

class LauncherPort {
 public:
  virtual ~LauncherPort() = default;
  // Starts a command line minimised in the given folder and returns at once.
  virtual bool Launch(const std::string& commandLine, const std::string& folder) = 0;
  // The system folder, without a trailing separator.
  virtual std::string SystemDirectory() = 0;
  // The 64-bit system folder as a 32-bit program on 64-bit Windows reaches it
  // (its own system folder is redirected); empty everywhere else.
  virtual std::string NativeSystemDirectory() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The text with each %NAME% of the environment replaced by its value.
  virtual std::string ExpandVariables(const std::string& text) = 0;
};

}  // namespace bw
