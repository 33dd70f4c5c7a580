#pragma once

#include <cstdint>
#include <optional>

#include "core/buffer/buffer_preparation_results.h"
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

    // Takes over a buffer of the buffer database with copies of its reagents and acids,
    // recalculates, and takes the buffer's name as the title; a fresh pick is not a change.
    void PickBuffer(const Buffer& variant);
    // Forcing on brings in the program's default salt when the document has none; forcing off
    // drops the salt again when it is that default salt.
    void SetForceIonicStrength(bool force);

    // The preparation for the current parameters, its salt and its amounts (the amounts are 0
    // also when it is not recalculated). 0 when the concentration is 0 or the buffer lacks a
    // reagent or a stock; then nothing else is calculated. Every recalculation past the
    // concentration check marks the document modified.
    int Recalculate();
    // The pH of the prepared composition at another preparation temperature, which becomes the
    // document's; none when there is no composition or its pH cannot be calculated.
    std::optional<double> PHAtPreparationTemperature(double temperature);

    // Both reagents are there: the document can be saved.
    bool HasBothReagents() const;
    // Both amounts are finite and non-zero: a pH calculation can be made from the buffer.
    bool CanMakepHCalculator() const;
    // A wanted pH of 12 or more, or 2 or less: such a solution can be buffered with just a strong
    // acid or base, which the user is told once on asking for a recipe.
    bool IsHighOrLowPh() const { return inputs.pH >= 12.0 || inputs.pH <= 2.0; }
    // The element and moiety counts of the two reagents and the salt together.
    Composition ElementUsage() const;

    // The record of a ".buf" file. Loading fills this document from the archive; use it on a
    // new document, since a failure leaves it partly read. Loading derives the shown values
    // from the stored ones and their units and leaves no results.
    void Serialize(Archive& archive) override;

    StandaloneBuffer buffer;
    InertSalt salt;
    // pH, concentration (mol/L of the main component), volume (L), working and preparation
    // temperatures and the forced or the buffer's own ionic strength.
    BufferPreparationInputs inputs;
    // What the last recalculation found; the salt's ionic strength is kept in files too.
    BufferPreparationResults results;
    double concentrationShown = 0.0;
    double volumeShown = 0.0;
    std::int32_t concentrationUnit = 0;  // 1: mM shown, else M
    std::int32_t volumeUnit = 0;         // 1: mL shown, else L
};

}  // namespace solvara
