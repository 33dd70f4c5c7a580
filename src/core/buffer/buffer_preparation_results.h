#pragma once

#include <optional>

#include "core/buffer/buffer_preparation.h"

namespace solvara {

class Buffer;
class ChemistryModel;
class InertSalt;

// What a buffer design asks for. Concentrations and ionic strength in mol/L,
// the volume in litres, temperatures in degC.
struct BufferPreparationInputs {
    double pH = 7.0;             // wanted at the working temperature
    double concentration = 0.0;  // total of all forms of the main component
    double volume = 0.0;         // final volume
    double temperature = 25.0;   // working temperature
    double preparationTemperature = 25.0;
    bool forceIonicStrength = false;
    // With forcing: the ionic strength to reach with the inert salt.
    // Without: rewritten by every calculation with the buffer's own ionic
    // strength (0 when the search fails), so it shows what the buffer has.
    double ionicStrength = 0.0;
};

// What the last calculation found. Concentrations in mol/L of the final
// solution; amounts in mL of stock solution, or g for a solid.
struct BufferPreparationResults {
    // The search found a composition; when it did not, every figure is 0 and
    // pHAtPreparation is none.
    bool prepared = false;
    double firstReagentConcentration = 0.0;
    double secondReagentConcentration = 0.0;
    // The salt's increment of the ionic strength; 0 without forcing.
    double saltIonicStrength = 0.0;
    // 0 without forcing or when no salt is needed; none when the salt cannot
    // raise the ionic strength (it has no ions, or its stock is 0 M).
    std::optional<double> saltConcentration = 0.0;
    // mol/L per pH unit; none when there is no composition or its capacity
    // cannot be worked out.
    std::optional<double> capacity;
    // The prepared composition at the preparation temperature; none when
    // there is no composition or its pH cannot be calculated.
    std::optional<double> pHAtPreparation;
    double firstReagentAmount = 0.0;
    double secondReagentAmount = 0.0;
    std::optional<double> saltAmount = 0.0;  // none exactly when saltConcentration is
    // The forced ionic strength is below the buffer's own by more than 0.1 %;
    // no salt is added then.
    bool lowForcingWarning = false;
    // The stock solutions to take (reagents that are not solid, and a salt
    // solution) add up to more than the final volume: the composition was
    // found, but this buffer cannot be made from these stocks.
    bool stocksExceedVolume = false;
};

// The preparation a design asks for: its pH, concentration and temperature, and the forced ionic
// strength when it forces one.
PreparationTarget preparationTargetOf(const BufferPreparationInputs& inputs);

// Both amounts are finite and non-zero: a pH calculation can be made from them.
bool canMakepHCalculator(const BufferPreparationResults& results);

enum class PreparationOutcome {
    // The total concentration is 0: only the amounts were reset to 0.
    noConcentration,
    // A reagent is missing, or one that is not solid has a stock of 0 M: only
    // the amounts were reset to 0. The design counts as edited.
    incompleteBuffer,
    // The search ran; whether it found a composition is results.prepared.
    calculated,
};

// The whole calculation after an edit of a buffer design: the search for the
// composition at the working temperature, the salt that brings the ionic
// strength to a forced value, the capacity, the pH at the preparation
// temperature and the amounts to mix. Drops the buffer's capacity curve.
// Every figure it leaves in `results` is finite; a composition whose figures
// would not all be finite counts as not found.
PreparationOutcome recalculatePreparation(Buffer& buffer, const InertSalt& salt,
                                          BufferPreparationInputs& inputs,
                                          BufferPreparationResults& results,
                                          ChemistryModel& program);

}  // namespace solvara
