#include "core/chemistry/partial_stack.h"

#include <climits>
#include <cstddef>
#include <cstdint>

namespace solvara {

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool fitsInt(std::int64_t value) { return value >= INT_MIN && value <= INT_MAX; }

}  // namespace

void PartialStack::reset(int slotCount) {
    if (slotCount != slotCount_) {
        slotCount_ = slotCount;
        localOfSlot_.assign(at(slotCount), -1);
    } else {
        for (const int slot : slotOfLocal_) localOfSlot_[at(slot)] = -1;
    }
    slotOfLocal_.clear();
    depth_ = 0;
}

int& PartialStack::value(int local, int level) { return values_[at(local * kCapacity + level)]; }

int PartialStack::localOf(int slot) {
    int& local = localOfSlot_[at(slot)];
    if (local < 0) {
        local = static_cast<int>(slotOfLocal_.size());
        slotOfLocal_.push_back(slot);
        if (values_.size() < slotOfLocal_.size() * kCapacity) {
            values_.resize(slotOfLocal_.size() * kCapacity);
        }
        // A slot named only now held its partial's background value all along.
        for (int level = 0; level < depth_; ++level) value(local, level) = background_[at(level)];
    }
    return local;
}

bool PartialStack::pushUnit(int slot, int unitValue) {
    if (depth_ == kCapacity) return false;
    const int named = localOf(slot);
    background_[at(depth_)] = 0;
    for (int local = 0; local < static_cast<int>(slotOfLocal_.size()); ++local) {
        value(local, depth_) = local == named ? unitValue : 0;
    }
    ++depth_;
    return true;
}

bool PartialStack::pushFilled(int fillValue) {
    if (depth_ == kCapacity) return false;
    background_[at(depth_)] = fillValue;
    for (int local = 0; local < static_cast<int>(slotOfLocal_.size()); ++local) {
        value(local, depth_) = fillValue;
    }
    ++depth_;
    return true;
}

template <typename Combine>
bool PartialStack::combine(Combine op) {
    if (depth_ < 2) return true;
    const int below = depth_ - 2;
    const int top = depth_ - 1;
    const auto combined = [&](int& lower, int upper) {
        const std::int64_t result = op(std::int64_t{lower}, std::int64_t{upper});
        if (!fitsInt(result)) return false;
        lower = static_cast<int>(result);
        return true;
    };
    if (!combined(background_[at(below)], background_[at(top)])) return false;
    for (int local = 0; local < static_cast<int>(slotOfLocal_.size()); ++local) {
        if (!combined(value(local, below), value(local, top))) return false;
    }
    --depth_;
    return true;
}

bool PartialStack::addCombine() {
    return combine([](std::int64_t a, std::int64_t b) { return a + b; });
}

bool PartialStack::multiplyCombine() {
    return combine([](std::int64_t a, std::int64_t b) { return a * b; });
}

void PartialStack::writeBottom(Composition& out) const {
    out.reset(slotCount_, depth_ == 0 ? 0 : background_[0]);
    if (depth_ == 0) return;
    for (std::size_t local = 0; local < slotOfLocal_.size(); ++local) {
        out.set(slotOfLocal_[local], values_[local * kCapacity]);
    }
}

}  // namespace solvara
