#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/archive/archive_error.h"
#include "core/archive/class_registry.h"
#include "core/archive/cobject.h"

namespace solvara {

class ChemistryModel;

// The byte stream of every file the program writes. An archive is bound to one
// stream and has one direction for its whole life: storing writes, loading
// reads. Numbers are little-endian; items follow each other without padding.
// Every failure raises ArchiveError carrying the file name.
//
// A loading archive never believes a length it reads more than the stream can
// back: when the stream is seekable its size is measured up front and a
// string, array or count claiming more bytes than remain is an end-of-file
// error; when it is not, long items are read in bounded pieces so memory grows
// only with the bytes actually present.
class Archive {
  public:
    static constexpr std::size_t kBufferSize = 4096;

    // A storing archive writing to `out`.
    Archive(std::ostream& out, std::string fileName);
    // A loading archive reading from `in`, creating objects of the classes in `registry`.
    Archive(std::istream& in, const ClassRegistry& registry, std::string fileName);
    // An unclosed storing archive flushes its buffer here, swallowing errors;
    // call Close() to learn whether the data reached the stream.
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsLoading() const noexcept { return in_ != nullptr; }
    bool IsStoring() const noexcept { return out_ != nullptr; }
    const std::string& fileName() const noexcept { return fileName_; }

    // The chemistry whose element table and databases objects created while
    // loading work with (a reagent analyses its formula against them); none
    // unless the reader sets it. The archive only carries it, so it knows the
    // type by name alone.
    void setChemistryModel(ChemistryModel* model) noexcept { chemistryModel_ = model; }
    ChemistryModel* chemistryModel() const noexcept { return chemistryModel_; }

    // Storing: writes out the buffer and flushes the stream. Any use after
    // closing is an error; closing twice is harmless.
    void Close();

    void writeByte(std::uint8_t value);
    std::uint8_t readByte();
    void writeUInt16(std::uint16_t value);
    std::uint16_t readUInt16();
    void writeInt32(std::int32_t value);
    std::int32_t readInt32();
    void writeDouble(double value);
    double readDouble();
    // A length prefix of 1, 3, 7 or 15 bytes, then the bytes. Reading also
    // accepts the UTF-16 form other writers produce and converts it to
    // Windows-1252.
    void writeString(std::string_view text);
    std::string readString();
    // An element count: 2 bytes below 0xFFFF, else 0xFFFF and 4 bytes.
    void writeCount(std::size_t count);
    // `minBytesPerElement` is the least an element of the collection occupies
    // in the stream; on a measured stream a count whose elements cannot fit in
    // the bytes left is an end-of-file error. On an unmeasured stream the count
    // is unchecked, so grow containers while reading rather than sizing them
    // from it.
    std::size_t readCount(std::size_t minBytesPerElement = 1);
    // Bytes as they are; blocks larger than the buffer bypass it.
    void writeRaw(const void* data, std::size_t size);
    void readRaw(void* data, std::size_t size);

    // Write when storing, read when loading, so one Serialize serves both.
    void io(std::int32_t& value);
    void io(double& value);
    void io(std::string& text);
    void io(std::vector<std::int32_t>& values);  // count, then one raw block
    void io(std::vector<double>& values);        // count, then one raw block
    void ioBool(bool& value);                    // a full 32-bit 0 or 1

    // Object references. An object already written to this archive is written
    // again as its index only, so it reads back as one shared object.
    void writeObject(const CObject* object);
    // Reads a reference; null for a null reference. With `expected`, an object
    // of a class that is not `expected` or derived from it is a bad-class error.
    // A reference to an object whose record is still being read is a bad-index
    // error: shared owners pointing back up would form a cycle never freed, and
    // no record of the program refers to an enclosing object.
    std::shared_ptr<CObject> readObject(const ClassInfo* expected = nullptr);
    template <class T>
    std::shared_ptr<T> readObjectAs();
    // A count, then one object reference per element.
    template <class T>
    void ioObjectList(std::vector<std::shared_ptr<T>>& list);
    // A count, then per element its key and an object reference. Loading
    // owns a copy of each object read, since a stream may refer to one object
    // twice; a null reference is a bad index.
    template <class T>
    void ioObjectMap(std::map<std::string, std::unique_ptr<T>, std::less<>>& map);

