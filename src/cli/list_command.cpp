#include "cli/list_command.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/program_in_use.h"
#include "cli/text_table.h"
#include "core/program/program_model.h"
#include "core/text/float_numbers_string.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

using Row = TextRow;

std::string utf8(const std::string& text) { return windows1252ToUtf8(text); }

// A record from a file may claim any number of steps.
std::size_t usedSteps(const BLAcid& acid) {
    return static_cast<std::size_t>(std::clamp(acid.steps, 0, BLAcid::kMaxSteps));
}

// The first `count` entries of an acid's per-form or per-step array.
template <class Values>
nlohmann::json firstValues(const Values& values, std::size_t count) {
    nlohmann::json list = nlohmann::json::array();
    for (std::size_t i = 0; i < count; ++i) list.push_back(values[i]);
    return list;
}

nlohmann::json acidsJson(const BLAcidDatabase& acids) {
    nlohmann::json list = nlohmann::json::array();
    for (int position = 0; position < acids.Count(); ++position) {
        const BLAcid& acid = acids.At(position);
        const std::size_t steps = usedSteps(acid);
        nlohmann::json forms = nlohmann::json::array();
        for (std::size_t form = 0; form <= steps; ++form) forms.push_back(utf8(acid.forms[form]));
        list.push_back({{"id", acid.id},
                        {"name", utf8(acid.name)},
                        {"formula", utf8(acid.formula)},
                        {"molarMass", acid.molarMass},
                        {"steps", acid.steps},
                        {"forms", forms},
                        {"charges", firstValues(acid.charges, steps + 1)},
                        {"pKa", firstValues(acid.pKa, steps)},
                        {"dpKadT", firstValues(acid.dpKadT, steps)}});
    }
    return list;
}

nlohmann::json reagentsJson(const ReagentDatabase& reagents) {
    nlohmann::json list = nlohmann::json::array();
    for (int position = 0; position < reagents.Count(); ++position) {
        const Reagent& reagent = reagents.At(position);
        nlohmann::json spectators = nlohmann::json::array();
        for (const Spectator& ion : reagent.spectators) {
            spectators.push_back(
                {{"formula", utf8(ion.formula)}, {"count", ion.count}, {"charge", ion.charge}});
        }
        list.push_back({{"id", reagent.id},
                        {"name", utf8(reagent.name)},
                        {"formula", utf8(reagent.formula)},
                        {"molarMass", reagent.molarMass},
                        {"concentration", reagent.concentration},
                        {"isSolid", reagent.isSolid},
                        {"analysed", reagent.analysed},
                        {"acidIds", reagent.acidIds},
                        {"acidMultipliers", reagent.acidMultipliers},
                        {"spectators", spectators}});
    }
    return list;
}

nlohmann::json saltsJson(const InertSaltDatabase& salts) {
    nlohmann::json list = nlohmann::json::array();
    for (int position = 0; position < salts.Count(); ++position) {
        const InertSalt& salt = salts.At(position);
        list.push_back({{"id", salt.id},
                        {"name", utf8(salt.name)},
                        {"formula", utf8(salt.formula)},
                        {"molarMass", salt.molarMass},
                        {"concentration", salt.concentration},
                        {"isSolid", salt.isSolid},
                        {"ionicStrengthFactor", salt.ionicStrengthFactor},
                        {"isDefault", salt.isDefault}});
    }
    return list;
}

// The name of what a buffer refers to; none when the id does not resolve.
template <class Substance>
nlohmann::json nameOrNull(const Substance* substance) {
    return substance == nullptr ? nlohmann::json(nullptr) : nlohmann::json(utf8(substance->name));
}

template <class Substance>
std::string nameOrQuestionMark(const Substance* substance) {
    return substance == nullptr ? "?" : substance->name;
}

// Groups and their variants in key order.
nlohmann::json buffersJson(const BufferDatabase& buffers) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& [groupName, group] : buffers.groups()) {
        nlohmann::json variants = nlohmann::json::array();
        for (const auto& [variantName, buffer] : group->variants) {
            variants.push_back({{"id", buffer->id},
                                {"name", utf8(variantName)},
                                {"isDefaultVariant", buffer->isDefaultVariant},
                                {"firstReagentId", buffer->firstReagentId},
                                {"firstReagent", nameOrNull(buffer->FirstReagent())},
                                {"secondReagentId", buffer->secondReagentId},
                                {"secondReagent", nameOrNull(buffer->SecondReagent())},
                                {"mainComponentId", buffer->mainComponentId},
                                {"mainComponent", nameOrNull(buffer->MainComponent())},
                                {"firstReagentShare", buffer->firstReagentShare},
                                {"secondReagentShare", buffer->secondReagentShare},
                                {"baseExcess", buffer->baseExcess}});
        }
        list.push_back({{"name", utf8(groupName)}, {"variants", variants}});
    }
    return list;
}

