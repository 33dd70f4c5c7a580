#include "core/phcalc/calculation_details_report.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/equilibrium/activity_coefficients.h"
#include "core/equilibrium/ph_calculation_error.h"
#include "core/phcalc/ph_results_layout.h"
#include "core/program/program_model.h"
#include "core/report/report_numbers.h"
#include "core/text/float_numbers_string.h"
#include "core/text/message_format.h"

namespace solvara {

namespace {

constexpr int kLineHeight = 70;
constexpr int kFirstListLine = -205;
const std::string kTag(substanceFormulaTag);

// A damaged file may claim any number of steps; the arrays hold four.
int stepsOf(const BLAcid& acid) { return std::clamp(acid.steps, 0, BLAcid::kMaxSteps); }

class DetailsReportBuilder {
  public:
    explicit DetailsReportBuilder(const CpHCalculatorDoc& document)
        : document_(document),
          listed_(showsReagentList(document)),
          ignoresIonicStrength_(document.ionicStrengthMode() ==
                                IonicStrengthMode::ignoreIonicStrength),
          ionicStrength_(document.resultIonicStrength()),
          coefficients_(ionicStrength_, document.temperature(), document.program().defaults.daviesC,
                        false) {}

    Report build() {
        report_.height = detailsReportHeight(document_) + kLineHeight;
        text(100, -100,
             listed_ ? "Results of pH calculation for solution containing:"
                     : "Results of pH calculation",
             reportTitleFont);
        y_ = kFirstListLine;
        if (listed_) addReagents();
        addConditions();
        if (listed_) addDissociationConstants();
        addComposition();
        addTotals();
        return std::move(report_);
    }

  private:
    std::string four(double value) { return numbers_.formatSignificant(value, 4); }
    void nextLine() { y_ -= kLineHeight; }

    void text(int x, int y, std::string content, ReportFont font = reportTextFont,
              ReportAlignment alignment = ReportAlignment::left) {
        report_.items.push_back(ReportText{{x, y}, std::move(content), font, alignment});
    }
    void text(int x, std::string content, ReportAlignment alignment = ReportAlignment::left) {
        text(x, y_, std::move(content), reportTextFont, alignment);
    }
    void formulaText(int x, std::string content, std::string formula) {
        report_.items.push_back(ReportFormulaText{{x, y_}, std::move(content), std::move(formula)});
    }

    void addReagents() {
        for (const auto& row : document_.reagents()) {
            const std::string label = reagentLabel(*row);
            if (row->formula.empty()) {
                text(150, label);
            } else {
                formulaText(150, label, row->formula);
                text(1300, four(row->concentration) + " M");
            }
            if (row->volume != 0.0) text(1600, four(row->volume) + " mL");
            nextLine();
        }
        if (document_.volumeMode() == VolumeMode::sumVolumes) {
            text(150, "mixed for a total volume of " + four(document_.solutionVolume()) + " mL");
            nextLine();
        } else if (document_.volumeMode() == VolumeMode::finalVolume) {
            text(150, "final volume assumed to be " + four(document_.solutionVolume()) + " mL");
            nextLine();
        }
    }

    void addConditions() {
        text(100, formatMessage("at temperature %lg \xB0"
                                "C.",
                                {document_.temperature()}));
        nextLine();
        const std::string strength =
            four(ionicStrength_) +
            (document_.ionicStrengthTooHigh() ? " (too high for reliable results)" : "");
        switch (document_.ionicStrengthMode()) {
            case IonicStrengthMode::calculateIonicStrength:
                text(100, "Ionic strength calculated to be " + strength + ".");
                break;
            case IonicStrengthMode::ignoreIonicStrength:
                text(100, "Ionic strength ignored (forced to be 0.0).");
                break;
            default:
                text(100, "Ionic strength forced to " + strength + ".");
                break;
        }
        nextLine();
        if (!ignoresIonicStrength_) {
            text(100, "Activity coefficients:");
            nextLine();
            for (int charge = 1; charge <= 4; ++charge) {
                formulaText(200, kTag + " = " + four(coefficients_.gamma(charge)),
                            "f_" + std::to_string(charge));
                nextLine();
            }
        }
        const double pKw = document_.program().water.pKw(document_.temperature(), ionicStrength_);
        formulaText(100, "Thermodynamically corrected " + kTag + " = " + threeDecimals(pKw),
                    "pK_w");
        nextLine();
    }

