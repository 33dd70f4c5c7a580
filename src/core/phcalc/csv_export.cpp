#include "core/phcalc/csv_export.h"

#include <algorithm>

#include "core/archive/replace_file.h"
#include "core/equilibrium/activity_coefficients.h"
#include "core/phcalc/ph_results_layout.h"
#include "core/program/program_model.h"
#include "core/report/report_items.h"
#include "core/report/report_numbers.h"
#include "core/text/float_numbers_string.h"
#include "core/text/message_format.h"

namespace solvara {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

class CsvWriter {
  public:
    explicit CsvWriter(const CpHCalculatorDoc& document) : document_(document) {}

    std::string write() {
        writeReagents();
        writeConditions();
        writeSpecies();
        return std::move(text_);
    }

  private:
    std::string four(double value) { return numbers_.formatSignificant(value, 4); }
    void endLine() { text_ += kLineEnd; }
    void line(std::string_view content) {
        text_ += content;
        endLine();
    }

    void writeReagents() {
        const bool listed = showsReagentList(document_);
        line(listed ? "Results of pH calculation for solution containing:"
                    : "Results of pH calculation");
        line("name/formula,molarity,volume (mL)");
        if (listed) {
            for (const auto& row : document_.reagents()) writeReagent(*row);
            if (document_.volumeMode() == VolumeMode::sumVolumes) {
                text_ += "mixed for a total volume of,," + four(document_.solutionVolume());
            } else if (document_.volumeMode() == VolumeMode::finalVolume) {
                text_ += "final volume assumed to be,," + four(document_.solutionVolume());
            }
        }
        endLine();
    }

    void writeReagent(const ReagentpHCalculator& row) {
        std::string label = reagentLabel(row);
        const std::size_t tag = label.find(substanceFormulaTag);
        if (tag != std::string::npos) label.replace(tag, substanceFormulaTag.size(), row.formula);
        // A comma inside the label would split it into two columns.
        std::replace(label.begin(), label.end(), ',', '/');
        text_ += label + ',';
        if (!row.formula.empty()) text_ += four(row.concentration);
        text_ += ',';
        if (row.volume != 0.0) text_ += four(row.volume);
        endLine();
    }

    void writeConditions() {
        line(
            formatMessage("at temperature,%lg,\xB0"
                          "C",
                          {document_.temperature()}));
        const double ionicStrength = document_.resultIonicStrength();
        const std::string strength =
            four(ionicStrength) +
            (document_.ionicStrengthTooHigh() ? ",(too high for reliable results)" : "");
        switch (document_.ionicStrengthMode()) {
            case IonicStrengthMode::calculateIonicStrength:
                line("ionic strength calculated to be," + strength);
                break;
            case IonicStrengthMode::ignoreIonicStrength:
                line("ionic strength ignored (forced to be,0.0)");
                break;
            default:
                line("ionic strength forced to," + strength);
                break;
        }
        ProgramModel& program = document_.program();
        if (document_.ionicStrengthMode() != IonicStrengthMode::ignoreIonicStrength) {
            line("Activity coefficients:");
            const ActivityCoefficients coefficients(ionicStrength, document_.temperature(),
                                                    program.defaults.daviesC, false);
            for (int charge = 1; charge <= 4; ++charge) {
                line("f_" + std::to_string(charge) + ',' + four(coefficients.gamma(charge)));
            }
        }
        line("thermodynamically corrected pKw =," +
             threeDecimals(program.water.pKw(document_.temperature(), ionicStrength)));
        line("pH =," + (document_.resultsValid() ? twoDecimals(document_.pH()) : "???"));
    }

    void writeSpecies() {
        line("form,concentration,fraction (%),act. coeff.,activity,-log(act)");
        writeSpeciesLine(document_.species()[0]);
        writeSpeciesLine(document_.species()[1]);
        for (int position = 0; position < document_.acids().Count(); ++position) {
            const BLAcid& acid = document_.acids().At(position);
            line(acid.name);
            for (int form = 0; form <= std::min(acid.steps, BLAcid::kMaxSteps); ++form) {
                const auto k = static_cast<std::size_t>(form);
                writeSpeciesLine(findSpecies(document_, acid.forms[k], acid.id, acid.charges[k]));
            }
        }
        if (!hasSpectators(document_)) return;
        line("spectators");
        // An ion that two reagents carry is listed under each.
        for (const auto& row : document_.reagents()) {
            for (const Spectator& spectator : row->spectators) {
                writeSpeciesLine(findSpecies(document_, spectator.formula, -1, spectator.charge));
            }
        }
    }

    // A form the species table lacks (an acid copy no row uses) has no line.
    void writeSpeciesLine(const SolutionForm* form) {
        if (form != nullptr) writeSpeciesLine(*form);
    }

    void writeSpeciesLine(const SolutionForm& form) {
        text_ += form.formula;
        if (document_.resultsValid()) {
            text_ += ',' + four(form.concentration) +
                     formatMessage(",%.2lf,", {form.fraction * 100.0}) +
                     four(form.activityCoefficient) + ',' + four(form.activity);
        }
        text_ += ',' + form.logActivityText;
        endLine();
    }

    const CpHCalculatorDoc& document_;
    CFloatNumbersString numbers_{4};
    std::string text_;
};

}  // namespace

std::string pHResultsCsv(const CpHCalculatorDoc& document) { return CsvWriter(document).write(); }

std::string proposedCsvFileName(std::string_view title) {
    constexpr std::size_t kExtension = 4;  // ".phc"
    if (title.size() >= 5 && title[title.size() - kExtension] == '.') {
        title.remove_suffix(kExtension);
    }
    return std::string(title);
}

void writepHResultsCsv(const CpHCalculatorDoc& document, const std::filesystem::path& path) {
    const std::string text = pHResultsCsv(document);
    replaceFile(path, [&](std::ostream& out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    });
}

}  // namespace solvara
