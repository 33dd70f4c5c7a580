#include "core/buffer/buffer_database.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/database/archive.h"

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
    if (buffer == nullptr || group == nullptr || group->variants.contains(buffer->name) ||
        nextId_ == std::numeric_limits<std::int32_t>::max())
        return nullptr;
    buffer->id = ++nextId_;
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
    if (archive.IsLoading()) raiseNextIdAbove(storedNextId);
    isModified_ = false;
}

void BufferDatabase::raiseNextIdAbove(std::int32_t storedNextId) {
    // A damaged file whose last id lies below an id in use would make the
    // next variant repeat that id.
    nextId_ = storedNextId;
    for (const auto& [key, group] : groups_) {
        for (const auto& [name, buffer] : group->variants) nextId_ = std::max(nextId_, buffer->id);
    }
}

}  // namespace solvara
