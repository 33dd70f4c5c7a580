#include "core/buffer/buffer_variants.h"

#include <cstddef>
#include <utility>

#include "core/archive/archive.h"

namespace solvara {

BufferVariants::BufferVariants(const BufferVariants& other) : CObject(other), name(other.name) {
    for (const auto& [key, buffer] : other.variants)
        variants.emplace(key, std::make_unique<Buffer>(*buffer));
}

BufferVariants& BufferVariants::operator=(const BufferVariants& other) {
    if (this != &other) {
        BufferVariants copy(other);
        name = std::move(copy.name);
        variants = std::move(copy.variants);
    }
    return *this;
}

const ClassInfo& BufferVariants::staticClassInfo() {
    static const ClassInfo info{"BufferVariants", 1, nullptr, &createObject<BufferVariants>};
    return info;
}

const ClassInfo& BufferVariants::classInfo() const { return staticClassInfo(); }

void BufferVariants::Serialize(Archive& archive) {
    archive.io(name);
    archive.ioObjectMap(variants);
    if (archive.IsLoading()) {
        // Each variant is a plain Buffer of the program, even where the
        // stream held a document's buffer with private reagents.
        for (const auto& [key, buffer] : variants) buffer->RecomputeShares();
    }
}

}  // namespace solvara
