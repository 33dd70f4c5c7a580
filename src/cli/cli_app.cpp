#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>
#include <sstream>
#include <string_view>

#include "cli/buffer_command.h"
#include "cli/cli_options.h"
#include "cli/command_output.h"
#include "cli/database_command.h"
#include "cli/formula_command.h"
#include "cli/list_command.h"
#include "cli/open_command.h"
#include "cli/option_values.h"
#include "cli/ph_command.h"

namespace solvara {
namespace {

// Whether a command line that could not be parsed asked for JSON output.
bool asksForJson(int argc, const char* const* argv) {
    return std::any_of(argv + 1, argv + argc,
                       [](const char* argument) { return std::string_view(argument) == "--json"; });
}

int parseAndRun(int argc, const char* const* argv, CommonOptions& options, std::ostream& out,
                std::ostream& err) {
    CLI::App app{"Solvara: pH buffer design and solution pH calculations", "solvara-cli"};
    app.require_subcommand(1);
    // Common options may follow the command ("formula TEXT --json").
    app.fallthrough();

    CLI::Option* json = app.add_flag("--json", options.json, "Machine-readable output");
    CLI::Option* digits =
        app.add_option("--digits", options.digits, "Significant digits of text output")
            ->check(CLI::IsMember({"4", "6"}))
            ->excludes(json);
    app.add_option(
           "--database", options.database,
           "Program database file (default: the user's database file, else the starter content)")
        ->check(nonEmpty("a file name"));

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
        options.json = asksForJson(argc, argv);
        if (options.json && e.get_exit_code() != 0) {
            err << e.what() << '\n';  // without the hint to --help, which is for people
            return exitUsageOrFile;
        }
        const int status = app.exit(e, out, err);
        return status == 0 ? exitSuccess : exitUsageOrFile;
    }
    options.digitsGiven = digits->count() > 0;
    return command();
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           const EnvironmentLookup& environment) {
    CommonOptions options;
    options.environment = environment;
    // Held back until the command has finished, so that a failure can still replace its output.
    std::ostringstream commandOut;
    std::ostringstream commandErr;
    int status = exitCalculationFailed;  // what an unexpected exception leaves
    try {
        status = parseAndRun(argc, argv, options, commandOut, commandErr);
    } catch (const std::exception& error) {
        commandErr << "solvara-cli: unexpected error: " << error.what() << '\n';
    } catch (...) {
        commandErr << "solvara-cli: unexpected error\n";
    }
    return deliverOutput(status, options.json, commandOut.str(), commandErr.str(), out, err);
}

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return runCli(argc, argv, out, err, processEnvironment());
}

}  // namespace solvara
