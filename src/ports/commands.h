// Commands a copy of the program started with a command line hands the copy
// that runs: the text of its command line, and the answer it waits for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bw {

// The longest line the channel carries back, in bytes.
inline constexpr std::size_t kAnswerLineMaxBytes = 300;

// The calling copy's exit code, and the line it prints, if any.
struct CommandAnswer {
  int exitCode = 0;
  std::string line;
};

class CommandEvents {
 public:
  virtual ~CommandEvents() = default;
  // Nothing for a text that is no command: it is ignored.
  virtual std::optional<CommandAnswer> OnCommand(std::string_view text) = 0;
};

}  // namespace bw
