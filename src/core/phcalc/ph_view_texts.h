#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace solvara {

class CpHCalculatorDoc;

// The texts the pH calculator's form shows beside its fields.

// The tab of a reagent row: the reagent's name, or "reagent 2" (counted from 1) for a row
// without one; " (?)" follows while the row keeps the solution from being calculated.
std::string reagentTabText(const CpHCalculatorDoc& document, int row);

// The columns of the species list, in their order on screen.
enum class SpeciesColumn {
    substance,
    concentration,
    percent,
    activityCoefficient,
    activity,
    logActivity,
};
inline constexpr int speciesColumnCount = 6;

// One line of the species list: the index of its species row and the text of every column.
// Figures the last calculation did not give read "???".
struct SpeciesListRow {
    int species = 0;
    std::array<std::string, speciesColumnCount> cells;
};

// The species whose formula the list filter lets through, in the order of the species table.
std::vector<SpeciesListRow> speciesListRows(const CpHCalculatorDoc& document,
                                            std::string_view filter);

// "Total: 0.1000 M" over the concentrations of the listed rows, "Total: ??? M" without results;
// empty while the filter lists every species ("" or ".").
std::string speciesTotalText(const CpHCalculatorDoc& document,
                             const std::vector<SpeciesListRow>& rows, std::string_view filter);

// Sorts the rows by `column`: the formula and -log(activity) by their text without regard to
// case, the other columns by the figure of the species row. Rows that compare equal keep their
// order.
void sortSpeciesListRows(std::vector<SpeciesListRow>& rows, const CpHCalculatorDoc& document,
                         SpeciesColumn column, bool ascending);

}  // namespace solvara
