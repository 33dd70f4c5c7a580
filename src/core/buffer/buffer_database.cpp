#include "core/buffer/buffer_database.h"

#include <algorithm>
#include <optional>
#include <unordered_set>
#include <utility>

#include "core/archive/archive.h"
#include "core/archive/free_id.h"

namespace solvara {

namespace {

constexpr std::int32_t kRecordVersion = 0x00010000;

}  // namespace

BufferVariants& BufferDatabase::AddGroup(const std::string& groupName) {
    auto [position, inserted] = groups_.try_emplace(groupName);
    if (inserted) {
        position->second = std::make_unique<BufferVariants>(groupName);
        isModified_ = true;
    }
    return *position->second;
}

Buffer* BufferDatabase::AddVariant(std::string_view groupName, std::unique_ptr<Buffer> buffer) {
    BufferVariants* group = FindGroup(groupName);
    if (buffer == nullptr || group == nullptr || group->variants.contains(buffer->name))
        return nullptr;
    std::unordered_set<std::int32_t> idsInUse;
    for (const auto& [key, other] : groups_) {
        for (const auto& [name, variant] : other->variants) idsInUse.insert(variant->id);
    }
    const std::optional<std::int32_t> id = firstFreeIdAfter(
        nextId_, [&idsInUse](std::int32_t candidate) { return idsInUse.contains(candidate); });
    if (!id) return nullptr;
    nextId_ = *id;
    buffer->id = *id;
    Buffer& stored = *buffer;
    group->variants.emplace(buffer->name, std::move(buffer));
    isModified_ = true;
    return &stored;
}

int BufferDatabase::Remove(std::string_view groupName, std::string_view variantName) {
    const auto group = groups_.find(groupName);
    if (group == groups_.end()) return 0;
    int removed = 0;
    if (variantName.empty()) {
        removed = static_cast<int>(group->second->variants.size());
        groups_.erase(group);
    } else {
        BufferVariants::VariantMap& variants = group->second->variants;
        const auto variant = variants.find(variantName);
        if (variant == variants.end()) return 0;
        variants.erase(variant);
        removed = 1;
    }
    isModified_ = true;
    return removed;
}

bool BufferDatabase::Replace(std::string_view groupName, std::string_view oldVariantName,
                             std::unique_ptr<Buffer> buffer) {
    BufferVariants* group = FindGroup(groupName);
    if (buffer == nullptr || group == nullptr) return false;
    BufferVariants::VariantMap& variants = group->variants;
    if (buffer->name != oldVariantName && variants.contains(buffer->name)) return false;
    if (const auto old = variants.find(oldVariantName); old != variants.end()) variants.erase(old);
    variants.emplace(buffer->name, std::move(buffer));
    isModified_ = true;
    return true;
}

bool BufferDatabase::RenameGroup(std::string_view oldGroupName, const std::string& newGroupName) {
    const auto old = groups_.find(oldGroupName);
    if (old == groups_.end()) return false;
    if (old->first == newGroupName) return true;
    if (groups_.contains(newGroupName)) return false;
    auto node = groups_.extract(old);
    node.key() = newGroupName;
    node.mapped()->name = newGroupName;
    groups_.insert(std::move(node));
    isModified_ = true;
    return true;
}

BufferVariants* BufferDatabase::FindGroup(std::string_view groupName) const {
    const auto group = groups_.find(groupName);
    return group == groups_.end() ? nullptr : group->second.get();
}

Buffer* BufferDatabase::FindVariant(std::string_view groupName,
                                    std::string_view variantName) const {
    const BufferVariants* group = FindGroup(groupName);
    if (group == nullptr) return nullptr;
    const auto variant = group->variants.find(variantName);
    return variant == group->variants.end() ? nullptr : variant->second.get();
}

Buffer* BufferDatabase::DefaultVariant(std::string_view groupName) const {
    const BufferVariants* group = FindGroup(groupName);
    if (group == nullptr) return nullptr;
    for (const auto& [key, buffer] : group->variants) {
        if (buffer->isDefaultVariant) return buffer.get();
    }
    return nullptr;
}

int BufferDatabase::CountVariantsUsingReagent(std::int32_t reagentId) const {
    int count = 0;
    for (const auto& [groupName, group] : groups_) {
        count += static_cast<int>(std::count_if(
            group->variants.begin(), group->variants.end(), [reagentId](const auto& entry) {
                return entry.second->firstReagentId == reagentId ||
                       entry.second->secondReagentId == reagentId;
            }));
    }
    return count;
}

std::size_t BufferDatabase::VariantCount() const {
    std::size_t count = 0;
    for (const auto& [groupName, group] : groups_) count += group->variants.size();
    return count;
}

void BufferDatabase::Serialize(Archive& archive) {
    std::int32_t version = kRecordVersion;
    archive.io(version);
    std::int32_t storedNextId = nextId_;
    archive.io(storedNextId);
    archive.ioObjectMap(groups_);
    // Kept as stored, even below an id in use: AddVariant skips ids in use.
    if (archive.IsLoading()) nextId_ = storedNextId;
    isModified_ = false;
}

}  // namespace solvara
