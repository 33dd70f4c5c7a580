#include "cli/ph_command.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"
#include "cli/option_values.h"
#include "cli/pdf_output.h"
#include "cli/ph_distribution_output.h"
#include "cli/ph_document_output.h"
#include "cli/program_in_use.h"
#include "cli/save_file_check.h"
#include "core/phcalc/ph_calculator_doc.h"
#include "core/program/program_model.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

struct PhArguments {
    std::vector<std::string> reagents;  // none: pure water
    double temperature = 25.0;
    std::string volumeMode = "ignore";
    std::optional<double> finalVolume;
    std::string ionicStrength = "calculate";
    bool csv = false;
    bool report = false;
    bool distribution = false;
    std::string save;  // a .phc file to write the document to
    std::string pdf;   // a PDF file to write the calculation details to
};

// A --reagent argument: NAME_OR_FORMULA:CONC[:VOLUME].
struct ReagentArgument {
    std::string nameOrFormula;  // Windows-1252
    double concentration = 0.0;
    std::optional<double> volume;
};

// The argument split at its last one or two colons; none, with `problem` saying why, when it
// is not a reagent argument. A name holds colons only when the database knows it so: otherwise
// a second colon starts the concentration.
std::optional<ReagentArgument> parseReagentArgument(std::string_view argument,
                                                    const ReagentDatabase& reagents,
                                                    std::string& problem) {
    const std::size_t last = argument.rfind(':');
    if (last == std::string_view::npos || last == 0) {
        problem = "expected NAME_OR_FORMULA:CONC[:VOLUME]";
        return std::nullopt;
    }
    std::size_t nameEnd = last;
    std::string_view concentration = argument.substr(last + 1);
    std::string_view volume;
    const std::size_t previous = argument.rfind(':', last - 1);
    if (previous != std::string_view::npos && previous > 0 &&
        reagents.FindByName(utf8ToWindows1252(argument.substr(0, last))) == nullptr) {
        nameEnd = previous;
        volume = concentration;
        concentration = argument.substr(previous + 1, last - previous - 1);
    }
    const auto read = [&problem](std::string_view number, const char* what) {
        const std::optional<double> value = readNumber(number, kNotNegative, problem);
        if (!value) problem = what + problem;
        return value;
    };
    ReagentArgument reagent;
    reagent.nameOrFormula = utf8ToWindows1252(argument.substr(0, nameEnd));
    const std::optional<double> concentrationValue = read(concentration, "concentration ");
    if (!concentrationValue) return std::nullopt;
    reagent.concentration = *concentrationValue;
    if (nameEnd != last) {
        reagent.volume = read(volume, "volume ");
        if (!reagent.volume) return std::nullopt;
    }
    return reagent;
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
    row.volume = reagent.volume.value_or(0.0);
    row.analyze(false);
    return row;
}

