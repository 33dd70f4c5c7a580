#include "cli/buffer_document_output.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <vector>

#include "cli/cli_app.h"
#include "core/buffer/buffer_database.h"
#include "core/buffer/capacity_curve.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/bufferdoc/buffer_list.h"
#include "core/bufferdoc/buffer_recipe.h"
#include "core/bufferdoc/design_view_texts.h"
#include "core/bufferdoc/recipe_date.h"
#include "core/bufferdoc/recipe_page.h"
#include "core/bufferdoc/solvara_doc_file.h"
#include "core/equilibrium/ionic_strength_limit.h"
#include "core/program/program_model.h"
#include "core/report/report_text.h"
#include "core/text/float_numbers_string.h"
#include "core/text/message_format.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

std::string utf8(const std::string& text) { return windows1252ToUtf8(text); }

// null for a value that is missing or not a number, so JSON stays valid.
nlohmann::json number(double value) {
    return std::isfinite(value) ? nlohmann::json(value) : nlohmann::json(nullptr);
}

nlohmann::json number(const std::optional<double>& value) {
    return value ? number(*value) : nlohmann::json(nullptr);
}

// The reason the document cannot be mixed; none when it can.
std::optional<std::string> preparationProblem(const CSolvaraDoc& document) {
    std::string problem = preparationFailureText(document);
    if (problem.empty()) return std::nullopt;
    return problem;
}

nlohmann::json ingredientJson(const CSubstance& substance, bool isSolid, double stock,
                              const std::optional<double>& concentration,
                              const std::optional<double>& amount) {
    return {{"name", utf8(substance.name)},
            {"formula", utf8(substance.formula)},
            {"stockConcentration", isSolid ? nlohmann::json(nullptr) : number(stock)},
            {"solid", isSolid},
            {"concentration", number(concentration)},
            {"amount", number(amount)},
            {"unit", isSolid ? "g" : "mL"}};
}

nlohmann::json reagentJson(const Reagent& reagent, double concentration, double amount) {
    return ingredientJson(reagent, reagent.isSolid, reagent.concentration, concentration, amount);
}

bool hasSalt(const CSolvaraDoc& document) {
    return document.inputs().forceIonicStrength && !document.salt().name.empty();
}

nlohmann::json resultJson(const CSolvaraDoc& document, const std::optional<BufferOrigin>& origin,
                          const std::optional<std::string>& problem) {
    ProgramModel& program = document.program();
    const BufferPreparationInputs& inputs = document.inputs();
    const BufferPreparationResults& results = document.results();
    const StandaloneBuffer& buffer = document.buffer();

    nlohmann::json series = nlohmann::json::array();
    for (const std::optional<double>& pH : document.pHVersusTemperature()) {
        series.push_back(number(pH));
    }
    const ExpectedPHChanges changes = document.expectedPHChanges();
    const std::vector<double>* curve = document.capacityCurve();
    nlohmann::json listed = nlohmann::json::array();
    for (const BufferListRow& row : ListCapacities(program, inputs)) {
        listed.push_back(
            {{"group", utf8(row.entry.groupName)},
             {"variant", utf8(row.entry.variantName)},
             {"capacity", row.capacity == 0.0 ? nlohmann::json(nullptr) : number(row.capacity)}});
    }
    const InertSalt& salt = document.salt();
    return {
        {"success", !problem},
        {"error", problem ? nlohmann::json(*problem) : nlohmann::json(nullptr)},
        {"group", origin ? nlohmann::json(utf8(origin->groupName)) : nlohmann::json(nullptr)},
        {"variant", origin ? nlohmann::json(utf8(origin->variantName)) : nlohmann::json(nullptr)},
        {"name", utf8(buffer.name)},
        {"pH", number(inputs.pH)},
        {"concentration", number(inputs.concentration)},
        {"volume", number(inputs.volume)},
        {"temperature", number(inputs.temperature)},
        {"firstReagent", reagentJson(*buffer.FirstReagent(), results.firstReagentConcentration,
                                     results.firstReagentAmount)},
        {"secondReagent", reagentJson(*buffer.SecondReagent(), results.secondReagentConcentration,
                                      results.secondReagentAmount)},
        {"salt", hasSalt(document) ? ingredientJson(salt, salt.isSolid, salt.concentration,
                                                    results.saltConcentration, results.saltAmount)
                                   : nlohmann::json(nullptr)},
        {"saltConcentration", number(results.saltConcentration)},
        {"capacity", number(results.capacity)},
        {"ionicStrength", number(inputs.ionicStrength)},
        {"saltIonicStrength", number(results.saltIonicStrength)},
        {"preparationTemperature", number(inputs.preparationTemperature)},
        {"pHAtPreparation", number(results.pHAtPreparation)},
        {"lowForcingWarning", results.lowForcingWarning},
        {"highIonicStrength", document.ionicStrengthTooHigh()},
        {"stocksExceedVolume", results.stocksExceedVolume},
        {"temperatureSeries", series},
        {"expectedChanges",
         {{"acid10", number(changes[0])},
          {"acid5", number(changes[1])},
          {"acid1", number(changes[2])},
          {"base1", number(changes[3])},
          {"base5", number(changes[4])},
          {"base10", number(changes[5])}}},
        {"capacityCurve", curve != nullptr ? nlohmann::json(*curve) : nlohmann::json(nullptr)},
        {"listCapacities", listed},
    };
}

