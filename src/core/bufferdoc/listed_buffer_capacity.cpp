#include "core/bufferdoc/listed_buffer_capacity.h"

#include <algorithm>

#include "core/buffer/buffer.h"
#include "core/buffer/buffer_database.h"
#include "core/buffer/buffer_mixture_ph.h"
#include "core/buffer/buffer_preparation.h"
#include "core/program/program_model.h"

namespace solvara {

std::optional<double> ListedBufferCapacity(Buffer& buffer, ProgramModel& program,
                                           const BufferPreparationInputs& inputs) {
    const bool force = inputs.forceIonicStrength;
    double c1 = 0.0;
    double c2 = 0.0;
    if (!PrepareBuffer(buffer, program, preparationTargetOf(inputs), c1, c2)) {
        return std::nullopt;
    }
    const double saltIonicStrength =
        force ? std::max(0.0, inputs.ionicStrength - buffer.reagentIonicStrength) : 0.0;
    // BufferCapacity gives 0 for a capacity it cannot work out.
    const MixtureConditions mixture{
        .c1 = c1,
        .c2 = c2,
        .solve = {.temperature = inputs.temperature, .ionicStrengthValue = saltIonicStrength}};
    const double capacity = BufferCapacity(buffer, program, mixture);
    if (capacity > 0.0) return capacity;
    return std::nullopt;
}

std::vector<ListedCapacity> DefaultBufferCapacities(ProgramModel& program,
                                                    const BufferPreparationInputs& inputs) {
    std::vector<ListedCapacity> listed;
    for (const auto& [groupName, group] : program.buffers.groups()) {
        if (Buffer* buffer = program.buffers.DefaultVariant(groupName); buffer != nullptr) {
            listed.push_back({groupName, buffer, ListedBufferCapacity(*buffer, program, inputs)});
        }
    }
    return listed;
}

}  // namespace solvara
