#include "core/program/element_usage.h"

#include <algorithm>
#include <cstddef>

namespace solvara {

namespace {

// Slot 0 of a composition is the charge, not a use of the electron.
void add(const Composition& composition, std::vector<std::int64_t>& usage) {
    const std::size_t slots = std::min(usage.size(), composition.slots().size());
    for (std::size_t slot = 1; slot < slots; ++slot) usage[slot] += composition.slots()[slot];
}

}  // namespace

std::vector<std::int64_t> ElementUsage(const ProgramModel& program,
                                       std::span<const Composition> documentUsage) {
    std::vector<std::int64_t> usage(static_cast<std::size_t>(program.elements.count()), 0);
    for (const Composition& document : documentUsage) add(document, usage);
    for (int position = 0; position < program.acids.Count(); ++position)
        add(program.acids.At(position).composition(program.elements), usage);
    for (int position = 0; position < program.salts.Count(); ++position)
        add(program.salts.At(position).composition(program.elements), usage);
    return usage;
}

}  // namespace solvara
