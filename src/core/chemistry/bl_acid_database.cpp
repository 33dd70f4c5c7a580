#include "core/chemistry/bl_acid_database.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "core/chemistry/chemical_formula.h"

namespace solvara {

namespace {

bool stepsValid(const BLAcid& acid) { return acid.steps >= 1 && acid.steps <= BLAcid::kMaxSteps; }

}  // namespace

bool BLAcidDatabase::Add(const BLAcid& acid, bool assignNewId) {
    auto copy = std::make_unique<BLAcid>(acid);
    const auto firstUnused =
        static_cast<std::size_t>(std::clamp(copy->steps, 0, BLAcid::kMaxSteps) + 1);
    std::fill(copy->forms.begin() + static_cast<std::ptrdiff_t>(firstUnused), copy->forms.end(),
              std::string());
    if (stepsValid(*copy)) {
        for (int form = copy->steps; form >= 0; --form) {
            std::string& text = copy->forms[static_cast<std::size_t>(form)];
            text = ChemicalFormula(*table_, text).canonicalForm();
        }
    }
    if (assignNewId) {
        const auto id = issueId();
        if (!id) return false;
        copy->id = *id;
    }
    append(std::move(copy));
    return true;
}

void BLAcidDatabase::Replace(const BLAcid& acid) {
    BLAcid* stored = FindById(acid.id);
    if (stored == nullptr) return;
    *stored = acid;
    rebuildIndexes();
    markModified();
}

BLAcid* BLAcidDatabase::FindByFormula(std::string_view formula, AcidChooser* chooser) {
    const auto found = formIndex_.find(formula);
    if (found == formIndex_.end()) return nullptr;
    if (found->second.size() == 1) return &At(found->second.front());
    if (chooser == nullptr) return nullptr;
    std::vector<int> positions = found->second;
    std::sort(positions.begin(), positions.end(), std::greater<>());
    std::vector<std::int32_t> candidates;
    for (const int position : positions) candidates.push_back(At(position).id);
    const std::int32_t chosen = chooser->chooseAcid(*this, candidates);
    if (std::find(candidates.begin(), candidates.end(), chosen) == candidates.end()) return nullptr;
    return FindById(chosen);
}

void BLAcidDatabase::Assign(const BLAcidDatabase& other) {
    if (&other == this) return;
    Clear();
    for (int position = other.Count() - 1; position >= 0; --position)
        Add(other.At(position), false);
    rebuildIndexes();
}

void BLAcidDatabase::storeKeys(const BLAcid& acid, int position) {
    if (!stepsValid(acid)) return;
    for (int form = 0; form <= acid.steps; ++form) {
        std::vector<int>& positions = formIndex_[acid.forms[static_cast<std::size_t>(form)]];
        // An acid that lists one text twice is still one candidate.
        if (std::find(positions.begin(), positions.end(), position) == positions.end()) {
            positions.push_back(position);
        }
    }
}

}  // namespace solvara
