#include "core/chemistry/reagent_ph_calculator.h"

#include <cstdint>

#include "core/archive/archive.h"

namespace solvara {
namespace {

constexpr std::int32_t kRowVersionWithSpectators = 0x10000;
constexpr std::int32_t kRowVersion = 0x20000;

// The spectator array of old rows: a count, then per spectator its count,
// formula and charge.
void skipSpectatorArray(Archive& archive) {
    constexpr std::size_t kSmallestSpectatorBytes = 8 + 1 + 4;
    const std::size_t count = archive.readCount(kSmallestSpectatorBytes);
    for (std::size_t i = 0; i < count; ++i) {
        archive.readDouble();
        archive.readString();
        archive.readInt32();
    }
}

}  // namespace

const ClassInfo& ReagentpHCalculator::staticClassInfo() {
    static const ClassInfo info{"ReagentpHCalculator", 1, &Reagent::staticClassInfo(),
                                &createObject<ReagentpHCalculator>};
    return info;
}

const ClassInfo& ReagentpHCalculator::classInfo() const { return staticClassInfo(); }

void ReagentpHCalculator::Serialize(Archive& archive) {
    Reagent::Serialize(archive);
    std::int32_t version = kRowVersion;
    archive.io(version);
    archive.io(effectiveConcentration);
    archive.io(volume);
    if (archive.IsLoading() && version == kRowVersionWithSpectators) skipSpectatorArray(archive);
    analyze(false);
}

}  // namespace solvara
