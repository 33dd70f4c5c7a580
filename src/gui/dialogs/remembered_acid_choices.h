#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "core/chemistry/acid_chooser.h"
#include "core/chemistry/chemistry_model.h"

namespace solvara {

// Asks the user which acid a shared form means once per set of candidates, then gives the same
// answer: an editor analyses its formula on every keystroke, and the question would otherwise
// come back with each key typed after the form. While it lives, the program's analyses ask it.
class RememberedAcidChoices : public AcidChooser {
  public:
    RememberedAcidChoices(ChemistryModel& program, AcidChooser& asked);
    ~RememberedAcidChoices() override;
    RememberedAcidChoices(const RememberedAcidChoices&) = delete;
    RememberedAcidChoices& operator=(const RememberedAcidChoices&) = delete;

    std::int32_t chooseAcid(const BLAcidDatabase& database,
                            std::span<const std::int32_t> candidateIds) override;

  private:
    ChemistryModel& program_;
    AcidChooser* previous_;
    AcidChooser& asked_;
    std::map<std::vector<std::int32_t>, std::int32_t> choices_;
};

}  // namespace solvara
