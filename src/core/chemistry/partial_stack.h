#pragma once

#include <array>
#include <vector>

#include "core/chemistry/composition.h"

namespace solvara {

// The formula parser's stack of partial compositions. A partial spans every element-table
// slot, but a formula names only a few of them, and every slot it does not name starts out
// equal to the others in each partial (0 in a unit partial, n in a filled one) and stays so
// through slot-wise sums and products. So a partial is kept as one background value for the
// unnamed slots plus a value per named slot: the cost of an operation follows the formula,
// not the size of the table, and the buffers are reused from one formula to the next.
//
// Every operation returns false when the formula cannot be evaluated: more partials than
// kCapacity, or a count that overflows an int.
class PartialStack {
public:
    static constexpr int kCapacity = 32;

    // Empties the stack for a table with slotCount slots (element count + 1).
    void reset(int slotCount);

    // A partial with one slot set to value and every other slot 0.
    bool pushUnit(int slot, int value);
    // A partial with every slot, the charge included, set to value.
    bool pushFilled(int value);
    // Replace the top two partials by their slot-wise sum or product; nothing with fewer
    // than two on the stack.
    bool addCombine();
    bool multiplyCombine();

    int depth() const { return depth_; }
    // The bottom partial written out over every slot; all zeros when the stack is empty.
    void writeBottom(Composition& out) const;

private:
    int localOf(int slot);
    int& value(int local, int level);
    template <typename Combine>
    bool combine(Combine op);

    int slotCount_ = 0;
    int depth_ = 0;
    std::array<int, kCapacity> background_{};
    std::vector<int> slotOfLocal_;  // the named slots, in the order they were met
    std::vector<int> localOfSlot_;  // -1 for a slot not named yet
    std::vector<int> values_;       // values_[local * kCapacity + level]; only grows
};

}  // namespace solvara
