#include "gui/dialogs/remembered_acid_choices.h"

namespace solvara {

RememberedAcidChoices::RememberedAcidChoices(ChemistryModel& program, AcidChooser& asked)
    : program_(program), previous_(program.acidChooser), asked_(asked) {
    program_.acidChooser = this;
}

RememberedAcidChoices::~RememberedAcidChoices() { program_.acidChooser = previous_; }

std::int32_t RememberedAcidChoices::chooseAcid(const BLAcidDatabase& database,
                                               std::span<const std::int32_t> candidateIds) {
    std::vector<std::int32_t> key(candidateIds.begin(), candidateIds.end());
    if (const auto known = choices_.find(key); known != choices_.end()) return known->second;
    const std::int32_t chosen = asked_.chooseAcid(database, candidateIds);
    choices_.emplace(std::move(key), chosen);
    return chosen;
}

}  // namespace solvara
