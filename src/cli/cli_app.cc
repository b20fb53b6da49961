#include "cli/cli_app.h"

#include <filesystem>
#include <ostream>

#include "cli/cli_commands.h"
#include "model/setting_fields.h"
#include "model/workbench.h"

namespace vemo {

namespace {

constexpr int kCompleted = 0;
constexpr int kCommandFailed = 1;
constexpr int kUsageError = 2;

const char* const kUsage = "usage: vemo-cli [-C DIR] [--set NAME=VALUE]... COMMAND [ARG]...\n";

struct Invocation {
  std::string folder;
  std::vector<std::pair<std::string, std::string>> settings;
  std::vector<std::pair<const CliCommand*, std::string>> commands;
};

// Parses the arguments; returns an error text for a usage error, empty on success.
std::string parse(const std::vector<std::string>& args, Invocation& inv) {
  size_t k = 0;
  for (; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "-C" || a == "--set") {
      if (k + 1 >= args.size()) return a + " needs a value";
      const std::string& value = args[++k];
      if (a == "-C") {
        inv.folder = value;
        continue;
      }
      const size_t eq = value.find('=');
      if (eq == std::string::npos || eq == 0) return "--set takes NAME=VALUE, not '" + value + "'";
      inv.settings.emplace_back(value.substr(0, eq), value.substr(eq + 1));
    } else if (!a.empty() && a[0] == '-') {
      return "unknown option '" + a + "'";
    } else {
      break;
    }
  }
  if (k >= args.size()) return "no command given";
  for (; k < args.size(); ++k) {
    const CliCommand* command = find_cli_command(args[k]);
    if (command == nullptr) return "unknown command '" + args[k] + "'";
    std::string argument;
    if (command->takes_argument) {
      if (k + 1 >= args.size()) return command->name + " needs an argument";
      argument = args[++k];
    }
    inv.commands.emplace_back(command, argument);
  }
  return "";
}

// gave_up is set whenever a file could not be opened: some commands go on after that (a
// deletion study keeps the network in memory), but the run still did not complete.
void connect_front_end(Workbench& wb, std::ostream& err, bool& gave_up) {
  wb.file_error_handler = [&err, &gave_up](const std::string& name, OpenMode mode,
                                           const std::string& reason) {
    gave_up = true;
    err << "vemo-cli: cannot open '" << name << "' for "
        << (mode == OpenMode::kRead ? "reading" : "writing") << ": " << reason << "\n";
    return false;  // give up
  };
  wb.message_handler = [&err](const std::string& text) { err << "vemo-cli: " << text << "\n"; };
}

}  // namespace

int run_cli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Invocation inv;
  if (const std::string problem = parse(args, inv); !problem.empty()) {
    err << "vemo-cli: " << problem << "\n" << kUsage;
    return kUsageError;
  }
  Workbench wb;
  bool gave_up = false;
  connect_front_end(wb, err, gave_up);
  for (const auto& [name, value] : inv.settings) {
    if (auto message = assign_setting(wb, name, value)) {
      err << "vemo-cli: --set " << name << "=" << value << ": " << *message << "\n";
      return kUsageError;
    }
  }
  std::error_code ec;
  const std::filesystem::path caller_folder = std::filesystem::current_path(ec);
  if (!inv.folder.empty()) {
    std::filesystem::current_path(inv.folder, ec);
    if (ec) {
      err << "vemo-cli: cannot change to folder '" << inv.folder << "': " << ec.message() << "\n";
      return kCommandFailed;
    }
  }
  int status = kCompleted;
  for (const auto& [command, argument] : inv.commands) {
    wb.input_refused = false;
    command->run(wb, argument);
    if (wb.input_refused || wb.model.file_abort == 1 || gave_up) {
      status = kCommandFailed;
      break;
    }
    out << command->name << ": " << command->summary(wb, argument) << "\n";
  }
  if (!inv.folder.empty()) std::filesystem::current_path(caller_folder, ec);
  return status;
}

}  // namespace vemo
