// Commands from a copy of the program started with a command line: the
// running copy takes each as the user's own action, as the icon, the menu or
// the dialog would, and answers with the calling copy's exit code.
#pragma once

#include "command/command_line.h"
#include "ports/commands.h"
#include "timed/countdown.h"

namespace bw {

class App;

class CommandDesk final : public CommandEvents {
 public:
  explicit CommandDesk(App& app) : app_(app) {}

  std::optional<CommandAnswer> OnCommand(std::string_view text) override;

 private:
  // The exit code; the line to print, if any, in `line`.
  int Act(const Command& command, std::string& line);
  void Begin(const SpanRequest& span);
  int TellState(std::string& line);

  App& app_;
};

}  // namespace bw
