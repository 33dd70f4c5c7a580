#include "core/buffer/buffer_origin.h"

#include "core/buffer/buffer.h"
#include "core/buffer/buffer_database.h"

namespace solvara {

std::optional<BufferOrigin> findBufferOrigin(const Buffer& buffer, const BufferDatabase& buffers) {
    for (const auto& [groupName, group] : buffers.groups()) {
        for (const auto& [variantName, variant] : group->variants) {
            if (variant->id == buffer.id && variantName == buffer.name) {
                return BufferOrigin{groupName, variantName};
            }
        }
    }
    return std::nullopt;
}

}  // namespace solvara
