#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/archive/cobject.h"
#include "core/buffer/buffer.h"

namespace solvara {

// A group of buffers of the buffer database, such as "phosphate buffer 7.2",
// holding its variants under their names (exact, case-sensitive keys).
// Variants of the database are plain buffers: they store ids only.
class BufferVariants : public CObject {
  public:
    using VariantMap = std::map<std::string, std::unique_ptr<Buffer>, std::less<>>;

    BufferVariants() = default;
    explicit BufferVariants(std::string groupName) : name(std::move(groupName)) {}
    // Deep: every variant is copied as a plain buffer.
    BufferVariants(const BufferVariants& other);
    BufferVariants& operator=(const BufferVariants& other);

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // The name, then a count and per variant its key and the buffer as a
    // run-time-typed object; no version. Loading replaces the variants only
    // once all have been read; a null variant is a bad format.
    void Serialize(Archive& archive) override;

    std::string name;
    VariantMap variants;
};

}  // namespace solvara
