// vemo-cli, the headless front end:
//
//   vemo-cli [-C DIR] [--set NAME=VALUE]... COMMAND [ARG]...
//
// Runs the commands in order on one Workbench, in DIR, exactly as the menu commands run, and
// prints one summary line per command. Exit status: 0 when every command completed; 1 when a
// command gave up on a file or refused its input (the message on stderr; later commands are not
// run); 2 for a usage error.
#ifndef VEMO_CLI_CLI_APP_H_
#define VEMO_CLI_CLI_APP_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace vemo {

int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vemo

#endif  // VEMO_CLI_CLI_APP_H_
