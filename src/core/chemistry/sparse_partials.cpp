#include "core/chemistry/sparse_partials.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>

namespace solvara {

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool fitsInt(std::int64_t value) { return value >= INT_MIN && value <= INT_MAX; }

}  // namespace

void SparsePartials::reset(int slotCount, int partialCount) {
    if (slotCount != slotCount_) {
        slotCount_ = slotCount;
        localOfSlot_.assign(at(slotCount), -1);
    } else {
        for (const int slot : slotOfLocal_) localOfSlot_[at(slot)] = -1;
    }
    slotOfLocal_.clear();
    partialCount_ = partialCount;
}

std::size_t SparsePartials::indexOf(int local, int partial) const {
    return at(local) * at(partialCount_) + at(partial);
}

int SparsePartials::localOf(int slot) {
    int& local = localOfSlot_[at(slot)];
    if (local < 0) {
        local = namedCount();
        slotOfLocal_.push_back(slot);
        const std::size_t end = indexOf(local + 1, 0);
        if (values_.size() < end) values_.resize(end);
        // A slot named only now was 0 in every partial all along.
        std::fill(values_.begin() + static_cast<std::ptrdiff_t>(indexOf(local, 0)),
                  values_.begin() + static_cast<std::ptrdiff_t>(end), 0);
    }
    return local;
}

void SparsePartials::clear(int partial) {
    for (int local = 0; local < namedCount(); ++local) value(local, partial) = 0;
}

void SparsePartials::setUnit(int partial, int slot, int unitValue) {
    const int named = localOf(slot);
    for (int local = 0; local < namedCount(); ++local) {
        value(local, partial) = local == named ? unitValue : 0;
    }
}

bool SparsePartials::addScaled(int target, int source, int factor) {
    for (int local = 0; local < namedCount(); ++local) {
        int& sum = value(local, target);
        const std::int64_t result = std::int64_t{sum} + std::int64_t{factor} * value(local, source);
        if (!fitsInt(result)) return false;
        sum = static_cast<int>(result);
    }
    return true;
}

bool SparsePartials::scale(int partial, int factor) {
    for (int local = 0; local < namedCount(); ++local) {
        int& product = value(local, partial);
        const std::int64_t result = std::int64_t{factor} * product;
        if (!fitsInt(result)) return false;
        product = static_cast<int>(result);
    }
    return true;
}

void SparsePartials::assign(int target, int source) {
    for (int local = 0; local < namedCount(); ++local) {
        value(local, target) = value(local, source);
    }
}

void SparsePartials::write(int partial, Composition& out) const {
    out.reset(slotCount_, 0);
    for (int local = 0; local < namedCount(); ++local) {
        out.set(slotOfLocal_[at(local)], value(local, partial));
    }
}

}  // namespace solvara
