#pragma once

#include "core/chemistry/composition.h"
#include "core/chemistry/reagent_ph_calculator.h"
#include "core/document/orvane_document.h"
#include "core/phcalc/ph_solution.h"

namespace solvara {

class Archive;
class ProgramModel;

// The pH calculator document: a solution of reagent rows with its volume and ionic strength
// modes and temperature, the document's own copies of the acids its rows use, and the results of
// the last calculation. Editing the row list rebuilds the acid copies and the species rows and
// marks the document modified; the fields are written directly by whoever edits them, who then
// calls recalculate.
class CpHCalculatorDoc : public COrvaneDocument, private pHSolution {
  public:
    // A new document: one empty row, the temperature of the program defaults, no results.
    explicit CpHCalculatorDoc(ProgramModel& program);
    CpHCalculatorDoc(const CpHCalculatorDoc&) = delete;
    CpHCalculatorDoc& operator=(const CpHCalculatorDoc&) = delete;

    using pHSolution::VolumeMode;
    using pHSolution::ignoreVolumes;
    using pHSolution::sumVolumes;
    using pHSolution::finalVolume;
    using pHSolution::IonicStrengthMode;
    using pHSolution::calculateIonicStrength;
    using pHSolution::ignoreIonicStrength;
    using pHSolution::forceIonicStrength;

    using pHSolution::volumeMode;
    using pHSolution::ionicStrengthMode;
    using pHSolution::resultsValid;
    using pHSolution::acids;
    using pHSolution::ionicStrength;
    using pHSolution::temperature;
    using pHSolution::solutionVolume;
    using pHSolution::pH;
    using pHSolution::species;
    using pHSolution::spectatorRows;
    using pHSolution::reagents;

    // Row editing; each marks the document modified. An index outside the list throws
    // std::out_of_range.
    void addReagent(const ReagentpHCalculator& row);
    void replaceReagent(int index, const Reagent& reagent);
    void removeReagent(int index);
    using pHSolution::reagentCount;
    using pHSolution::reagentAt;
    using pHSolution::refreshAcids;

    // The calculation and its results.
    using pHSolution::recalculate;
    using pHSolution::bufferCapacity;
    using pHSolution::osmolality;
    using pHSolution::pHLabel;
    using pHSolution::resultIonicStrength;
    using pHSolution::ionicStrengthTooHigh;

    // The summed composition of the formulas of every species row: the elements and moieties
    // this document uses. One slot per element table entry and the charge in slot 0.
    Composition speciesComposition() const;

    // The whole solution, for code that works on any solution (text and JSON output).
    pHSolution& solution() noexcept { return *this; }
    const pHSolution& solution() const noexcept { return *this; }
    // The record of a ".phc" file. Loading fills this document from the archive; use it on a
    // new document, since a failure leaves it partly read (readpHCalculatorFile never shows
    // such a document to anyone). After loading, the rows look their acids up in the document's
    // own copies, the species rows are rebuilt and there are no results.
    void Serialize(Archive& archive) override;
};

}  // namespace solvara
