// Object references: tags that say "null", "an object seen before", "a new
// object of a class seen before" or "a new class, then a new object of it".
#include "core/archive/archive.h"

namespace solvara {

namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kEscapeTag = 0x7FFF;  // a 32-bit index follows
constexpr std::uint16_t kClassTag = 0x8000;   // marks a 16-bit class index
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;  // marks a 32-bit class index
constexpr std::uint32_t kMaxIndex = 0x7FFFFFFF;

// Real records nest objects only a few levels deep; a hostile stream could
// nest them until the stack overflows.
constexpr int kMaxObjectNesting = 256;

class NestingLevel {
  public:
    explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
    ~NestingLevel() { --depth_; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;

  private:
    int& depth_;
};

}  // namespace

std::uint32_t Archive::takeIndex() {
    if (nextIndex_ > kMaxIndex) fail(ArchiveErrorKind::generic);
    return nextIndex_++;
}

void Archive::writeTaggedIndex(std::uint32_t index, bool isClass) {
    if (index < kEscapeTag) {
        writeUInt16(static_cast<std::uint16_t>(isClass ? (kClassTag | index) : index));
    } else {
        writeUInt16(kEscapeTag);
        writeUInt32(isClass ? (kBigClassTag | index) : index);
    }
}

void Archive::writeClassReference(const ClassInfo& info) {
    if (info.schema == kNotSerializableSchema) fail(ArchiveErrorKind::badSchema);
    if (const auto known = storedClasses_.find(&info); known != storedClasses_.end()) {
        writeTaggedIndex(known->second, true);
        return;
    }
    if (info.name.size() > 0xFFFF) fail(ArchiveErrorKind::generic);
    writeUInt16(kNewClassTag);
    writeUInt16(info.schema);
    writeUInt16(static_cast<std::uint16_t>(info.name.size()));
    writeRaw(info.name.data(), info.name.size());
    storedClasses_.emplace(&info, takeIndex());
}

void Archive::writeObject(const CObject* object) {
    requireStoring();
    if (object == nullptr) {
        writeUInt16(kNullTag);
        return;
    }
    if (const auto known = storedObjects_.find(object); known != storedObjects_.end()) {
        writeTaggedIndex(known->second, false);
        return;
    }
    writeClassReference(object->classInfo());
    storedObjects_.emplace(object, takeIndex());
    // Serialize reads and writes through one function, hence not const; when
    // storing it leaves the object unchanged.
    const_cast<CObject*>(object)->Serialize(*this);
}

const ClassInfo& Archive::readClassDescription() {
    const std::uint16_t schema = readUInt16();
    const std::uint16_t nameLength = readUInt16();
    const std::string name = readBytes(nameLength);
    const ClassInfo* info = registry_->find(name);
    if (info == nullptr) fail(ArchiveErrorKind::badClass);
    if (schema != info->schema || schema == kNotSerializableSchema)
        fail(ArchiveErrorKind::badSchema);
    loaded_.push_back({info, nullptr, false});
    return *info;
}

const ClassInfo& Archive::loadedClass(std::uint32_t index) const {
    if (index >= loaded_.size() || loaded_[index].classDescription == nullptr)
        fail(ArchiveErrorKind::badIndex);
    return *loaded_[index].classDescription;
}

std::shared_ptr<CObject> Archive::loadedObject(std::uint32_t index,
                                               const ClassInfo* expected) const {
    if (index == 0) return nullptr;
    if (index >= loaded_.size() || !loaded_[index].complete) fail(ArchiveErrorKind::badIndex);
    const std::shared_ptr<CObject>& object = loaded_[index].object;
    if (expected != nullptr && !object->classInfo().derivesFrom(*expected))
        fail(ArchiveErrorKind::badClass);
    return object;
}

std::shared_ptr<CObject> Archive::readObject(const ClassInfo* expected) {
    requireLoading();
    const std::uint16_t tag = readUInt16();
    // A 16-bit tag carries the class mark in its top bit, a 32-bit one in bit 31.
    const std::uint32_t reference = tag == kEscapeTag
                                        ? readUInt32()
                                        : static_cast<std::uint32_t>(tag & 0x7FFF) |
                                              static_cast<std::uint32_t>(tag & kClassTag) << 16;
    if ((reference & kBigClassTag) == 0) return loadedObject(reference, expected);

    const ClassInfo& info =
        tag == kNewClassTag ? readClassDescription() : loadedClass(reference & ~kBigClassTag);
    if (expected != nullptr && !info.derivesFrom(*expected)) fail(ArchiveErrorKind::badClass);
    if (info.create == nullptr) fail(ArchiveErrorKind::badClass);
    if (objectNesting_ >= kMaxObjectNesting) fail(ArchiveErrorKind::generic);
    const NestingLevel level(objectNesting_);

    std::shared_ptr<CObject> object = info.create();
    const std::size_t index = loaded_.size();
    loaded_.push_back({nullptr, object, false});
    object->Serialize(*this);
    loaded_[index].complete = true;
    return object;
}

}  // namespace solvara