std::vector<Row> acidRows(const BLAcidDatabase& acids, CFloatNumbersString& numbers) {
    std::vector<Row> rows{{"id", "name", "formula", "pKa (25 C)", "forms"}};
    for (int position = 0; position < acids.Count(); ++position) {
        const BLAcid& acid = acids.At(position);
        const std::size_t steps = usedSteps(acid);
        std::string forms = acid.forms[0];
        std::string pKa;
        for (std::size_t step = 0; step < steps; ++step) {
            forms += ", " + acid.forms[step + 1];
            if (step > 0) pKa += ", ";
            pKa += numbers.formatCompact(acid.pKa[step]);
        }
        rows.push_back({std::to_string(acid.id), acid.name, acid.formula, pKa, forms});
    }
    return rows;
}

std::vector<Row> reagentRows(const ReagentDatabase& reagents, CFloatNumbersString& numbers) {
    std::vector<Row> rows{{"id", "name", "formula", "stock"}};
    for (int position = 0; position < reagents.Count(); ++position) {
        const Reagent& reagent = reagents.At(position);
        const std::string stock =
            reagent.isSolid ? "solid" : numbers.formatSignificant(reagent.concentration, 0) + " M";
        rows.push_back({std::to_string(reagent.id), reagent.name, reagent.formula, stock});
    }
    return rows;
}

std::vector<Row> saltRows(const InertSaltDatabase& salts, CFloatNumbersString& numbers) {
    std::vector<Row> rows{{"id", "name", "formula", "stock", "I factor", "default"}};
    for (int position = 0; position < salts.Count(); ++position) {
        const InertSalt& salt = salts.At(position);
        const std::string stock =
            salt.isSolid ? "solid" : numbers.formatSignificant(salt.concentration, 0) + " M";
        rows.push_back({std::to_string(salt.id), salt.name, salt.formula, stock,
                        std::to_string(salt.ionicStrengthFactor), salt.isDefault ? "yes" : ""});
    }
    return rows;
}

// One row per variant; a reagent or acid that does not resolve shows as "?".
std::vector<Row> bufferRows(const BufferDatabase& buffers) {
    std::vector<Row> rows{
        {"id", "group", "variant", "first reagent", "second reagent", "main component", "default"}};
    for (const auto& [groupName, group] : buffers.groups()) {
        for (const auto& [variantName, buffer] : group->variants) {
            rows.push_back({std::to_string(buffer->id), groupName, variantName,
                            nameOrQuestionMark(buffer->FirstReagent()),
                            nameOrQuestionMark(buffer->SecondReagent()),
                            nameOrQuestionMark(buffer->MainComponent()),
                            buffer->isDefaultVariant ? "yes" : ""});
        }
    }
    return rows;
}

}  // namespace

void addListCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                    std::ostream& err, std::function<int()>& command) {
    auto* sub = app.add_subcommand(
        "list", "List the acids, reagents, inert salts or buffers of the database");
    auto what = std::make_shared<std::string>();
    sub->add_option("WHAT", *what, "acids, reagents, salts or buffers")
        ->required()
        ->check(CLI::IsMember({"acids", "reagents", "salts", "buffers"}));
    sub->callback([&options, &out, &err, &command, what] {
        command = [&options, &out, &err, what]() -> int {
            const std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
            if (!inUse) return exitUsageOrFile;
            const ProgramModel* program = inUse->program.get();
            CFloatNumbersString numbers(options.digits);
            if (options.json) {
                nlohmann::json list;
                if (*what == "acids") list = acidsJson(program->acids);
                if (*what == "reagents") list = reagentsJson(program->reagents);
                if (*what == "salts") list = saltsJson(program->salts);
                if (*what == "buffers") list = buffersJson(program->buffers);
                out << nlohmann::json{{*what, list}}.dump(2) << '\n';
            } else {
                if (*what == "acids") printTable(out, acidRows(program->acids, numbers));
                if (*what == "reagents") printTable(out, reagentRows(program->reagents, numbers));
                if (*what == "salts") printTable(out, saltRows(program->salts, numbers));
                if (*what == "buffers") printTable(out, bufferRows(program->buffers));
            }
            return exitSuccess;
        };
    });
}

}  // namespace solvara
