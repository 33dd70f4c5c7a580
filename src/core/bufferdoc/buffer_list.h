#pragma once

#include <string>
#include <vector>

namespace solvara {

class BufferDatabase;
class ProgramModel;
struct BufferPreparationInputs;

// An entry of the buffer selection list: a variant of the buffer database by its group and
// variant names.
struct BufferHelper {
    std::string groupName;
    std::string variantName;
    friend bool operator==(const BufferHelper&, const BufferHelper&) = default;
};

// A row of the list with the capacity its buffer reaches at the document's parameters.
struct BufferListRow {
    BufferHelper entry;
    double capacity = 0.0;     // 0 when the buffer cannot be prepared
    std::string capacityText;  // four digits, or "- - -"
};

// The default variant of every group, groups and variants in the database's order.
std::vector<BufferHelper> DefaultBufferEntries(const BufferDatabase& database);

// The list order: buffers with a capacity first, the largest first; then those without one
// (capacity 0, or a value that is not a number) by variant name, bytewise, the largest first.
void SortBufferList(std::vector<BufferListRow>& rows);

// The selection list for a design: every default buffer with the capacity it reaches when
// prepared for the design's pH, concentration, working temperature and forced ionic strength,
// in list order.
std::vector<BufferListRow> ListCapacities(ProgramModel& program,
                                          const BufferPreparationInputs& inputs);

}  // namespace solvara
