#pragma once

#include <optional>
#include <string>
#include <vector>

namespace solvara {

class BLAcidDatabase;
class CpHCalculatorDoc;

// How the acids of a solution split into their forms across the pH scale: for every acid, the
// fraction of each form at pH 0 to 14 in steps of 0.05, at one temperature and ionic strength.
struct SpeciesDistribution {
    static constexpr double firstPH = 0.0;
    static constexpr double pHStep = 0.05;
    static constexpr int stepCount = 281;  // pH 0 to 14
    static double pHAt(int step) { return firstPH + pHStep * step; }

    struct Acid {
        std::string name;
        std::vector<std::string> forms;              // form 0 (most protonated) first
        std::vector<std::vector<double>> fractions;  // [form][step]
    };

    double temperature = 25.0;   // degC
    double ionicStrength = 0.0;  // mol/L
    std::vector<Acid> acids;
};

// The distribution of every acid in `acids`, in list order. The constants are corrected for the
// temperature and the ionic strength as in the pH solve; pH is the activity of H+.
SpeciesDistribution speciesDistribution(const BLAcidDatabase& acids, double temperature,
                                        double ionicStrength, double daviesC);

// The distribution of the document's acids at its temperature and at the ionic strength of its
// last calculation; none while the document has no results, since that ionic strength is then
// not known.
std::optional<SpeciesDistribution> speciesDistribution(const CpHCalculatorDoc& document);

// One line per pH step: the pH, then the fraction of every form of every acid (4 significant
// digits); a first line names the columns ("pH" and the forms). Windows-1252, CR LF line ends,
// as the results export writes them; a comma inside a form becomes "/".
std::string speciesDistributionCsv(const SpeciesDistribution& distribution);

}  // namespace solvara
