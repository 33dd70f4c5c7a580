#include "cli/ph_document_output.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/text_table.h"
#include "core/equilibrium/ionic_strength_limit.h"
#include "core/equilibrium/ph_calculation_error.h"
#include "core/phcalc/calculation_details_report.h"
#include "core/phcalc/csv_export.h"
#include "core/phcalc/ph_calculator_file.h"
#include "core/program/program_model.h"
#include "core/report/report_text.h"
#include "core/text/float_numbers_string.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

std::string utf8(const std::string& text) { return windows1252ToUtf8(text); }

std::string inQuotes(const std::string& text) {
    std::string result(1, '"');
    result += utf8(text);
    result += '"';
    return result;
}

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

// Why the rows cannot be calculated: the fault of the first row that has one.
std::string rowProblem(const pHSolution& solution) {
    const std::optional<int> faulty = solution.firstFaultyRow();
    if (!faulty) return "the pH could not be calculated";
    const ReagentpHCalculator& row = solution.reagentAt(*faulty);
    switch (solution.rowFault(*faulty)) {
        case RowFault::formulaNotAnalysed:
            return "the formula of " + inQuotes(row.name) +
                   " cannot be used: " + utf8(row.analysisLog);
        case RowFault::noConcentration:
            return inQuotes(row.name) + " has no concentration";
        case RowFault::concentrationWithoutFormula:
            return inQuotes(row.name) + " has a concentration but no formula";
        case RowFault::none:
            break;
    }
    return "the pH could not be calculated";
}

PhResult calculate(CpHCalculatorDoc& document) {
    PhResult result;
    document.recalculate();
    result.valid = document.resultsValid();
    if (!result.valid) {
        result.error = rowProblem(document.solution());
        return result;
    }
    result.pKw = document.program().water.pKw(document.temperature(), document.ionicStrength());
    try {
        result.capacity = document.bufferCapacity();
    } catch (const pHCalculationError&) {
        // The capacity (also one that is not positive) is shown as not available; the other
        // results stand.
    }
    return result;
}

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
        {"ionicStrength", number(solution.resultIonicStrength())},
        {"temperature", number(solution.temperature)},
        {"pKw", result.valid ? number(result.pKw) : nullptr},
        {"bufferCapacity", result.capacity ? number(*result.capacity) : nullptr},
        {"osmolality", result.valid ? number(solution.osmolality()) : nullptr},
        {"highIonicStrength", solution.ionicStrengthTooHigh()},
        {"reagents", reagents},
        {"species", species},
    };
    if (!result.valid) json["error"] = result.error;
    return json;
}

void printText(std::ostream& out, const pHSolution& solution, const PhResult& result, int digits) {
    CFloatNumbersString numbers(digits);
    const auto show = [&numbers](double value) { return numbers.formatSignificant(value, 0); };
    out << solution.pHLabel() << '\n';
    if (result.valid) {
        out << "ionic strength:  " << show(solution.ionicStrength) << " M\n"
            << "temperature:     " << show(solution.temperature)
            << " \xC2\xB0"
               "C\n"
            << "pKw:             " << show(result.pKw) << '\n'
            << "buffer capacity: " << (result.capacity ? show(*result.capacity) : "???")
            << " M/pH\n"
            << "osmolality:      " << show(solution.osmolality()) << " osmol/L\n";
    }
    if (solution.ionicStrengthTooHigh()) out << kHighIonicStrengthWarning << '\n';
    out << '\n';
    if (solution.reagentCount() == 0) {
        out << "reagents: none (pure water)\n";
    } else {
        std::vector<TextRow> reagents{
            {"reagent", "formula", "C (M)", "V (mL)", "C in solution (M)"}};
        for (const auto& row : solution.reagents) {
            reagents.push_back({row->name, row->formula, show(row->concentration),
                                show(row->volume), show(row->effectiveConcentration)});
        }
        printTable(out, reagents);
    }
    out << '\n';
    std::vector<TextRow> species{
        {"species", "C (M)", "fraction", "gamma", "activity", "-log a", ""}};
    for (const SolutionForm& form : solution.species) {
        species.push_back({form.formula, show(form.concentration), show(form.fraction),
                           show(form.activityCoefficient), show(form.activity),
                           form.logActivityText, form.note});
    }
    printTable(out, species);
}

}  // namespace

std::string phCalculationProblem(const pHSolution& solution) { return rowProblem(solution); }

std::optional<PhOutput> choosePhOutput(bool json, bool csv, bool report, std::ostream& err) {
    if (json + csv + report > 1) {
        err << "--json, --csv and --report exclude each other\n";
        return std::nullopt;
    }
    if (json) return PhOutput::json;
    if (csv) return PhOutput::csv;
    if (report) return PhOutput::report;
    return PhOutput::text;
}

int printPhResults(CpHCalculatorDoc& document, PhOutput output, int digits, std::ostream& out,
                   std::ostream& err) {
    const PhResult result = calculate(document);
    switch (output) {
        case PhOutput::json:
            out << resultJson(document.solution(), result).dump(2) << '\n';
            break;
        case PhOutput::csv:
            if (result.valid) out << pHResultsCsv(document);
            break;
        case PhOutput::report:
            out << utf8(reportAsText(calculationDetailsReport(document)));
            break;
        case PhOutput::text:
            printText(out, document.solution(), result, digits);
            break;
    }
    if (!result.valid) {
        err << result.error << '\n';
        return exitCalculationFailed;
    }
    return exitSuccess;
}

bool savePhDocument(CpHCalculatorDoc& document, const std::filesystem::path& path,
                    std::ostream& err) {
    try {
        writepHCalculatorFile(document, path);
        return true;
    } catch (const std::exception& error) {
        err << error.what() << '\n';  // it names the file
        return false;
    }
}

}  // namespace solvara
