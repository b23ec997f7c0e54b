// Commands from a copy of the program started with a command line: the
// running copy takes each as the user's own action, as the icon, the menu or
// the dialog would, and answers with the calling copy's exit code.
#pragma once

#include "app/user_actions.h"
#include "command/command_line.h"
#include "ports/commands.h"

namespace bw {

class CommandDesk final : public CommandEvents {
 public:
  explicit CommandDesk(UserActions& actions) : actions_(actions) {}

  std::optional<CommandAnswer> OnCommand(std::string_view text) override;

 private:
  // The exit code; the line to print, if any, in `line`.
  int Act(const Command& command, std::string& line);
  Outcome Ask(const Command& command);

  UserActions& actions_;
};

}  // namespace bw
