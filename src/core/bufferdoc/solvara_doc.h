#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/buffer/buffer_preparation_results.h"
#include "core/buffer/inert_salt.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/buffer/standalone_buffer.h"
#include "core/chemistry/composition.h"
#include "core/document/orvane_document.h"
#include "core/program/design_units.h"

namespace solvara {

class Archive;
class Buffer;
class ProgramModel;

// Why a design gives nothing to mix; none when it does.
enum class PreparationFailure {
    none,
    noConcentration,     // the concentration is 0
    notPrepared,         // a reagent or its stock is missing, or no composition reaches the pH
    stocksExceedVolume,  // the stocks to take add up to more than the final volume
};

// The document of one buffer design: its own copy of the buffer with its reagents and acids, the
// inert salt that forces the ionic strength, the design parameters and the results of the last
// recalculation. Concentration and volume are kept both in mol/L and litres for the calculation
// and in the unit the user sees them in; the conversions tie the two. Every edit recalculates,
// marks the document modified and returns what changed; DocumentChange::results is among the
// changes when the preparation was worked out.
class CSolvaraDoc : public COrvaneDocument {
  public:
    // A new document: an empty buffer, an empty salt, the parameters of the program defaults.
    explicit CSolvaraDoc(ProgramModel& program);
    CSolvaraDoc(const CSolvaraDoc&) = delete;
    CSolvaraDoc& operator=(const CSolvaraDoc&) = delete;

    const StandaloneBuffer& buffer() const noexcept { return buffer_; }
    const InertSalt& salt() const noexcept { return salt_; }
    // pH, concentration (mol/L of the main component), volume (L), working and preparation
    // temperatures and the forced or the buffer's own ionic strength.
    const BufferPreparationInputs& inputs() const noexcept { return inputs_; }
    // What the last recalculation found; the salt's ionic strength is kept in files too.
    const BufferPreparationResults& results() const noexcept { return results_; }
    double concentrationShown() const noexcept { return concentrationShown_; }
    double volumeShown() const noexcept { return volumeShown_; }
    ConcentrationUnit concentrationUnit() const noexcept { return concentrationUnit_; }
    VolumeUnit volumeUnit() const noexcept { return volumeUnit_; }

    // Edits of the design parameters. A shown value is in the shown unit; the value in mol/L
    // (litres) follows it.
    DocumentChange setPH(double pH);
    DocumentChange setConcentrationShown(double concentration);
    DocumentChange setVolumeShown(double volume);
    // The shown value follows the stored one, which stays; nothing is recalculated.
    DocumentChange setConcentrationUnit(ConcentrationUnit unit);
    DocumentChange setVolumeUnit(VolumeUnit unit);
    DocumentChange setTemperature(double temperature);
    // The ionic strength to force; without forcing the next recalculation overwrites it.
    DocumentChange setIonicStrength(double ionicStrength);
    // Forcing on brings in the program's default salt when the document has none; forcing off
    // drops the salt again when it is that default salt.
    DocumentChange SetForceIonicStrength(bool force);
    DocumentChange setSalt(const InertSalt& salt);
    // The pH of the prepared composition at another preparation temperature, which becomes the
    // document's, is results().pHAtPreparation afterwards; nothing else is recalculated.
    DocumentChange setPreparationTemperature(double temperature);

    // Edits of the buffer. Picking takes over a buffer of the buffer database with copies of its
    // reagents and acids, recalculates, and takes the buffer's name as the title; a fresh pick
    // is not a change.
    DocumentChange PickBuffer(const Buffer& variant);
    // A buffer chosen in the buffer database editor replaces the design's buffer like a pick
    // does, but is a change of the document.
    DocumentChange setBuffer(const Buffer& buffer);
    DocumentChange setFirstReagent(const Reagent& reagent);
    DocumentChange setSecondReagent(const Reagent& reagent);
    // A reagent (1st or 2nd) taken from the reagent database: the buffer is no longer one of the
    // buffer database's and is named, and titled, after its two reagents.
    DocumentChange takeReagentFromDatabase(int ordinal, const Reagent& reagent);
    DocumentChange setMainComponent(std::int32_t acidId);
    // Runs `edit` on the buffer's own copies of its acids, as the acid editor does on them. The
    // reagents find their acids by id: an edit keeps the ids of the acids they use.
    DocumentChange editAcids(const std::function<void(BLAcidDatabase&)>& edit);
    // The buffer's name, which is also the title.
    DocumentChange setBufferName(std::string name);

    // The preparation for the current parameters, its salt and its amounts (the amounts are 0
    // also when it is not recalculated). 0 when the concentration is 0 or the buffer lacks a
    // reagent or a stock; then nothing else is calculated. Every recalculation past the
    // concentration check marks the document modified.
    int Recalculate();

    // Why there is nothing to mix; PreparationFailure::none when there is.
    PreparationFailure preparationFailure() const;
    // Both reagents are there: the document can be saved.
    bool HasBothReagents() const;
    // Both amounts are finite and non-zero: a pH calculation can be made from the buffer.
    bool CanMakepHCalculator() const;
    // A wanted pH of 12 or more, or 2 or less: such a solution can be buffered with just a strong
    // acid or base, which the user is told once on asking for a recipe.
    bool IsHighOrLowPh() const { return inputs_.pH >= 12.0 || inputs_.pH <= 2.0; }
    // The ionic strength, forced or the buffer's own, is above the program's limit for reliable
    // results (the design view draws its field in red).
    bool ionicStrengthTooHigh() const;
    // The element and moiety counts of the two reagents and the salt together.
    Composition ElementUsage() const;

    // Queries on the prepared composition (see prepared_mixture_ph.h and capacity_curve.h).
    TemperatureSeries pHVersusTemperature() const;
    ExpectedPHChanges expectedPHChanges() const;
    // The capacity curve at the design parameters; none without a composition.
    const std::vector<double>* capacityCurve() const;

    // The record of a ".buf" file. Loading fills this document from the archive; use it on a
    // new document, since a failure leaves it partly read. Loading derives the shown values
    // from the stored ones and their units and leaves no results. A unit other than the
    // thousandth one is read as the base unit.
    void Serialize(Archive& archive) override;

  private:
    // Recalculates and marks the document modified after an edit that changed `changes`.
    DocumentChange recalculated(DocumentChange changes);
    void concentrationFromShown();
    void volumeFromShown();

    // Mutable because the solves of the queries keep their acid constants and the capacity
    // curve's cache in the buffer; what it holds for the document does not change.
    mutable StandaloneBuffer buffer_;
    InertSalt salt_;
    BufferPreparationInputs inputs_;
    BufferPreparationResults results_;
    double concentrationShown_ = 0.0;
    double volumeShown_ = 0.0;
    ConcentrationUnit concentrationUnit_ = ConcentrationUnit::molar;
    VolumeUnit volumeUnit_ = VolumeUnit::litres;
};

}  // namespace solvara
