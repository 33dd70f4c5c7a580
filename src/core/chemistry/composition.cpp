#include "core/chemistry/composition.h"

#include <cassert>
#include <cstddef>

namespace solvara {

Composition::Composition(int slotCount, int fillValue)
    : slots_(static_cast<std::size_t>(slotCount), fillValue) {}

void Composition::set(int slot, int value) {
    assert(slot >= 0 && slot < size());
    slots_[static_cast<std::size_t>(slot)] = value;
}

void Composition::reset(int slotCount, int fillValue) {
    slots_.assign(static_cast<std::size_t>(slotCount), fillValue);
}

}  // namespace solvara
