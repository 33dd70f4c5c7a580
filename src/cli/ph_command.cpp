#include "cli/ph_command.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/ph_document_output.h"
#include "cli/program_in_use.h"
#include "cli/save_file_check.h"
#include "core/database/program_model.h"
#include "core/phcalc/ph_calculator_doc.h"
#include "core/text/parse_number.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

struct PhArguments {
    std::vector<std::string> reagents;
    double temperature = 25.0;
    std::string volumeMode = "ignore";
    double finalVolume = 0.0;
    std::string ionicStrength = "calculate";
    bool csv = false;
    bool report = false;
    std::string save;  // a .phc file to write the document to
};

// "NAME_OR_FORMULA:CONC[:VOLUME]", split at its last one or two colons.
struct ReagentArgument {
    std::string nameOrFormula;  // Windows-1252
    double concentration = 0.0;
    double volume = 0.0;
};

std::optional<double> numberIn(const std::string& text) {
    double value = 0.0;
    if (text.empty() || !parseNumber(text, value)) return std::nullopt;
    return value;
}

std::optional<ReagentArgument> parseReagentArgument(const std::string& argument) {
    const std::size_t last = argument.rfind(':');
    if (last == std::string::npos || last == 0) return std::nullopt;
    const std::optional<double> lastNumber = numberIn(argument.substr(last + 1));
    if (!lastNumber) return std::nullopt;
    const std::size_t previous = argument.rfind(':', last - 1);
    if (previous != std::string::npos && previous > 0) {
        if (const auto concentration = numberIn(argument.substr(previous + 1, last - previous - 1))) {
            return ReagentArgument{utf8ToWindows1252(argument.substr(0, previous)), *concentration,
                               *lastNumber};
        }
    }
    return ReagentArgument{utf8ToWindows1252(argument.substr(0, last)), *lastNumber, 0.0};
}

// The reagent of that name in the database, else a new one with that formula.
ReagentpHCalculator makeRow(ProgramModel& program, const ReagentArgument& reagent) {
    ReagentpHCalculator row(program);
    if (const Reagent* known = program.reagents.FindByName(reagent.nameOrFormula)) {
        static_cast<Reagent&>(row) = *known;
    } else {
        row.name = reagent.nameOrFormula;
        row.setFormula(reagent.nameOrFormula, program.elements);
    }
    row.concentration = reagent.concentration;
    row.volume = reagent.volume;
    row.analyze(false);
    return row;
}

// Sets the modes of the solution from the arguments; an error text when they
// are not understood.
std::optional<std::string> applyModes(CpHCalculatorDoc& solution, const PhArguments& arguments) {
    solution.temperature = arguments.temperature;
    if (arguments.volumeMode == "ignore") {
        solution.volumeMode = CpHCalculatorDoc::ignoreVolumes;
    } else if (arguments.volumeMode == "sum") {
        solution.volumeMode = CpHCalculatorDoc::sumVolumes;
    } else {
        solution.volumeMode = CpHCalculatorDoc::finalVolume;
        solution.solutionVolume = arguments.finalVolume;
    }
    if (arguments.ionicStrength == "calculate") {
        solution.ionicStrengthMode = CpHCalculatorDoc::calculateIonicStrength;
    } else if (arguments.ionicStrength == "ignore") {
        solution.ionicStrengthMode = CpHCalculatorDoc::ignoreIonicStrength;
    } else {
        const std::optional<double> forced = numberIn(arguments.ionicStrength);
        if (!forced || *forced < 0.0) {
            return "--ionic-strength takes calculate, ignore or a value of 0 or more";
        }
        solution.ionicStrengthMode = CpHCalculatorDoc::forceIonicStrength;
        solution.ionicStrength = *forced;
    }
    return std::nullopt;
}

int runPh(const PhArguments& arguments, const CommonOptions& options, std::ostream& out,
          std::ostream& err) {
    const std::optional<PhOutput> output =
        choosePhOutput(options.json, arguments.csv, arguments.report, err);
    if (!output) return exitUsageOrFile;
    if (!acceptSaveFile(DocumentKind::pHCalculation, arguments.save, options, out, err)) {
        return exitUsageOrFile;
    }
    const std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
    if (!inUse) return exitUsageOrFile;
    ProgramModel* program = inUse->program.get();
    CpHCalculatorDoc document(*program);
    if (const auto problem = applyModes(document, arguments)) {
        err << *problem << '\n';
        return exitUsageOrFile;
    }
    for (const std::string& argument : arguments.reagents) {
        const std::optional<ReagentArgument> reagent = parseReagentArgument(argument);
        if (!reagent) {
            err << "--reagent \"" << argument << "\" is not NAME_OR_FORMULA:CONC[:VOLUME]\n";
            return exitUsageOrFile;
        }
        document.addReagent(makeRow(*program, *reagent));
    }
    // The rows given replace the empty row a new document starts with.
    document.removeReagent(0);

    const int status = printPhResults(document, *output, options.digits, out, err);
    if (!arguments.save.empty() && !savePhDocument(document, arguments.save, err)) {
        return exitUsageOrFile;
    }
    return status;
}

}  // namespace

void addPhCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                  std::ostream& err, std::function<int()>& command) {
    auto* sub = app.add_subcommand("ph", "pH, ionic strength and species of a solution");
    auto arguments = std::make_shared<PhArguments>();
    sub->add_option("--reagent", arguments->reagents,
                    "NAME_OR_FORMULA:CONC_M[:VOLUME_mL], a reagent of the database by name or "
                    "any formula")
        ->required();
    sub->add_option("--temperature", arguments->temperature, "Temperature in degC (default 25)");
    sub->add_option("--volume-mode", arguments->volumeMode, "ignore, sum or final")
        ->check(CLI::IsMember({"ignore", "sum", "final"}));
    sub->add_option("--final-volume", arguments->finalVolume, "Final volume in mL (mode final)");
    sub->add_option("--ionic-strength", arguments->ionicStrength,
                    "calculate, ignore, or a value in mol/L to force");
    sub->add_flag("--csv", arguments->csv,
                  "Print the results as the CSV export writes them (Windows-1252, CR LF)");
    sub->add_flag("--report", arguments->report, "Print the calculation details report as text");
    sub->add_option("--save", arguments->save, "Write the solution as a pH calculator document (.phc)");
    sub->callback([&options, &out, &err, &command, arguments] {
        command = [&options, &out, &err, arguments] { return runPh(*arguments, options, out, err); };
    });
}

}  // namespace solvara
