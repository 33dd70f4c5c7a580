#include "cli/formula_command.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_app.h"
#include "cli/program_in_use.h"
#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/formula_export.h"
#include "core/chemistry/formula_fault.h"
#include "core/text/float_numbers_string.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

const char* phaseName(Phase phase) {
    switch (phase) {
        case Phase::solid:
            return "solid";
        case Phase::aqueous:
            return "aqueous";
        case Phase::gas:
            return "gas";
        case Phase::none:
            break;
    }
    return "none";
}

// One digit per display character: 0 normal, 1 subscript, 2 superscript, 3 centred dot.
std::string kindDigits(const ChemicalFormula& formula) {
    std::string digits;
    for (const CharKind kind : formula.kinds()) {
        digits.push_back(static_cast<char>('0' + static_cast<int>(kind)));
    }
    return digits;
}

// Symbol and count of every entry the formula holds, in table order.
std::vector<std::pair<std::string, int>> compositionEntries(const ChemicalFormula& formula,
                                                            const ElementTable& table) {
    std::vector<std::pair<std::string, int>> entries;
    const Composition composition = formula.composition();
    for (int slot = 1; slot < composition.size() && slot < table.count(); ++slot) {
        if (composition[slot] != 0) {
            entries.emplace_back(windows1252ToUtf8(table[slot].symbol), composition[slot]);
        }
    }
    return entries;
}

nlohmann::json compositionJson(const ChemicalFormula& formula, const ElementTable& table) {
    nlohmann::json counts = nlohmann::json::object();
    for (const auto& [symbol, count] : compositionEntries(formula, table)) counts[symbol] = count;
    return counts;
}

// Why the formula cannot be evaluated; none when it can.
std::optional<std::string> problemOf(const ChemicalFormula& formula) {
    if (!formula.error()) return std::nullopt;
    return "the formula cannot be evaluated: " + std::string(formulaFaultText(formula.fault()));
}

nlohmann::json formulaJson(const ChemicalFormula& formula, const ElementTable& table) {
    const auto utf8 = [](const std::string& text) { return windows1252ToUtf8(text); };
    return {
        {"success", !formula.error()},
        {"error", formula.error() ? nlohmann::json(*problemOf(formula)) : nlohmann::json(nullptr)},
        {"formula", utf8(formula.source())},
        {"composition", compositionJson(formula, table)},
        {"charge", formula.composition().charge()},
        {"molarMass", formula.molarMass()},
        {"molarMassOfList", formula.molarMassOfList()},
        {"phase", phaseName(formula.phase())},
        {"display", utf8(formula.display())},
        {"kinds", kindDigits(formula)},
        {"canonicalForm", utf8(formula.canonicalForm())},
        {"sortedFormula", utf8(formula.sortedFormula())},
        {"html", utf8(toHtml(formula))},
        {"rtf", utf8(toRtf(formula))},
        {"forumCode", utf8(toForumCode(formula))},
        {"latex", utf8(toLatex(formula))},
    };
}

void printText(std::ostream& out, const nlohmann::json& result,
               const std::vector<std::pair<std::string, int>>& entries, int digits) {
    std::string composition;
    for (const auto& [symbol, count] : entries) {
        if (!composition.empty()) composition += ", ";
        composition += symbol + ": " + std::to_string(count);
    }
    const auto line = [&out](const char* label, const std::string& value) {
        out << label << value << '\n';
    };
    CFloatNumbersString numbers(digits);
    const auto grams = [&numbers](const nlohmann::json& value) {
        return numbers.formatSignificant(value.get<double>(), 0) + " g/mol";
    };
    line("formula:            ", result["formula"].get<std::string>());
    if (!result["error"].is_null())
        line("error:              ", result["error"].get<std::string>());
    line("composition:        ", composition);
    line("charge:             ", std::to_string(result["charge"].get<int>()));
    line("molar mass:         ", grams(result["molarMass"]));
    line("molar mass of list: ", grams(result["molarMassOfList"]));
    line("state:              ", result["phase"].get<std::string>());
    line("display:            ", result["display"].get<std::string>());
    line("kinds:              ", result["kinds"].get<std::string>());
    line("canonical form:     ", result["canonicalForm"].get<std::string>());
    line("sorted formula:     ", result["sortedFormula"].get<std::string>());
    line("HTML:               ", result["html"].get<std::string>());
    line("RTF:                ", result["rtf"].get<std::string>());
    line("forum code:         ", result["forumCode"].get<std::string>());
    line("LaTeX:              ", result["latex"].get<std::string>());
}

}  // namespace

void addFormulaCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                       std::ostream& err, std::function<int()>& command) {
    auto* sub = app.add_subcommand("formula", "Composition, molar mass and exports of a formula");
    auto text = std::make_shared<std::string>();
    sub->add_option("TEXT", *text, "Formula in Solvara's notation, e.g. \"2Na^+,HPO_4^{2-}\"")
        ->required();
    sub->callback([&options, &out, &err, &command, text] {
        command = [&options, &out, &err, text]() -> int {
            const std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
            if (!inUse) return exitUsageOrFile;
            const ElementTable& table = inUse->program->elements;
            const ChemicalFormula formula(table, utf8ToWindows1252(*text));
            const nlohmann::json result = formulaJson(formula, table);
            if (options.json) {
                out << result.dump(2) << '\n';
            } else {
                printText(out, result, compositionEntries(formula, table), options.digits);
            }
            if (!formula.error()) return exitSuccess;
            err << *problemOf(formula) << '\n';
            return exitCalculationFailed;
        };
    });
}

}  // namespace solvara
