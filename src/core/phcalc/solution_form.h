#pragma once

#include <string>

namespace solvara {

// One species row of a solution: an acid form, H+, OH- or a spectator ion.
struct SolutionForm {
    std::string formula;
    std::string logActivityText;  // -log10(activity) as shown, or "- - -"
    std::string note;             // "(pH)" on the H+ row, "(pOH)" on the OH- row
    int acidId = -1;              // -1 for H+, OH- and spectators
    int charge = 0;
    double concentration = 0.0;  // mol/L
    double activityCoefficient = 1.0;
    double activity = 0.0;
    double fraction = 0.0;  // alpha of an acid form, 1 for spectators, 0 for H+ and OH-

    // The same species: the same formula text, acid and charge.
    bool sameSpecies(const SolutionForm& other) const {
        return formula == other.formula && acidId == other.acidId && charge == other.charge;
    }
};

}  // namespace solvara
