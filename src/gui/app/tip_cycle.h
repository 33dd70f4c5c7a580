#pragma once

#include <array>
#include <functional>
#include <string_view>

namespace solvara {

inline constexpr int tipCount = 33;

// The hints of the tip of the day, in their fixed order.
extern const std::array<std::string_view, tipCount> tipTexts;

// Euclid's algorithm with the larger value divided first, returning the last divisor. Only
// positive values give the true divisor: a negative increment yields a value other than 1, which
// is what makes the stored default of -1 call for a fresh increment.
int tipDivisor(int a, int b);

// Random numbers of the C library kind: any int, used through a non-negative remainder.
using TipRandom = std::function<int()>;

// A source seeded from the current time, as each opening of the dialog starts one.
TipRandom timeSeededTipRandom();

// Where the cycle of hints stands: the hint shown next and the step between hints.
struct TipCycle {
    int current = -1;
    int increment = -1;
};

// The cycle to go on with, from the stored values. An increment sharing a divisor with the
// number of hints (always so for the default -1) is replaced by a fresh start and a fresh
// increment coprime with it, so the increment returned differs from the stored one exactly when
// it has to be stored. A stored hint index outside the list (a damaged settings file) gets a
// fresh start too.
TipCycle resumeTipCycle(TipCycle stored, const TipRandom& random);

// The hint after `cycle.current`, always an index into the list.
int nextTip(const TipCycle& cycle);

}  // namespace solvara
