#include "cli/ph_command.h"

#include <cmath>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/program_in_use.h"
#include "cli/text_table.h"
#include "core/database/program_model.h"
#include "core/equilibrium/ph_calculation_error.h"
#include "core/equilibrium/ph_solution.h"
#include "core/text/float_numbers_string.h"
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
};

// "NAME_OR_FORMULA:CONC[:VOLUME]", split at its last one or two colons.
struct ReagentSpec {
    std::string nameOrFormula;  // Windows-1252
    double concentration = 0.0;
    double volume = 0.0;
};

std::optional<double> numberIn(const std::string& text) {
    double value = 0.0;
    if (text.empty() || !parseNumber(text, value)) return std::nullopt;
    return value;
}

std::optional<ReagentSpec> parseReagentSpec(const std::string& argument) {
    const std::size_t last = argument.rfind(':');
    if (last == std::string::npos || last == 0) return std::nullopt;
    const std::optional<double> lastNumber = numberIn(argument.substr(last + 1));
    if (!lastNumber) return std::nullopt;
    const std::size_t previous = argument.rfind(':', last - 1);
    if (previous != std::string::npos && previous > 0) {
        if (const auto concentration = numberIn(argument.substr(previous + 1, last - previous - 1))) {
            return ReagentSpec{utf8ToWindows1252(argument.substr(0, previous)), *concentration,
                               *lastNumber};
        }
    }
    return ReagentSpec{utf8ToWindows1252(argument.substr(0, last)), *lastNumber, 0.0};
}

// The reagent of that name in the database, else a new one with that formula.
ReagentpHCalculator makeRow(ProgramModel& program, const ReagentSpec& spec) {
    ReagentpHCalculator row(program);
    if (const Reagent* known = program.reagents.FindByName(spec.nameOrFormula)) {
        static_cast<Reagent&>(row) = *known;
    } else {
        row.name = spec.nameOrFormula;
        row.setFormula(spec.nameOrFormula, program.elements);
    }
    row.concentration = spec.concentration;
    row.volume = spec.volume;
    row.analyze(false);
    return row;
}

std::string utf8(const std::string& text) { return windows1252ToUtf8(text); }

// null for a value that is not a number, so JSON stays valid.
nlohmann::json number(double value) {
    return std::isfinite(value) ? nlohmann::json(value) : nlohmann::json(nullptr);
}

struct PhResult {
    bool valid = false;
    std::string error;
    std::optional<double> capacity;
    double pKw = 0.0;
};

nlohmann::json resultJson(const pHSolution& solution, const PhResult& result) {
    nlohmann::json reagents = nlohmann::json::array();
    for (const auto& row : solution.reagents) {
        reagents.push_back({{"name", utf8(row->name)},
                            {"formula", utf8(row->formula)},
                            {"concentration", number(row->concentration)},
                            {"volume", number(row->volume)},
                            {"effectiveConcentration", number(row->effectiveConcentration)},
                            {"analysisLog", utf8(row->analysisLog)}});
    }
    nlohmann::json species = nlohmann::json::array();
    for (const SolutionForm& form : solution.species) {
        species.push_back({{"formula", utf8(form.formula)},
                           {"acidId", form.acidId},
                           {"charge", form.charge},
                           {"concentration", number(form.concentration)},
                           {"fraction", number(form.fraction)},
                           {"activityCoefficient", number(form.activityCoefficient)},
                           {"activity", number(form.activity)},
                           {"logActivityText", utf8(form.logActivityText)},
                           {"note", utf8(form.note)}});
    }
    nlohmann::json json = {
        {"success", result.valid},
        {"valid", result.valid},
        {"pH", result.valid ? number(solution.pH) : nullptr},
        {"ionicStrength", number(solution.ionicStrength)},
        {"temperature", number(solution.temperature)},
        {"pKw", result.valid ? number(result.pKw) : nullptr},
        {"bufferCapacity", result.capacity ? number(*result.capacity) : nullptr},
        {"osmolality", result.valid ? number(solution.osmolality()) : nullptr},
        {"reagents", reagents},
        {"species", species},
    };
    if (!result.valid) json["error"] = result.error;
    return json;
}

