#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/buffer/buffer_preparation_results.h"

namespace solvara {

class Buffer;
class ProgramModel;

// The capacity (mol/L per pH unit) another buffer would have if prepared for
// the same design: wanted pH, total concentration, working temperature and
// forced ionic strength of `inputs`. None when it cannot be prepared so, or
// when its capacity cannot be worked out.
std::optional<double> ListedBufferCapacity(Buffer& buffer, ProgramModel& program,
                                           const BufferPreparationInputs& inputs);

struct ListedCapacity {
    std::string groupName;
    Buffer* buffer;  // the group's default variant, owned by the buffer database
    std::optional<double> capacity;
};

// ListedBufferCapacity of the default variant of every group of the
// program's buffer database that has one, in the database's order.
std::vector<ListedCapacity> DefaultBufferCapacities(ProgramModel& program,
                                                    const BufferPreparationInputs& inputs);

}  // namespace solvara