    void addDissociationConstants() {
        text(100, "Dissociation constants:");
        if (!ignoresIonicStrength_) {
            text(690, "normal");
            text(890, "corrected");
            text(1110, "practical");
        }
        nextLine();
        const double practicalShift = std::log10(coefficients_.gamma(1));
        for (int position = 0; position < document_.acids().Count(); ++position) {
            // The constants are worked out on a copy: the document's acids hold the solver's.
            BLAcid acid = document_.acids().At(position);
            text(150, acid.name);
            nextLine();
            if (!ignoresIonicStrength_) {
                acid.computeConstants(document_.temperature(), ionicStrength_, &coefficients_,
                                      document_.program().defaults.daviesC);
            }
            for (int step = 1; step <= stepsOf(acid); ++step) {
                const auto k = static_cast<std::size_t>(step - 1);
                formulaText(200, kTag, "pK_{a" + std::to_string(step) + "}");
                text(810, twoDecimals(acid.pKa[k]), ReportAlignment::right);
                if (!ignoresIonicStrength_) {
                    const double previousBeta = step == 1 ? 1.0 : acid.beta[k - 1];
                    const double corrected = -std::log10(acid.beta[k] / previousBeta);
                    text(1030, twoDecimals(corrected), ReportAlignment::right);
                    text(1250, twoDecimals(corrected - practicalShift), ReportAlignment::right);
                }
                nextLine();
            }
        }
    }

    void addComposition() {
        text(100, "Solution composition:");
        nextLine();
        text(200, "form");
        text(500, "concentration");
        text(850, "fraction");
        text(1150, "act. coeff.");
        text(1450, "activity");
        text(1780, "-log(act)");
        nextLine();
        speciesLine(&document_.species()[0]);
        speciesLine(&document_.species()[1]);
        for (int position = 0; position < document_.acids().Count(); ++position) {
            const BLAcid& acid = document_.acids().At(position);
            text(150, acid.name);
            nextLine();
            for (int form = 0; form <= stepsOf(acid); ++form) {
                const auto k = static_cast<std::size_t>(form);
                speciesLine(findSpecies(document_, acid.forms[k], acid.id, acid.charges[k]));
            }
        }
        if (!hasSpectators(document_)) return;
        text(100, "spectators");
        nextLine();
        for (const int row : document_.spectatorRows()) {
            speciesLine(&document_.species().at(static_cast<std::size_t>(row)));
        }
    }

    // A form the species table lacks (an acid copy no row uses) has no line.
    void speciesLine(const SolutionForm* form) {
        if (form == nullptr) return;
        formulaText(200, kTag, form->formula);
        if (document_.resultsValid()) {
            text(550, four(form->concentration));
            text(1000, formatMessage("%.2lf%%", {form->fraction * 100.0}), ReportAlignment::right);
            text(1300, four(form->activityCoefficient), ReportAlignment::right);
            text(1450, four(form->activity));
        }
        if (!form->logActivityText.empty()) {
            text(1850, form->logActivityText, ReportAlignment::right);
        }
        if (!form->note.empty()) text(1860, form->note);
        nextLine();
    }

    // A failed calculation has neither: its empty species table would add up to an osmolality
    // of 0, and the capacity's solves might succeed where the calculation itself did not.
    void addTotals() {
        const bool valid = document_.resultsValid();
        text(100, "Solution osmolality is " + (valid ? four(document_.osmolality()) : "???") + ".");
        nextLine();
        if (!valid) return;
        if (const std::optional<double> capacity = bufferCapacity()) {
            text(100, "Buffering capacity of the solution is " + four(*capacity) + ".");
        }
    }

    std::optional<double> bufferCapacity() const {
        try {
            return document_.bufferCapacity();
        } catch (const pHCalculationError&) {
            return std::nullopt;
        }
    }

    const CpHCalculatorDoc& document_;
    const bool listed_;
    const bool ignoresIonicStrength_;
    const double ionicStrength_;  // what the results are at; not a number after a failed solve
    const ActivityCoefficients coefficients_;
    CFloatNumbersString numbers_{4};
    Report report_;
    int y_ = 0;
};

}  // namespace

int detailsReportHeight(const CpHCalculatorDoc& document) {
    int height = 940;
    if (showsReagentList(document)) {
        const bool volumeLine = document.volumeMode() == VolumeMode::sumVolumes ||
                                document.volumeMode() == VolumeMode::finalVolume;
        height = kLineHeight * document.reagentCount() + (volumeLine ? 1010 : 940);
    }
    if (document.ionicStrengthMode() != IonicStrengthMode::ignoreIonicStrength) height += 350;
    for (int position = 0; position < document.acids().Count(); ++position) {
        height += 140 * stepsOf(document.acids().At(position)) + 210;
    }
    std::size_t spectators = 0;
    for (const auto& row : document.reagents()) spectators += row->spectators.size();
    if (spectators > 0) height += kLineHeight * static_cast<int>(spectators) + kLineHeight;
    return height;
}

int detailsReportPageCount(const CpHCalculatorDoc& document) {
    return detailsReportHeight(document) / kDetailsReportPageHeight + 1;
}

Report calculationDetailsReport(const CpHCalculatorDoc& document) {
    return DetailsReportBuilder(document).build();
}

}  // namespace solvara
