#pragma once

#include <cstddef>
#include <vector>

#include "core/chemistry/composition.h"

namespace solvara {

// The formula parser's partial compositions, a fixed number of them, addressed by index. A
// partial spans every element-table slot, but a formula names only a few of them, and a slot
// it does not name is 0 in every partial. So only the named slots are stored: the cost of an
// operation follows the formula, not the size of the table, and the buffers are reused from
// one formula to the next.
//
// The arithmetic operations return false when a result leaves the int range; the target is
// then no longer meaningful.
class SparsePartials {
  public:
    // Sets every partial to 0, for a table with slotCount slots (element count + 1).
    void reset(int slotCount, int partialCount);

    void clear(int partial);
    // The partial becomes one slot holding value, every other slot 0.
    void setUnit(int partial, int slot, int value);
    // target += factor * source, slot by slot.
    bool addScaled(int target, int source, int factor);
    bool scale(int partial, int factor);
    void assign(int target, int source);

    // The partial written out over every slot.
    void write(int partial, Composition& out) const;

  private:
    int localOf(int slot);
    int& value(int local, int partial) { return values_[indexOf(local, partial)]; }
    int value(int local, int partial) const { return values_[indexOf(local, partial)]; }
    std::size_t indexOf(int local, int partial) const;
    int namedCount() const { return static_cast<int>(slotOfLocal_.size()); }

    int slotCount_ = 0;
    int partialCount_ = 0;
    std::vector<int> slotOfLocal_;  // the named slots, in the order they were met
    std::vector<int> localOfSlot_;  // -1 for a slot not named yet
    std::vector<int> values_;       // values_[local * partialCount_ + partial]; only grows
};

}  // namespace solvara
