#include "core/phcalc/ph_view_texts.h"

#include <algorithm>
#include <cstdio>

#include "core/phcalc/ph_calculator_doc.h"
#include "core/report/report_numbers.h"
#include "core/text/list_filter.h"
#include "core/text/windows1252_case.h"

namespace solvara {

namespace {

constexpr std::string_view kUnknown = "???";

bool listsEverything(std::string_view filter) { return filter.empty() || filter == "."; }

std::string percentText(double fraction) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f%%", fraction * 100.0);
    return text;
}

SpeciesListRow listRow(const CpHCalculatorDoc& document, int index) {
    const SolutionForm& form = document.species()[static_cast<std::size_t>(index)];
    SpeciesListRow row;
    row.species = index;
    row.cells.fill(std::string(kUnknown));
    const auto cell = [&row](SpeciesColumn column) -> std::string& {
        return row.cells[static_cast<std::size_t>(column)];
    };
    cell(SpeciesColumn::substance) = form.formula;
    if (!document.resultsValid()) return row;
    cell(SpeciesColumn::concentration) = fourDigits(form.concentration);
    if (form.concentration != 0.0) cell(SpeciesColumn::percent) = percentText(form.fraction);
    cell(SpeciesColumn::activityCoefficient) = fourDigits(form.activityCoefficient);
    cell(SpeciesColumn::activity) = fourDigits(form.activity);
    cell(SpeciesColumn::logActivity) =
        form.note.empty() ? form.logActivityText : form.logActivityText + " " + form.note;
    return row;
}

bool lessWithoutCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return windows1252LowerCase(static_cast<unsigned char>(x)) <
               windows1252LowerCase(static_cast<unsigned char>(y));
    });
}

double figureOf(const SolutionForm& form, SpeciesColumn column) {
    switch (column) {
        case SpeciesColumn::concentration:
            return form.concentration;
        case SpeciesColumn::percent:
            return form.fraction;
        case SpeciesColumn::activityCoefficient:
            return form.activityCoefficient;
        case SpeciesColumn::activity:
            return form.activity;
        case SpeciesColumn::substance:
        case SpeciesColumn::logActivity:
            break;
    }
    return 0.0;
}

}  // namespace

std::string reagentTabText(const CpHCalculatorDoc& document, int row) {
    const std::string& name = document.reagentAt(row).name;
    std::string text = name.empty() ? "reagent " + std::to_string(row + 1) : name;
    if (document.rowFault(row) != RowFault::none) text += " (?)";
    return text;
}

std::vector<SpeciesListRow> speciesListRows(const CpHCalculatorDoc& document,
                                            std::string_view filter) {
    const ListFilter passes(filter);
    std::vector<SpeciesListRow> rows;
    const auto count = static_cast<int>(document.species().size());
    for (int index = 0; index < count; ++index) {
        if (passes.passes(document.species()[static_cast<std::size_t>(index)].formula)) {
            rows.push_back(listRow(document, index));
        }
    }
    return rows;
}

std::string speciesTotalText(const CpHCalculatorDoc& document,
                             const std::vector<SpeciesListRow>& rows, std::string_view filter) {
    if (listsEverything(filter)) return {};
    // A sum over figures a failed calculation did not give would read as a real 0.
    if (!document.resultsValid()) return "Total: ??? M";
    double total = 0.0;
    for (const SpeciesListRow& row : rows) {
        total += document.species()[static_cast<std::size_t>(row.species)].concentration;
    }
    return "Total: " + fourDigits(total) + " M";
}

void sortSpeciesListRows(std::vector<SpeciesListRow>& rows, const CpHCalculatorDoc& document,
                         SpeciesColumn column, bool ascending) {
    const bool byText = column == SpeciesColumn::substance || column == SpeciesColumn::logActivity;
    const auto before = [&](const SpeciesListRow& a, const SpeciesListRow& b) {
        if (byText) {
            const std::string& left = a.cells[static_cast<std::size_t>(column)];
            const std::string& right = b.cells[static_cast<std::size_t>(column)];
            return lessWithoutCase(left, right);
        }
        const auto& species = document.species();
        return figureOf(species[static_cast<std::size_t>(a.species)], column) <
               figureOf(species[static_cast<std::size_t>(b.species)], column);
    };
    if (ascending) {
        std::stable_sort(rows.begin(), rows.end(), before);
    } else {
        std::stable_sort(
            rows.begin(), rows.end(),
            [&](const SpeciesListRow& a, const SpeciesListRow& b) { return before(b, a); });
    }
}

}  // namespace solvara
