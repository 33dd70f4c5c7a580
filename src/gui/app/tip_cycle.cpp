#include "gui/app/tip_cycle.h"

#include <chrono>
#include <cstdint>
#include <random>
#include <utility>

namespace solvara {

const std::array<std::string_view, tipCount> tipTexts = {
    "If you feel like the list of buffers displayed in the buffer selection window is too crowded, "
    "you can shorten the list by unchecking 'default' for some buffers in the buffer database.",
    "Acid - as defined in the database - doesn't have to have uncharged form. That helps to enter "
    "polyprotic acids when only some of the dissociation constants are known.",
    "Charges of the acid forms in the acid database must differ by -1, but they don't have to "
    "start with 0.",
    "Reagents must be neutral - positive and negative charges entered in the extended formula "
    "format must cancel out.",
    "When you add group of buffers into buffer database, you can make one of the buffers default - "
    "and it will be displayed in the buffer selection window in the main buffer view.",
    "Try to always use canonical forms of formulas. While not using them you may occasionally save "
    "yourself few keystrokes, in the long run being consistent helps to keep order in the "
    "database.",
    "In the canonical form of a formula all subscripts are always preceded by _, and curly braces "
    "are never used around single characters.",
    "Patterns used to filter content of the lists use subset of regular expressions.",
    "Amounts of reagents in buffers are always calculated in such a way, that total final "
    "concentration of all forms of main component is the one entered in the main buffer dialog.",
    "Results of pH calculation from the pH calculator can be exported to any spreadsheet program "
    "in CSV format.",
    "When choosing buffer, use the capacity plot to select buffer with an increasing capacity in "
    "the direction of the most probable pH change.",
    "Each buffer in the program is made mixing two reagents. Reagents doesn't necesarilly have to "
    "contain acid and conjugated base, but it must be possible to mix them in such a way that "
    "resulting solution has required pH.",
    "Accuracy of the calculations goes down with the increasing ionic strength of the solution, "
    "that's intrinsic limitation of the Davies equation.",
    "Value of the Davies parameter (from the Davies equation) can be modified in the program "
    "defaults (File/Defaults menu).",
    "Occasional spikes on the buffer capacity plot are effect of the rounding errors in the "
    "numerical differentiation.",
    "Following tutorial you will learn all most important features of the program. To do so, "
    "select Help/Tutorial from the menu.",
    "pH calculator is described in the sixth tutorial lesson. To access tutorial select "
    "Help/Tutorial from the menu.",
    "Basic features of the Solvara are described in the first tutorial lesson.",
    "Because of the differences in the model used (described in the program help), pH values "
    "calculated with Solvara will slightly differ from pH values calculated with other programs. "
    "They should be more accurate.",
    "All initial parameters of the buffer - pH, concentration, volume, temperature and so on - can "
    "be changed. To do so select File/Defaults from the menu.",
    "If concentration of the reagent - as entered in the program database - differs from the "
    "concentration of the reagent you have in the bottle, modify database.",
    "Use moiety editor - H_3Citrate is much easier to identify than C_6H_8O_7.",
    "When ionic strength is displayed in red - it is too high for a reliable results.",
    "When forced ionic strength is displayed in blue - you are trying to force ionic strength that "
    "is lower than that of just buffer alone.",
    "Limiting value of the ionic strength, above which calculation results are signalled to be "
    "dubious, can be changed in the program defaults. To do so select File/Defaults from the menu.",
    "Acid details buttons in the main buffer view and pH calculator let you inspect and modify "
    "dissociation constants of the local copies of acids. Changes made there don't modify main "
    "program database.",
    "Buffer documents and pH calculation documents use local copies of acids fetched from the "
    "program database.",
    "Changes made to the main program database will be not reflected in the buffer nor pH "
    "calculation documents, as these keep their own, local copies of the acids.",
    "Buffer pH vs temperature plot assumes linear dependence of Ka vs T. That's rarely the case, "
    "so results of the calculations far from the 25 deg C should be taken with a grain of sodium "
    "chloride.",
    "To enter bases into database, enter them as conjugated acids.",
    "To switch Tip of the Day back on, select Help/Tip of the day from the menu, and  check 'Show "
    "tips at startup'.",
    "Whenever program have to display acid formula it either selects the neutral one, or - if "
    "there is no neutral - first entered.",
    "Program can start with a pH calculator, buffer calculator, or ask which calculator is needed. "
    "To change the default behavior select File/Defaults from the menu.",
};

namespace {

// The remainder of `value` by a positive `count`, never negative, so it always indexes a list.
int nonNegativeRemainder(std::int64_t value, int count) {
    const std::int64_t remainder = value % count;
    return static_cast<int>(remainder < 0 ? remainder + count : remainder);
}

bool isTipIndex(int index) { return index >= 0 && index < tipCount; }

}  // namespace

int tipDivisor(int a, int b) {
    // 64 bits keep INT_MIN % -1 from overflowing.
    std::int64_t dividend = a;
    std::int64_t divisor = b;
    if (dividend < divisor) std::swap(dividend, divisor);
    while (divisor != 0) {
        const std::int64_t remainder = dividend % divisor;
        dividend = divisor;
        divisor = remainder;
    }
    return static_cast<int>(dividend);
}

TipRandom timeSeededTipRandom() {
    const auto seed = std::chrono::system_clock::now().time_since_epoch().count();
    return [engine = std::mt19937(static_cast<std::mt19937::result_type>(seed))]() mutable {
        return static_cast<int>(engine() >> 1);
    };
}

TipCycle resumeTipCycle(TipCycle stored, const TipRandom& random) {
    TipCycle cycle = stored;
    const bool drawIncrement = tipDivisor(tipCount, cycle.increment) != 1;
    if (drawIncrement || !isTipIndex(cycle.current)) {
        cycle.current = nonNegativeRemainder(random(), tipCount);
    }
    if (drawIncrement) {
        do {
            cycle.increment = nonNegativeRemainder(random(), tipCount - 1) + 1;
        } while (tipDivisor(tipCount, cycle.increment) != 1);
    }
    return cycle;
}

int nextTip(const TipCycle& cycle) {
    return nonNegativeRemainder(static_cast<std::int64_t>(cycle.current) + cycle.increment,
                                tipCount);
}

}  // namespace solvara
