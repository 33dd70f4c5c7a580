#include "core/phcalc/species_distribution.h"

#include <algorithm>

#include "core/chemistry/bl_acid_database.h"
#include "core/chemistry/power_of_ten.h"
#include "core/phcalc/ph_calculator_doc.h"
#include "core/program/program_model.h"
#include "core/report/report_numbers.h"

namespace solvara {

namespace {

SpeciesDistribution::Acid distributionOf(BLAcid acid, double temperature, double ionicStrength,
                                         double daviesC) {
    SpeciesDistribution::Acid result;
    result.name = acid.name;
    const auto forms = static_cast<std::size_t>(acid.steps) + 1;
    result.forms.assign(acid.forms.begin(), acid.forms.begin() + static_cast<long>(forms));
    result.fractions.assign(forms, std::vector<double>(SpeciesDistribution::stepCount));
    // pH is -log of the H+ activity; the fractions take the concentration of H+.
    const double protonGamma =
        ActivityCoefficients(ionicStrength, temperature, daviesC, false).gamma(1);
    BLAcid::FormValues alpha{};
    for (int step = 0; step < SpeciesDistribution::stepCount; ++step) {
        const double h = powerOfTen(-SpeciesDistribution::pHAt(step)) / protonGamma;
        acid.fractions(h, temperature, ionicStrength, daviesC, alpha);
        for (std::size_t form = 0; form < forms; ++form) {
            result.fractions[form][static_cast<std::size_t>(step)] = alpha[form];
        }
    }
    return result;
}

}  // namespace

SpeciesDistribution speciesDistribution(const BLAcidDatabase& acids, double temperature,
                                        double ionicStrength, double daviesC) {
    SpeciesDistribution distribution;
    distribution.temperature = temperature;
    distribution.ionicStrength = ionicStrength;
    for (int index = 0; index < acids.Count(); ++index) {
        const BLAcid& acid = acids.At(index);
        // A damaged record's step count would index past the forms.
        if (!acid.stepsValid()) continue;
        distribution.acids.push_back(distributionOf(acid, temperature, ionicStrength, daviesC));
    }
    return distribution;
}

std::optional<SpeciesDistribution> speciesDistribution(const CpHCalculatorDoc& document) {
    if (!document.resultsValid()) return std::nullopt;
    return speciesDistribution(document.acids(), document.temperature(),
                               document.resultIonicStrength(), document.program().defaults.daviesC);
}

std::string speciesDistributionCsv(const SpeciesDistribution& distribution) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string text = "pH";
    for (const SpeciesDistribution::Acid& acid : distribution.acids) {
        for (std::string form : acid.forms) {
            std::replace(form.begin(), form.end(), ',', '/');
            text += ',' + form;
        }
    }
    text += kLineEnd;
    for (int step = 0; step < SpeciesDistribution::stepCount; ++step) {
        text += twoDecimals(SpeciesDistribution::pHAt(step));
        for (const SpeciesDistribution::Acid& acid : distribution.acids) {
            for (const std::vector<double>& fractions : acid.fractions) {
                text += ',' + fourDigits(fractions[static_cast<std::size_t>(step)]);
            }
        }
        text += kLineEnd;
    }
    return text;
}

}  // namespace solvara
