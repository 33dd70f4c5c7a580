#include "cli/buffer_command.h"

#include <memory>
#include <optional>
#include <string>

#include "cli/buffer_document_output.h"
#include "cli/cli_app.h"
#include "cli/option_values.h"
#include "cli/pdf_output.h"
#include "cli/program_in_use.h"
#include "cli/quantity_with_unit.h"
#include "cli/save_file_check.h"
#include "core/buffer/buffer_database.h"
#include "core/bufferdoc/solvara_doc.h"
#include "core/program/program_model.h"
#include "core/text/windows1252.h"

namespace solvara {
namespace {

struct BufferArguments {
    std::string group;  // UTF-8, as typed
    std::string variant;
    double pH = 0.0;
    std::string concentration;
    std::string volume;
    std::optional<double> temperature;
    std::optional<double> preparationTemperature;
    std::optional<double> forcedIonicStrength;
    std::string salt;
    bool recipe = false;
    std::string save;
    std::string pdf;
};

// The variant asked for, or the group's default one; none after saying why on `err`.
const Buffer* findVariant(const BufferDatabase& buffers, const BufferArguments& arguments,
                          std::ostream& err) {
    const std::string group = utf8ToWindows1252(arguments.group);
    if (buffers.FindGroup(group) == nullptr) {
        err << "no buffer group \"" << arguments.group
            << "\" (solvara-cli list buffers shows them)\n";
        return nullptr;
    }
    if (arguments.variant.empty()) {
        const Buffer* variant = buffers.DefaultVariant(group);
        if (variant == nullptr) {
            err << "the group \"" << arguments.group
                << "\" has no default variant; name one with --variant\n";
        }
        return variant;
    }
    const Buffer* variant = buffers.FindVariant(group, utf8ToWindows1252(arguments.variant));
    if (variant == nullptr) {
        err << "no variant \"" << arguments.variant << "\" in the group \"" << arguments.group
            << "\"\n";
    }
    return variant;
}

// The quantity of a --concentration or --volume argument; none, after saying why on `err`,
// when it is not a number in `range` with one of the units.
std::optional<QuantityWithUnit> readQuantity(const std::string& text, const char* option,
                                             const NumberRange& range, const char* baseUnit,
                                             const char* thousandthUnit, std::ostream& err) {
    const std::optional<QuantityWithUnit> quantity =
        parseQuantityWithUnit(text, baseUnit, thousandthUnit);
    if (quantity && range.contains(quantity->value)) return quantity;
    err << option << ": \"" << text << "\" is not a number " << range.text() << " in " << baseUnit
        << " or " << thousandthUnit << " (such as 25" << thousandthUnit << ")\n";
    return std::nullopt;
}

// The design parameters of the arguments in the document; false after saying why on `err`.
bool applyParameters(CSolvaraDoc& document, const BufferArguments& arguments, std::ostream& err) {
    const std::optional<QuantityWithUnit> concentration =
        readQuantity(arguments.concentration, "--concentration", kNotNegative, "M", "mM", err);
    if (!concentration) return false;
    const std::optional<QuantityWithUnit> volume =
        readQuantity(arguments.volume, "--volume", kAboveZero, "L", "mL", err);
    if (!volume) return false;
    document.setPH(arguments.pH);
    if (arguments.temperature) document.setTemperature(*arguments.temperature);
    if (arguments.preparationTemperature) {
        document.setPreparationTemperature(*arguments.preparationTemperature);
    }
    document.setConcentrationUnit(concentration->unit == 1 ? ConcentrationUnit::millimolar
                                                           : ConcentrationUnit::molar);
    document.setConcentrationShown(concentration->value);
    document.setVolumeUnit(volume->unit == 1 ? VolumeUnit::millilitres : VolumeUnit::litres);
    document.setVolumeShown(volume->value);

    document.SetForceIonicStrength(arguments.forcedIonicStrength.has_value());
    if (!arguments.forcedIonicStrength) {
        if (arguments.salt.empty()) return true;
        err << "--salt acts only with --force-is\n";
        return false;
    }
    document.setIonicStrength(*arguments.forcedIonicStrength);
    if (!arguments.salt.empty()) {
        const InertSalt* salt =
            document.program().salts.FindByName(utf8ToWindows1252(arguments.salt));
        if (salt == nullptr) {
            err << "no inert salt \"" << arguments.salt
                << "\" (solvara-cli list salts shows them)\n";
            return false;
        }
        document.setSalt(*salt);
    }
    return true;
}

int runBuffer(const BufferArguments& arguments, const CommonOptions& options, std::ostream& out,
              std::ostream& err) {
    const std::optional<BufferOutput> output =
        chooseBufferOutput(options.json, arguments.recipe, err);
    if (!output) return exitUsageOrFile;
    if (!acceptSaveFile(DocumentKind::bufferDesign, arguments.save, err) ||
        !acceptPdfFile(arguments.pdf, err)) {
        return exitUsageOrFile;
    }
    if (options.digitsGiven && *output != BufferOutput::text) {
        err << "--digits acts only on text output, not with --recipe\n";
        return exitUsageOrFile;
    }
    const std::optional<ProgramInUse> inUse = openProgramInUse(options, err);
    if (!inUse) return exitUsageOrFile;
    ProgramModel& program = *inUse->program;
    const Buffer* variant = findVariant(program.buffers, arguments, err);
    if (variant == nullptr) return exitUsageOrFile;
    CSolvaraDoc document(program);
    if (!applyParameters(document, arguments, err)) return exitUsageOrFile;
    document.PickBuffer(*variant);

    const BufferOrigin origin{utf8ToWindows1252(arguments.group), variant->name};
    const int status = printBufferResults(document, origin, *output, options.digits, out, err);
    if (!arguments.pdf.empty() && !writeRecipePdf(document, arguments.pdf, err)) {
        return exitUsageOrFile;
    }
    if (!arguments.save.empty() && !saveBufferDocument(document, arguments.save, err)) {
        return exitUsageOrFile;
    }
    return status;
}

}  // namespace

void addBufferCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                      std::ostream& err, std::function<int()>& command) {
    auto* sub = app.add_subcommand("buffer", "Amounts to mix for a buffer of the database");
    auto arguments = std::make_shared<BufferArguments>();
    sub->add_option("--buffer", arguments->group, "The buffer group")
        ->required()
        ->check(nonEmpty("a group name"));
    sub->add_option("--variant", arguments->variant, "The variant (default: the group's default)")
        ->check(nonEmpty("a variant name"));
    sub->add_option("--ph", arguments->pH, "Wanted pH")->required()->check(numberIn(kPhValues));
    sub->add_option("--concentration", arguments->concentration,
                    "Total concentration of the main component, in M (default) or mM: 25mM")
        ->required();
    sub->add_option("--volume", arguments->volume, "Final volume, in L (default) or mL: 500mL")
        ->required();
    sub->add_option("--temperature", arguments->temperature,
                    "Working temperature in degC (default: the program default)")
        ->check(numberIn(kTemperatures));
    sub->add_option("--prep-temperature", arguments->preparationTemperature,
                    "Preparation temperature in degC (default: the program default)")
        ->check(numberIn(kTemperatures));
    sub->add_option("--force-is", arguments->forcedIonicStrength,
                    "Ionic strength (mol/L) to reach with an inert salt")
        ->check(numberIn(kNotNegative));
    sub->add_option("--salt", arguments->salt,
                    "The inert salt for --force-is (default: the database's default salt)")
        ->check(nonEmpty("a salt name"));
    sub->add_flag("--recipe", arguments->recipe, "Print the recipe page as text");
    sub->add_option("--save", arguments->save, "Write the design as a buffer document (.buf)")
        ->check(nonEmpty("a file name"));
    sub->add_option("--pdf", arguments->pdf, "Write the recipe page as a PDF file")
        ->check(nonEmpty("a file name"));
    sub->callback([&options, &out, &err, &command, arguments] {
        command = [&options, &out, &err, arguments] {
            return runBuffer(*arguments, options, out, err);
        };
    });
}

}  // namespace solvara