// The rows the --reagent arguments ask for; none, after saying why on `err`, when one is not a
// row or gives a volume that the volume mode does not use.
std::optional<std::vector<ReagentArgument>> readReagents(const PhArguments& arguments,
                                                         const ReagentDatabase& reagents,
                                                         std::ostream& err) {
    std::vector<ReagentArgument> rows;
    for (const std::string& argument : arguments.reagents) {
        std::string problem;
        std::optional<ReagentArgument> row = parseReagentArgument(argument, reagents, problem);
        if (row && row->volume && arguments.volumeMode == "ignore") {
            problem = "a volume acts only with --volume-mode sum or final";
            row.reset();
        }
        if (!row) {
            err << "--reagent \"" << argument << "\": " << problem << '\n';
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    return rows;
}

// Sets the modes of the solution from the arguments; an error text when they
// are not understood or do not fit together.
std::optional<std::string> applyModes(CpHCalculatorDoc& solution, const PhArguments& arguments) {
    solution.setTemperature(arguments.temperature);
    if (arguments.finalVolume && arguments.volumeMode != "final") {
        return "--final-volume acts only with --volume-mode final";
    }
    if (arguments.volumeMode == "ignore") {
        solution.setVolumeMode(VolumeMode::ignoreVolumes);
    } else if (arguments.volumeMode == "sum") {
        solution.setVolumeMode(VolumeMode::sumVolumes);
    } else {
        if (!arguments.finalVolume) return "--volume-mode final needs --final-volume";
        solution.setVolumeMode(VolumeMode::finalVolume);
        solution.setSolutionVolume(*arguments.finalVolume);
    }
    if (arguments.ionicStrength == "calculate") {
        solution.setIonicStrengthMode(IonicStrengthMode::calculateIonicStrength);
    } else if (arguments.ionicStrength == "ignore") {
        solution.setIonicStrengthMode(IonicStrengthMode::ignoreIonicStrength);
    } else {
        std::string problem;
        const std::optional<double> forced =
            readNumber(arguments.ionicStrength, kNotNegative, problem);
        if (!forced)
            return "--ionic-strength takes calculate, ignore or a value in mol/L: " + problem;
        solution.setIonicStrengthMode(IonicStrengthMode::forceIonicStrength);
        solution.setIonicStrength(*forced);
    }
    return std::nullopt;
}

int runPh(const PhArguments& arguments, const CommonOptions& options, std::ostream& out,
          std::ostream& err) {
    const std::optional<PhOutput> output =
        choosePhOutput(options.json, arguments.csv, arguments.report, err);
    if (!output) return exitUsageOrFile;
    if (arguments.distribution && (*output != PhOutput::text || options.digitsGiven)) {
        err << "--distribution prints CSV of its own: leave out --json, --csv, --report and "
               "--digits\n";
        return exitUsageOrFile;
    }
    if (!acceptSaveFile(DocumentKind::pHCalculation, arguments.save, err) ||
        !acceptPdfFile(arguments.pdf, err)) {
        return exitUsageOrFile;
    }
    if (options.digitsGiven && *output != PhOutput::text) {
        err << "--digits acts only on text output, not with --csv or --report\n";
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
    const std::optional<std::vector<ReagentArgument>> rows =
        readReagents(arguments, program->reagents, err);
    if (!rows) return exitUsageOrFile;
    for (const ReagentArgument& row : *rows) document.addReagent(makeRow(*program, row));
    // The rows given replace the empty row a new document starts with; without any, the
    // solution is pure water.
    document.removeReagent(0);

    const int status = arguments.distribution
                           ? printPhDistribution(document, out, err)
                           : printPhResults(document, *output, options.digits, out, err);
    if (!arguments.pdf.empty() && !writeDetailsPdf(document, arguments.pdf, err)) {
        return exitUsageOrFile;
    }
    if (!arguments.save.empty() && !savePhDocument(document, arguments.save, err)) {
        return exitUsageOrFile;
    }
    return status;
}

}  // namespace

void addPhCommand(CLI::App& app, const CommonOptions& options, std::ostream& out, std::ostream& err,
                  std::function<int()>& command) {
    auto* sub = app.add_subcommand("ph", "pH, ionic strength and species of a solution");
    auto arguments = std::make_shared<PhArguments>();
    sub->add_option("--reagent", arguments->reagents,
                    "NAME_OR_FORMULA:CONC_M[:VOLUME_mL], a reagent of the database by name or "
                    "any formula (none: pure water)");
    sub->add_option("--temperature", arguments->temperature, "Temperature in degC (default 25)")
        ->check(numberIn(kTemperatures));
    sub->add_option("--volume-mode", arguments->volumeMode, "ignore, sum or final")
        ->check(CLI::IsMember({"ignore", "sum", "final"}));
    sub->add_option("--final-volume", arguments->finalVolume, "Final volume in mL (mode final)")
        ->check(numberIn(kAboveZero));
    sub->add_option("--ionic-strength", arguments->ionicStrength,
                    "calculate, ignore, or a value in mol/L to force");
    sub->add_flag("--csv", arguments->csv,
                  "Print the results as the CSV export writes them (Windows-1252, CR LF)");
    sub->add_flag("--report", arguments->report, "Print the calculation details report as text");
    sub->add_flag("--distribution", arguments->distribution,
                  "Print the fraction of every form of every acid at pH 0 to 14 as CSV");
    sub->add_option("--save", arguments->save,
                    "Write the solution as a pH calculator document (.phc)")
        ->check(nonEmpty("a file name"));
    sub->add_option("--pdf", arguments->pdf, "Write the calculation details report as a PDF file")
        ->check(nonEmpty("a file name"));
    sub->callback([&options, &out, &err, &command, arguments] {
        command = [&options, &out, &err, arguments] {
            return runPh(*arguments, options, out, err);
        };
    });
}

}  // namespace solvara
