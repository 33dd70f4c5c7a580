#include "core/chemistry/chemical_formula.h"

#include <array>

#include "core/chemistry/formula_count.h"

namespace solvara {

namespace {

std::string_view withoutTrailingSpace(std::string_view text) {
    const auto last = text.find_last_not_of(" \t\r\n");
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// C, H, N, O, S and P lead a sorted sum formula, in this order.
constexpr std::array<int, 6> kLeadingPositions{6, 1, 7, 8, 16, 15};

bool isLeadingPosition(int position) {
    for (const int leading : kLeadingPositions) {
        if (leading == position) return true;
    }
    return false;
}

}  // namespace

ChemicalFormula::ChemicalFormula(const ElementTable& table) : table_(&table) {}

ChemicalFormula::ChemicalFormula(const ElementTable& table, std::string_view text)
    : table_(&table) {
    setFormula(text);
}

void ChemicalFormula::setFormula(std::string_view text, Markup markup) {
    source_.assign(withoutTrailingSpace(text));
    classifyDisplay(source_, markup, display_, kinds_);
    evaluated_ = false;
}

const CompositionParser& ChemicalFormula::evaluation() const {
    if (!evaluated_ || evaluatedRevision_ != table_->revision()) {
        parser_.parse(*table_, source_);
        evaluated_ = true;
        evaluatedRevision_ = table_->revision();
    }
    return parser_;
}

Composition ChemicalFormula::composition() const { return evaluation().composition(); }

FormulaFault ChemicalFormula::fault() const { return evaluation().fault(); }

double ChemicalFormula::molarMass() const {
    const CompositionParser& evaluated = evaluation();
    return evaluated.valid() ? table_->molarMass(evaluated.composition()) : 0.0;
}

double ChemicalFormula::molarMassOfList() const {
    evaluated_ = false;  // the pieces are parsed with the same parser
    double total = 0.0;
    std::string_view rest = source_;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        std::string_view piece = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);

        const CountReading units = takeLeadingCount(piece);
        if (units.fault != FormulaFault::none) continue;
        if (parser_.parse(*table_, withoutTrailingSpace(piece))) {
            total += static_cast<double>(units.value) * table_->molarMass(parser_.composition());
        }
    }
    return total;
}

Phase ChemicalFormula::phase() const {
    if (source_.find("(s)") != std::string::npos) return Phase::solid;
    if (source_.find("(g)") != std::string::npos) return Phase::gas;
    if (source_.find("(a)") != std::string::npos) return Phase::aqueous;
    return Phase::none;
}

std::string ChemicalFormula::canonicalForm() const {
    return solvara::canonicalForm(display_, kinds_);
}

std::string ChemicalFormula::sortedFormula() const {
    const Composition& units = evaluation().composition();
    std::string sorted;
    const auto append = [&](int position) {
        if (position >= table_->count() || units[position] == 0) return;
        sorted += (*table_)[position].symbol;
        if (units[position] > 1) sorted += std::to_string(units[position]);
    };
    for (const int position : kLeadingPositions) append(position);
    for (int position = 1; position < table_->count(); ++position) {
        if (!isLeadingPosition(position)) append(position);
    }
    return sorted;
}

}  // namespace solvara