  private:
    struct StringLength {
        std::uint64_t characters;
        bool wide;
    };
    // One entry of the loading object table: a class description or an object.
    struct LoadedEntry {
        const ClassInfo* classDescription = nullptr;
        std::shared_ptr<CObject> object;
        bool complete = false;  // the object's record has been read
    };

    [[noreturn]] void fail(ArchiveErrorKind kind) const;
    void requireStoring() const;
    void requireLoading() const;

    void put(const void* data, std::size_t size);
    void get(void* data, std::size_t size);
    void flushBuffer();
    void refillBuffer();
    void readFromStream(char* data, std::size_t size);
    std::optional<std::uint64_t> bytesAvailable() const;
    void requireAvailable(std::uint64_t size) const;

    void writeUInt32(std::uint32_t value);
    std::uint32_t readUInt32();
    void writeUInt64(std::uint64_t value);
    std::uint64_t readUInt64();
    StringLength readStringLength();
    std::string readBytes(std::uint64_t size);
    template <class Element>
    void ioArray(std::vector<Element>& values);

    std::uint32_t takeIndex();
    void writeTaggedIndex(std::uint32_t index, bool isClass);
    void writeClassReference(const ClassInfo& info);
    const ClassInfo& readClassDescription();
    const ClassInfo& loadedClass(std::uint32_t index) const;
    std::shared_ptr<CObject> loadedObject(std::uint32_t index, const ClassInfo* expected) const;

    std::ostream* out_ = nullptr;
    std::istream* in_ = nullptr;
    const ClassRegistry* registry_ = nullptr;
    std::string fileName_;
    ChemistryModel* chemistryModel_ = nullptr;
    bool closed_ = false;

    std::array<char, kBufferSize> buffer_{};
    std::size_t position_ = 0;  // storing: bytes held; loading: next byte to hand out
    std::size_t end_ = 0;       // loading: bytes held
    std::optional<std::uint64_t>
        unreadInStream_;  // loading a measured stream: bytes not yet buffered

    // Classes and objects share one index sequence; 0 is the null reference.
    // Storing counts with nextIndex_; loading's next index is loaded_'s size.
    std::uint32_t nextIndex_ = 1;
    std::unordered_map<const CObject*, std::uint32_t> storedObjects_;
    std::unordered_map<const ClassInfo*, std::uint32_t> storedClasses_;
    std::vector<LoadedEntry> loaded_{LoadedEntry{}};
    int objectNesting_ = 0;
};

template <class T>
std::shared_ptr<T> Archive::readObjectAs() {
    std::shared_ptr<CObject> object = readObject(&T::staticClassInfo());
    if (object == nullptr) return nullptr;
    std::shared_ptr<T> typed = std::dynamic_pointer_cast<T>(std::move(object));
    // The class description was accepted, so only a registration naming the
    // wrong base class can bring us here.
    if (typed == nullptr) fail(ArchiveErrorKind::badClass);
    return typed;
}

template <class T>
void Archive::ioObjectList(std::vector<std::shared_ptr<T>>& list) {
    if (IsStoring()) {
        writeCount(list.size());
        for (const std::shared_ptr<T>& element : list) writeObject(element.get());
        return;
    }
    constexpr std::size_t kReferenceBytes = 2;
    const std::size_t count = readCount(kReferenceBytes);
    list.clear();
    // Appending, not resizing, keeps a stream of unknown size from making us
    // allocate for elements it does not hold.
    for (std::size_t i = 0; i < count; ++i) list.push_back(readObjectAs<T>());
}

template <class T>
void Archive::ioObjectMap(std::map<std::string, std::unique_ptr<T>, std::less<>>& map) {
    if (IsStoring()) {
        writeCount(map.size());
        for (const auto& [key, object] : map) {
            writeString(key);
            writeObject(object.get());
        }
        return;
    }
    // A one-byte key length and a two-byte reference at the least.
    constexpr std::size_t kLeastEntryBytes = 3;
    const std::size_t count = readCount(kLeastEntryBytes);
    std::map<std::string, std::unique_ptr<T>, std::less<>> loaded;
    for (std::size_t i = 0; i < count; ++i) {
        std::string key = readString();
        const std::shared_ptr<T> object = readObjectAs<T>();
        if (object == nullptr) fail(ArchiveErrorKind::badIndex);
        loaded.insert_or_assign(std::move(key), std::make_unique<T>(*object));
    }
    map = std::move(loaded);
}

}  // namespace solvara