void printText(std::ostream& out, const pHSolution& solution, const PhResult& result,
               int digits) {
    CFloatNumbersString numbers(digits);
    const auto show = [&numbers](double value) { return numbers.formatSignificant(value, 0); };
    out << solution.pHLabel() << '\n';
    if (result.valid) {
        out << "ionic strength:  " << show(solution.ionicStrength) << " M\n"
            << "temperature:     " << show(solution.temperature) << " \xC2\xB0" "C\n"
            << "pKw:             " << show(result.pKw) << '\n'
            << "buffer capacity: " << (result.capacity ? show(*result.capacity) : "???")
            << " M/pH\n"
            << "osmolality:      " << show(solution.osmolality()) << " osmol/L\n";
    }
    out << '\n';
    std::vector<TextRow> reagents{{"reagent", "formula", "C (M)", "V (mL)", "C in solution (M)"}};
    for (const auto& row : solution.reagents) {
        reagents.push_back({row->name, row->formula, show(row->concentration), show(row->volume),
                            show(row->effectiveConcentration)});
    }
    printTable(out, reagents);
    out << '\n';
    std::vector<TextRow> species{{"species", "C (M)", "fraction", "gamma", "activity", "-log a", ""}};
    for (const SolutionForm& form : solution.species) {
        species.push_back({form.formula, show(form.concentration), show(form.fraction),
                           show(form.activityCoefficient), show(form.activity),
                           form.logActivityText, form.note});
    }
    printTable(out, species);
}

// Sets the modes of the solution from the arguments; an error text when they
// are not understood.
std::optional<std::string> applyModes(pHSolution& solution, const PhArguments& arguments) {
    solution.temperature = arguments.temperature;
    if (arguments.volumeMode == "ignore") {
        solution.volumeMode = pHSolution::ignoreVolumes;
    } else if (arguments.volumeMode == "sum") {
        solution.volumeMode = pHSolution::sumVolumes;
    } else {
        solution.volumeMode = pHSolution::finalVolume;
        solution.solutionVolume = arguments.finalVolume;
    }
    if (arguments.ionicStrength == "calculate") {
        solution.ionicStrengthMode = pHSolution::calculateIonicStrength;
    } else if (arguments.ionicStrength == "ignore") {
        solution.ionicStrengthMode = pHSolution::ignoreIonicStrength;
    } else {
        const std::optional<double> forced = numberIn(arguments.ionicStrength);
        if (!forced || *forced < 0.0) {
            return "--ionic-strength takes calculate, ignore or a value of 0 or more";
        }
        solution.ionicStrengthMode = pHSolution::forceIonicStrength;
        solution.ionicStrength = *forced;
    }
    return std::nullopt;
}

// Why the rows cannot be calculated: the analysis log of the first row whose
// formula did not analyse.
std::string rowProblem(const pHSolution& solution) {
    for (const auto& row : solution.reagents) {
        if (!row->analysed) {
            return "the formula of \"" + utf8(row->name) + "\" cannot be used: " +
                   utf8(row->analysisLog);
        }
        if (row->concentration == 0.0) return "\"" + utf8(row->name) + "\" has no concentration";
    }
    return "the pH could not be calculated";
}

int runPh(const PhArguments& arguments, const CommonOptions& options, std::ostream& out,
          std::ostream& err) {
    const std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
    if (!inUse) return exitUsageOrFile;
    ProgramModel* program = inUse->program.get();
    pHSolution solution(*program);
    if (const auto problem = applyModes(solution, arguments)) {
        err << *problem << '\n';
        return exitUsageOrFile;
    }
    for (const std::string& argument : arguments.reagents) {
        const std::optional<ReagentSpec> spec = parseReagentSpec(argument);
        if (!spec) {
            err << "--reagent \"" << argument << "\" is not NAME_OR_FORMULA:CONC[:VOLUME]\n";
            return exitUsageOrFile;
        }
        solution.addReagent(makeRow(*program, *spec));
    }

    PhResult result;
    result.valid = solution.recalculate();
    if (result.valid) {
        result.pKw = program->water.pKw(solution.temperature, solution.ionicStrength);
        const double pH = solution.pH;
        const double ionicStrength = solution.ionicStrength;
        try {
            result.capacity = solution.bufferCapacity();
        } catch (const pHCalculationError&) {
            // The capacity is shown as not available; the other results stand.
        }
        // The capacity's solves must not change what the first solve found.
        solution.pH = pH;
        solution.ionicStrength = ionicStrength;
        solution.resultsValid = true;
    } else {
        result.error = rowProblem(solution);
    }

    if (options.json) {
        out << resultJson(solution, result).dump(2) << '\n';
    } else {
        printText(out, solution, result, options.digits);
    }
    if (!result.valid) {
        err << result.error << '\n';
        return exitCalculationFailed;
    }
    return exitSuccess;
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
    sub->callback([&options, &out, &err, &command, arguments] {
        command = [&options, &out, &err, arguments] { return runPh(*arguments, options, out, err); };
    });
}

}  // namespace solvara
