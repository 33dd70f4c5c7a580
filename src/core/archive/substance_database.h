#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/archive/archive.h"
#include "core/archive/free_id.h"
#include "core/archive/position_index.h"

namespace solvara {

// What the acid, reagent and inert salt databases share: an ordered list of
// owned elements addressed by position, each with an id unique in the
// database, lookups by name and by id, the last id given out and the
// modified flag.
//
// Indexes: inserting an element stores its keys, so until the next rebuild a
// shared key names the newest element. A rebuild walks the list from the last
// position down to the first, so afterwards a shared key names the lowest
// position. Derived databases add their own keys through clearKeys and
// storeKeys, which take part in both.
template <class T>
class SubstanceDatabase {
  public:
    SubstanceDatabase(const SubstanceDatabase&) = delete;
    SubstanceDatabase& operator=(const SubstanceDatabase&) = delete;
    virtual ~SubstanceDatabase() = default;

    int Count() const noexcept { return static_cast<int>(elements_.size()); }
    // 0 <= position < Count().
    T& At(int position) { return *elements_.at(static_cast<std::size_t>(position)); }
    const T& At(int position) const { return *elements_.at(static_cast<std::size_t>(position)); }

    T* FindById(std::int32_t id) { return elementAt(idIndex_.find(id)); }
    const T* FindById(std::int32_t id) const { return elementAt(idIndex_.find(id)); }
    T* FindByName(std::string_view name) { return elementAt(nameIndex_.find(name)); }
    const T* FindByName(std::string_view name) const { return elementAt(nameIndex_.find(name)); }

    // Destroys the element with this id; later elements move down one
    // position. An id that is not in the database changes nothing.
    void Remove(std::int32_t id) {
        const int position = idIndex_.find(id);
        if (position == PositionIndex<std::int32_t>::kNone) return;
        elements_.erase(elements_.begin() + position);
        rebuildIndexes();
        isModified_ = true;
    }

    // Destroys every element; the last id given out is kept, so no id returns.
    void Clear() {
        elements_.clear();
        clearIndexes();
    }

    std::int32_t nextId() const noexcept { return nextId_; }
    bool isModified() const noexcept { return isModified_; }
    void clearModified() noexcept { isModified_ = false; }

    // Version, last id given out, then the elements as object references.
    // Loading replaces the content only once every element has been read, so
    // a damaged stream leaves the database as it was; a list that holds a
    // null reference is a bad format. Both directions clear the modified flag.
    void Serialize(Archive& archive) {
        std::int32_t version = kRecordVersion;
        archive.io(version);
        if (archive.IsStoring()) {
            archive.io(nextId_);
            archive.writeCount(elements_.size());
            for (const std::unique_ptr<T>& element : elements_) archive.writeObject(element.get());
        } else {
            load(archive);
        }
        isModified_ = false;
    }

  protected:
    SubstanceDatabase() = default;

    virtual void clearKeys() = 0;
    virtual void storeKeys(const T& element, int position) = 0;

    // The next id after the last one given out that no element holds, or none when the ids
    // have run out.
    std::optional<std::int32_t> issueId() {
        const std::optional<std::int32_t> id = firstFreeIdAfter(
            nextId_, [this](std::int32_t candidate) { return FindById(candidate) != nullptr; });
        if (id) nextId_ = *id;
        return id;
    }

    // Appends an element and stores its keys.
    T& append(std::unique_ptr<T> element) {
        const int position = Count();
        elements_.push_back(std::move(element));
        T& stored = *elements_.back();
        storeCommonKeys(stored, position);
        storeKeys(stored, position);
        isModified_ = true;
        return stored;
    }

    void rebuildIndexes() {
        clearIndexes();
        for (int position = Count() - 1; position >= 0; --position) {
            const T& element = At(position);
            storeCommonKeys(element, position);
            storeKeys(element, position);
        }
    }

    void markModified() noexcept { isModified_ = true; }

    // Makes this database an exact copy of `other`: copies of its elements in its order, its
    // last id given out; then it counts as modified. Editors work on such a copy and copy it
    // back only when the user accepts, so a cancelled edit leaves nothing behind.
    void copyContentFrom(const SubstanceDatabase& other) {
        if (&other == this) return;
        std::vector<std::unique_ptr<T>> copies;
        copies.reserve(other.elements_.size());
        for (const std::unique_ptr<T>& element : other.elements_)
            copies.push_back(std::make_unique<T>(*element));
        elements_ = std::move(copies);
        nextId_ = other.nextId_;
        rebuildIndexes();
        isModified_ = true;
    }

    // The element at a position an index gave, none for kNone.
    T* elementAt(int position) const {
        return position == PositionIndex<std::int32_t>::kNone
                   ? nullptr
                   : elements_[static_cast<std::size_t>(position)].get();
    }

    std::vector<std::unique_ptr<T>> elements_;
    PositionIndex<std::string> nameIndex_;
    PositionIndex<std::int32_t> idIndex_;

  private:
    static constexpr std::int32_t kRecordVersion = 0x00010000;

    void storeCommonKeys(const T& element, int position) {
        nameIndex_.store(element.name, position);
        idIndex_.store(element.id, position);
    }

    void clearIndexes() {
        nameIndex_.clear();
        idIndex_.clear();
        clearKeys();
    }

    void load(Archive& archive) {
        std::int32_t storedNextId = 0;
        archive.io(storedNextId);
        constexpr std::size_t kReferenceBytes = 2;
        const std::size_t count = archive.readCount(kReferenceBytes);
        std::vector<std::unique_ptr<T>> loaded;
        for (std::size_t i = 0; i < count; ++i) {
            const std::shared_ptr<T> element = archive.readObjectAs<T>();
            if (element == nullptr)
                throw ArchiveError(ArchiveErrorKind::badIndex, archive.fileName());
            // A copy: a stream may refer to one record twice, and two
            // positions must never share an element.
            loaded.push_back(std::make_unique<T>(*element));
        }
        elements_ = std::move(loaded);
        // Kept as stored, even below an id in use (a document's acid copies
        // keep the ids of the program's acids): issueId skips ids in use.
        nextId_ = storedNextId;
        rebuildIndexes();
    }

    std::int32_t nextId_ = 0;
    bool isModified_ = false;
};

}  // namespace solvara
