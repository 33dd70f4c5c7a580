#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <functional>

#include "cli/buffer_command.h"
#include "cli/cli_options.h"
#include "cli/database_command.h"
#include "cli/formula_command.h"
#include "cli/list_command.h"
#include "cli/open_command.h"
#include "cli/ph_command.h"

namespace solvara {

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           const EnvironmentLookup& environment) {
    CLI::App app{"Solvara: pH buffer design and solution pH calculations", "solvara-cli"};
    app.require_subcommand(1);
    // Common options may follow the command ("formula TEXT --json").
    app.fallthrough();

    CommonOptions options;
    options.environment = environment;
    app.add_flag("--json", options.json, "Machine-readable output");
    app.add_option("--digits", options.digits, "Significant digits of text output")
        ->check(CLI::IsMember({4, 6}));
    app.add_option("--database", options.database,
                   "Program database file (default: the user's database file, else the starter content)");

    std::function<int()> command;
    addFormulaCommand(app, options, out, err, command);
    addListCommand(app, options, out, err, command);
    addPhCommand(app, options, out, err, command);
    addBufferCommand(app, options, out, err, command);
    addDatabaseCommand(app, options, out, err, command);
    addOpenCommand(app, options, out, err, command);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? exitSuccess : exitUsageOrFile;
    }
    return command();
}

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return runCli(argc, argv, out, err, processEnvironment());
}

}  // namespace solvara
