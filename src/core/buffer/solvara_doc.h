#pragma once

#include <cstdint>

#include "core/buffer/inert_salt.h"
#include "core/buffer/standalone_buffer.h"
#include "core/chemistry/composition.h"
#include "core/document/orvane_document.h"

namespace solvara {

class Archive;
class Buffer;
class ProgramModel;

// The document of one buffer design: its own copy of the buffer with its reagents and acids, the
// inert salt that forces the ionic strength, the design parameters and the results of the last
// recalculation. Concentration and volume are kept both in mol/L and litres for the calculation
// and in the unit the user sees them in; the conversions tie the two.
class CSolvaraDoc : public COrvaneDocument {
  public:
    // A new document: an empty buffer, an empty salt, the parameters of the program defaults.
    explicit CSolvaraDoc(ProgramModel& program);
    CSolvaraDoc(const CSolvaraDoc&) = delete;
    CSolvaraDoc& operator=(const CSolvaraDoc&) = delete;

    // After the shown value or its unit changed: the value in mol/L (litres) follows.
    void ConcentrationFromShown();
    void VolumeFromShown();
    // After a unit change: the shown value follows the stored one, which stays.
    void ConcentrationToShown();
    void VolumeToShown();

    // Forcing on brings in the program's default salt when the document has none; forcing off
    // drops the salt again when it is that default salt.
    void SetForceIonicStrength(bool force);

    // Both reagents are there: the document can be saved.
    bool HasBothReagents() const;
    // Both amounts are finite and non-zero: a pH calculation can be made from the buffer.
    bool CanMakepHCalculator() const;
    // The element and moiety counts of the two reagents and the salt together.
    Composition ElementUsage() const;

    // The record of a ".buf" file. Loading fills this document from the archive; use it on a
    // new document, since a failure leaves it partly read. Loading derives the shown values
    // from the stored ones and their units and leaves no results.
    void Serialize(Archive& archive);

    ProgramModel& program() const noexcept { return *program_; }

    StandaloneBuffer buffer;
    bool forceIonicStrength = false;
    bool lowForcingWarning = false;
    InertSalt salt;
    double concentration = 0.0;  // mol/L of the main component
    double volume = 0.0;         // L
    double concentrationShown = 0.0;
    double volumeShown = 0.0;
    double firstReagentConcentration = 0.0;  // mol/L in the final solution
    double secondReagentConcentration = 0.0;
    double saltConcentration = 0.0;
    double pH = 0.0;
    double temperature = 0.0;  // degC, working
    double capacity = 0.0;
    // The forced value when forcing is on, else the buffer's own as last computed.
    double ionicStrength = 0.0;
    double saltIonicStrength = 0.0;  // the salt's share
    double preparationTemperature = 0.0;
    double pHAtPreparation = kNoPhAtPreparation;
    double firstReagentAmount = 0.0;  // mL of stock or g of solid
    double secondReagentAmount = 0.0;
    double saltAmount = 0.0;
    std::int32_t concentrationUnit = 0;  // 1: mM shown, else M
    std::int32_t volumeUnit = 0;         // 1: mL shown, else L

    static constexpr double kNoPhAtPreparation = -101.0;

  private:
    ProgramModel* program_;
};

}  // namespace solvara
