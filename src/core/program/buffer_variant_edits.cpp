#include "core/program/buffer_variant_edits.h"

#include <memory>

namespace solvara {

Buffer* DisplacedDefault(const BufferDatabase& buffers, std::string_view groupName,
                         const Buffer& edited, std::string_view replacedVariantName) {
    if (!edited.isDefaultVariant) return nullptr;
    const BufferVariants* group = buffers.FindGroup(groupName);
    if (group == nullptr) return nullptr;
    for (const auto& [name, variant] : group->variants) {
        if (variant->isDefaultVariant && name != replacedVariantName) return variant.get();
    }
    return nullptr;
}

// The displaced default is found before the change and loses its mark only after the change
// succeeded: a refused change leaves the group as it was.
Buffer* AddVariantAsOnlyDefault(BufferDatabase& buffers, std::string_view groupName,
                                const Buffer& buffer) {
    Buffer* displaced = DisplacedDefault(buffers, groupName, buffer);
    Buffer* added = buffers.AddVariant(groupName, std::make_unique<Buffer>(buffer));
    if (added != nullptr && displaced != nullptr) displaced->isDefaultVariant = false;
    return added;
}

bool ReplaceVariantAsOnlyDefault(BufferDatabase& buffers, std::string_view groupName,
                                 std::string_view oldVariantName, const Buffer& buffer) {
    Buffer* displaced = DisplacedDefault(buffers, groupName, buffer, oldVariantName);
    if (!buffers.Replace(groupName, oldVariantName, std::make_unique<Buffer>(buffer))) return false;
    if (displaced != nullptr) displaced->isDefaultVariant = false;
    return true;
}

}  // namespace solvara
