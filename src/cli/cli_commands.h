// The command table of vemo-cli: each menu command by its command-line name, how it runs on the
// workbench and the one summary line it prints when it completed.
#ifndef VEMO_CLI_CLI_COMMANDS_H_
#define VEMO_CLI_CLI_COMMANDS_H_

#include <functional>
#include <string>
#include <vector>

#include "model/workbench.h"

namespace vemo {

struct CliCommand {
  std::string name;
  bool takes_argument = false;
  std::function<void(Workbench&, const std::string& argument)> run;
  std::function<std::string(const Workbench&, const std::string& argument)> summary;
};

const std::vector<CliCommand>& cli_commands();
// The command of that name, or nullptr.
const CliCommand* find_cli_command(const std::string& name);

}  // namespace vemo

#endif  // VEMO_CLI_CLI_COMMANDS_H_
