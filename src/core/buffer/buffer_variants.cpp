#include "core/buffer/buffer_variants.h"

#include <cstddef>
#include <utility>

#include "core/database/archive.h"

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
    if (archive.IsStoring()) {
        archive.writeCount(variants.size());
        for (const auto& [key, buffer] : variants) {
            archive.writeString(key);
            archive.writeObject(buffer.get());
        }
        return;
    }
    // A one-byte key length and a two-byte reference at the least.
    constexpr std::size_t kLeastEntryBytes = 3;
    const std::size_t count = archive.readCount(kLeastEntryBytes);
    VariantMap loaded;
    for (std::size_t i = 0; i < count; ++i) {
        std::string key = archive.readString();
        const std::shared_ptr<Buffer> buffer = archive.readObjectAs<Buffer>();
        if (buffer == nullptr) throw ArchiveError(ArchiveErrorKind::badIndex, archive.fileName());
        // A copy: a stream may refer to one record twice, and a document's
        // buffer read here would keep private reagents the database ignores.
        auto variant = std::make_unique<Buffer>(*buffer);
        variant->RecomputeShares();
        loaded.insert_or_assign(std::move(key), std::move(variant));
    }
    variants = std::move(loaded);
}

}  // namespace solvara
