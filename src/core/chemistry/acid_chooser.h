#pragma once

#include <cstdint>
#include <span>

namespace solvara {

class BLAcidDatabase;

// Lets the user pick one of several acids that share a form, when a formula
// must resolve to one acid. The desktop application implements it with the
// acid database dialog in selection mode.
class AcidChooser {
  public:
    virtual ~AcidChooser() = default;
    // The id of the chosen acid, or none (any id not among the candidates)
    // when the user cancels. Candidates are ids of `database`, from the
    // acid at the highest position to the lowest.
    virtual std::int32_t chooseAcid(const BLAcidDatabase& database,
                                    std::span<const std::int32_t> candidateIds) = 0;
};

}  // namespace solvara
