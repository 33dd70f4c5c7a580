#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/chemistry/composition.h"
#include "core/chemistry/reagent_ph_calculator.h"
#include "core/document/orvane_document.h"
#include "core/phcalc/ph_solution.h"

namespace solvara {

class Archive;
class ProgramModel;

// The pH calculator document: a solution of reagent rows with its volume and ionic strength
// modes and temperature, the document's own copies of the acids its rows use, and the results of
// the last calculation. Every edit recalculates, marks the document modified and returns what
// changed; editing the row list also rebuilds the acid copies and the species rows.
class CpHCalculatorDoc : public COrvaneDocument {
  public:
    // A new document: one empty row, the temperature of the program defaults, no results.
    explicit CpHCalculatorDoc(ProgramModel& program);
    CpHCalculatorDoc(const CpHCalculatorDoc&) = delete;
    CpHCalculatorDoc& operator=(const CpHCalculatorDoc&) = delete;

    // The inputs.
    VolumeMode volumeMode() const noexcept { return solution_.volumeMode; }
    IonicStrengthMode ionicStrengthMode() const noexcept { return solution_.ionicStrengthMode; }
    double temperature() const noexcept { return solution_.temperature; }  // degC
    // mL: the final volume, or the sum the last calculation found.
    double solutionVolume() const noexcept { return solution_.solutionVolume; }
    // mol/L: the forced value, or the working value of the last solve.
    double ionicStrength() const noexcept { return solution_.ionicStrength; }
    const std::vector<std::shared_ptr<ReagentpHCalculator>>& reagents() const noexcept {
        return solution_.reagents;
    }
    int reagentCount() const { return solution_.reagentCount(); }
    // Throws std::out_of_range for an index outside the list.
    const ReagentpHCalculator& reagentAt(int index) const { return solution_.reagentAt(index); }
    // The document's own copies of the acids its rows use.
    const BLAcidDatabase& acids() const noexcept { return solution_.acids; }

    // The results.
    bool resultsValid() const noexcept { return solution_.resultsValid; }
    double pH() const noexcept { return solution_.pH; }
    const std::vector<SolutionForm>& species() const noexcept { return solution_.species; }
    const std::vector<int>& spectatorRows() const noexcept { return solution_.spectatorRows; }
    RowFault rowFault(int index) const { return solution_.rowFault(index); }
    double osmolality() const { return solution_.osmolality(); }
    std::string pHLabel() const { return solution_.pHLabel(); }
    double resultIonicStrength() const { return solution_.resultIonicStrength(); }
    bool ionicStrengthTooHigh() const { return solution_.ionicStrengthTooHigh(); }
    // See pHSolution::bufferCapacity; the document stays as it is.
    double bufferCapacity() const { return solution_.bufferCapacity(); }
    // The summed composition of the formulas of every species row: the elements and moieties
    // this document uses. One slot per element table entry and the charge in slot 0.
    Composition speciesComposition() const;
    // The whole solution, for code that works on any solution (text and JSON output).
    const pHSolution& solution() const noexcept { return solution_; }

    // Edits. Each recalculates and marks the document modified. An index outside the row list
    // throws std::out_of_range and changes nothing.
    DocumentChange setTemperature(double temperature);
    DocumentChange setVolumeMode(VolumeMode mode);
    DocumentChange setSolutionVolume(double volume);
    // Ignoring the ionic strength also sets it to 0, which is what the calculation uses then.
    DocumentChange setIonicStrengthMode(IonicStrengthMode mode);
    DocumentChange setIonicStrength(double ionicStrength);
    DocumentChange addReagent(const ReagentpHCalculator& row);
    // The row takes over the reagent and keeps its volume.
    DocumentChange replaceReagent(int index, const Reagent& reagent);
    DocumentChange removeReagent(int index);
    DocumentChange setRowName(int index, std::string name);
    // The formula is analysed again (its messages go to the row's analysis log) and the acid
    // copies and species rows follow it.
    DocumentChange setRowFormula(int index, const std::string& formula);
    DocumentChange setRowConcentration(int index, double concentration);
    DocumentChange setRowVolume(int index, double volume);
    // The row's stock as the concentration calculator worked it out: its data set, the
    // concentration and, from the calculator's volume in litres, the row's volume in mL. The
    // formula is analysed again without the stock's pH.
    DocumentChange setRowStock(int index, const CCDataSet& stock);
    // Runs `edit` on the document's acid copies, as the acid editor does on them, then rebuilds
    // the species rows. The rows find their acids by id: an edit keeps the ids of the acids
    // they use.
    DocumentChange editAcids(const std::function<void(BLAcidDatabase&)>& edit);
    // Recalculates without another change, as on opening or after an edit of the program's data;
    // the document's content stays as it was, so it is not marked modified.
    DocumentChange recalculate();

    // The record of a ".phc" file. Loading fills this document from the archive; use it on a
    // new document, since a failure leaves it partly read (readpHCalculatorFile never shows
    // such a document to anyone). After loading, the rows look their acids up in the document's
    // own copies, the species rows are rebuilt and there are no results.
    void Serialize(Archive& archive) override;

  private:
    // Recalculates and marks the document modified after an edit that changed `changes`.
    DocumentChange recalculated(DocumentChange changes);
    ReagentpHCalculator& row(int index) { return solution_.reagentAt(index); }

    pHSolution solution_;
};

}  // namespace solvara
