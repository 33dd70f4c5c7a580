// Arbitrary bytes as a reagent formula, analysed against the starter acids with the stock's pH.
// Beyond not crashing or hanging, an analysis keeps its own invariants: one multiplier per acid
// entry, a failed analysis weighs nothing, and a successful one names only acids that exist.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/chemistry/reagent.h"
#include "core/program/program_model.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<solvara::ProgramModel> program =
        solvara::makeStarterProgramModel();
    solvara::Reagent reagent(*program);
    reagent.formula.assign(reinterpret_cast<const char*>(data), size);
    reagent.concentration = 0.1;
    const bool analysed = reagent.analyze(false);
    check(analysed == reagent.analysed);
    check(reagent.acidIds.size() == reagent.acidMultipliers.size());
    if (!analysed) {
        check(reagent.molarMass == 0.0);
        check(!reagent.hasSection);
        return 0;
    }
    for (int i = 0; i < reagent.acidCount(); ++i) check(reagent.acid(i) != nullptr);
    return 0;
}