void printIngredient(std::ostream& out, const char* label, const CSubstance& substance,
                     bool isSolid, double stock, const std::string& amount,
                     CFloatNumbersString& numbers) {
    out << label << amount << (isSolid ? " g of " : " mL of ");
    if (!isSolid) out << numbers.formatSignificant(stock, 0) << " M ";
    out << utf8(substance.name) << " (" << utf8(substance.formula) << ")\n";
}

void printText(std::ostream& out, const CSolvaraDoc& document,
               const std::optional<BufferOrigin>& origin, int digits) {
    const BufferPreparationInputs& inputs = document.inputs();
    const BufferPreparationResults& results = document.results();
    CFloatNumbersString numbers(digits);
    const auto show = [&numbers](double value) { return numbers.formatSignificant(value, 0); };
    const char* degrees =
        " \xC2\xB0"
        "C";
    out << "buffer:          " << utf8(document.buffer().name);
    if (origin) out << " (" << utf8(origin->groupName) << ")";
    out << "\npH:              " << formatMessage("%.2lf", {inputs.pH}) << " at "
        << numbers.formatCompact(inputs.temperature) << degrees << '\n'
        << "concentration:   " << show(inputs.concentration) << " M\n"
        << "volume:          " << show(inputs.volume) << " L\n";
    if (!results.prepared) return;
    const Reagent& first = *document.buffer().FirstReagent();
    const Reagent& second = *document.buffer().SecondReagent();
    printIngredient(out, "1st reagent:     ", first, first.isSolid, first.concentration,
                    amountText(results.firstReagentAmount), numbers);
    printIngredient(out, "2nd reagent:     ", second, second.isSolid, second.concentration,
                    amountText(results.secondReagentAmount), numbers);
    if (hasSalt(document)) {
        const InertSalt& salt = document.salt();
        printIngredient(out, "salt:            ", salt, salt.isSolid, salt.concentration,
                        saltAmountText(results.saltAmount, true), numbers);
    }
    out << "capacity:        " << (results.capacity ? show(*results.capacity) : "???") << " M/pH\n"
        << "ionic strength:  " << show(inputs.ionicStrength) << " M"
        << (inputs.forceIonicStrength ? " (forced)" : "") << '\n'
        << "at " << numbers.formatCompact(inputs.preparationTemperature) << " "
        << preparationPhText(results.pHAtPreparation) << '\n';
    if (results.stocksExceedVolume) {
        out << "Warning: " << preparationFailureText(document) << "!\n";
    }
    if (document.ionicStrengthTooHigh()) out << kHighIonicStrengthWarning << '\n';
    if (results.lowForcingWarning) {
        out << "Forced ionic strength lower than original ionic strength of the buffer.\n";
    }
}

}  // namespace

std::optional<BufferOutput> chooseBufferOutput(bool json, bool recipe, std::ostream& err) {
    if (json && recipe) {
        err << "--json and --recipe exclude each other\n";
        return std::nullopt;
    }
    if (json) return BufferOutput::json;
    return recipe ? BufferOutput::recipe : BufferOutput::text;
}

int printBufferResults(const CSolvaraDoc& document, const std::optional<BufferOrigin>& origin,
                       BufferOutput output, int digits, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> problem = preparationProblem(document);
    switch (output) {
        case BufferOutput::json:
            out << resultJson(document, origin, problem).dump(2) << '\n';
            break;
        case BufferOutput::recipe:
            out << utf8(reportAsText(recipePage(recipeContentOf(document, recipeDateToday()))));
            break;
        case BufferOutput::text:
            printText(out, document, origin, digits);
            break;
    }
    if (problem) {
        err << *problem << '\n';
        return exitCalculationFailed;
    }
    return exitSuccess;
}

bool saveBufferDocument(CSolvaraDoc& document, const std::filesystem::path& path,
                        std::ostream& err) {
    try {
        writeBufferDocumentFile(document, path);
    } catch (const std::exception& error) {
        err << error.what() << '\n';  // it names the file
        return false;
    }
    return true;
}

}  // namespace solvara
