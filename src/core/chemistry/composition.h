#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace solvara {

// How many units of each element-table entry a formula holds. Slot i counts entry i; entry 0
// is the electron, which is never counted, so slot 0 holds the charge instead.
class Composition {
public:
    Composition() = default;
    // Every slot, the charge included, set to fillValue.
    Composition(int slotCount, int fillValue);

    int size() const { return static_cast<int>(slots_.size()); }
    // A slot beyond the size holds no units (the composition came from a shorter table).
    int operator[](int slot) const {
        return slot >= 0 && slot < size() ? slots_[static_cast<std::size_t>(slot)] : 0;
    }
    int charge() const { return (*this)[0]; }
    void set(int slot, int value);
    std::span<const int> slots() const { return slots_; }
    // Resizes to slotCount slots, all set to fillValue, keeping the storage.
    void reset(int slotCount, int fillValue);

    bool operator==(const Composition&) const = default;

private:
    std::vector<int> slots_;
};

}  // namespace solvara
