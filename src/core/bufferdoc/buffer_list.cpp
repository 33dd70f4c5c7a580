#include "core/bufferdoc/buffer_list.h"

#include <algorithm>
#include <cmath>

#include "core/buffer/buffer.h"
#include "core/buffer/buffer_database.h"
#include "core/bufferdoc/listed_buffer_capacity.h"
#include "core/text/float_numbers_string.h"

namespace solvara {
namespace {

// A capacity that is not a number would leave the order undefined; it sorts as no capacity.
double sortedCapacity(const BufferListRow& row) {
    return std::isfinite(row.capacity) ? row.capacity : 0.0;
}

}  // namespace

std::vector<BufferHelper> DefaultBufferEntries(const BufferDatabase& database) {
    std::vector<BufferHelper> entries;
    for (const auto& [groupName, group] : database.groups()) {
        for (const auto& [variantName, variant] : group->variants) {
            if (variant->isDefaultVariant) entries.push_back({groupName, variantName});
        }
    }
    return entries;
}

void SortBufferList(std::vector<BufferListRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const BufferListRow& a, const BufferListRow& b) {
        const double capacityA = sortedCapacity(a);
        const double capacityB = sortedCapacity(b);
        const bool hasA = capacityA != 0.0;
        const bool hasB = capacityB != 0.0;
        if (hasA != hasB) return hasA;
        if (hasA) return capacityA > capacityB;
        return a.entry.variantName > b.entry.variantName;
    });
}

std::vector<BufferListRow> ListCapacities(ProgramModel& program,
                                          const BufferPreparationInputs& inputs) {
    constexpr int kListDigits = 4;
    CFloatNumbersString numbers(kListDigits);
    std::vector<BufferListRow> rows;
    for (const ListedCapacity& listed : DefaultBufferCapacities(program, inputs)) {
        BufferListRow row{{listed.groupName, listed.buffer->name}, 0.0, "- - -"};
        if (listed.capacity) {
            row.capacity = *listed.capacity;
            row.capacityText = numbers.formatSignificant(row.capacity, kListDigits);
        }
        rows.push_back(std::move(row));
    }
    SortBufferList(rows);
    return rows;
}

}  // namespace solvara
