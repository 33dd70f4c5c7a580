#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/buffer/buffer_variants.h"

namespace solvara {

class Archive;

// The buffers of the program: groups of variants under their group names
// (exact, case-sensitive keys). Variants get ids from the database when they
// are added; the last id given out and the modified flag are kept here.
class BufferDatabase {
  public:
    using GroupMap = std::map<std::string, std::unique_ptr<BufferVariants>, std::less<>>;

    BufferDatabase() = default;
    BufferDatabase(const BufferDatabase&) = delete;
    BufferDatabase& operator=(const BufferDatabase&) = delete;

    // The group stored under the name: a new empty one, or the one that
    // already holds the name, which is kept as it is.
    BufferVariants& AddGroup(const std::string& groupName);
    // Gives the buffer the next id that no variant holds and stores it in
    // the group under its name. None, and the buffer is dropped, when the group does not exist,
    // already holds a variant of that name, or no id is left.
    Buffer* AddVariant(std::string_view groupName, std::unique_ptr<Buffer> buffer);
    // A variant name removes that variant and returns 1, or 0 when the group
    // or the variant does not exist. An empty variant name removes the whole
    // group and returns how many variants it held.
    int Remove(std::string_view groupName, std::string_view variantName);
    // Drops the old variant and stores the new buffer, id as given, under
    // its own name. False, and the buffer is dropped, when the group does
    // not exist or another of its variants has the new name.
    bool Replace(std::string_view groupName, std::string_view oldVariantName,
                 std::unique_ptr<Buffer> buffer);
    // Moves the group to the new name. False when the old name holds no
    // group or the new name is taken by another group.
    bool RenameGroup(std::string_view oldGroupName, const std::string& newGroupName);

    BufferVariants* FindGroup(std::string_view groupName) const;
    Buffer* FindVariant(std::string_view groupName, std::string_view variantName) const;
    // The first variant of the group, in map order, marked default.
    Buffer* DefaultVariant(std::string_view groupName) const;
    // Variants using the reagent as first or second reagent, each counted
    // once.
    int CountVariantsUsingReagent(std::int32_t reagentId) const;
    std::size_t VariantCount() const;

    // Version 0x10000 (any read), the last id given out, then a count and
    // per group its key and the group as a run-time-typed object. Loading
    // replaces the groups only once all have been read; a null group is a
    // bad format. Both directions clear the modified flag.
    void Serialize(Archive& archive);

    const GroupMap& groups() const noexcept { return groups_; }
    std::int32_t nextId() const noexcept { return nextId_; }
    bool isModified() const noexcept { return isModified_; }
    void clearModified() noexcept { isModified_ = false; }

  private:
    std::int32_t nextId_ = 0;
    bool isModified_ = false;
    GroupMap groups_;
};

}  // namespace solvara
