// The element table's record in the database file.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/archive/archive.h"
#include "core/chemistry/element_table.h"

namespace solvara {

namespace {

// The current format ends with the marker; the first one had no electron at position 0.
constexpr std::int32_t kVersionWithMarker = 0x20000;
constexpr std::int32_t kVersionWithoutElectron = 0x10000;
constexpr std::string_view kEndMarker = "Database EOF";

// Three empty strings, a double and an int.
constexpr std::size_t kSmallestElementRecord = 3 + 8 + 4;

}  // namespace

void ElementTable::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.writeInt32(kVersionWithMarker);
        archive.writeInt32(count_);
        archive.writeCount(entries_.size());
        for (Element& entry : entries_) entry.Serialize(archive);
        archive.writeString(kEndMarker);
        modified_ = false;
        return;
    }

    const std::int32_t version = archive.readInt32();
    int count = archive.readInt32();
    const std::size_t arraySize = archive.readCount(kSmallestElementRecord);
    std::vector<Element> entries;
    // Appending keeps a stream of unknown size from making us allocate for entries it lacks.
    for (std::size_t i = 0; i < arraySize; ++i) entries.emplace_back().Serialize(archive);
    if (count < 0 || static_cast<std::size_t>(count) > entries.size()) {
        throw ArchiveError(ArchiveErrorKind::badIndex, archive.fileName());
    }
    if (version == kVersionWithoutElectron) {
        entries.insert(entries.begin(), Element{"e", "", "", 0.0, 0});
        ++count;
    }
    entries_ = std::move(entries);
    count_ = count;
    rebuildIndex();
    complete_ = version != kVersionWithMarker || archive.readString() == kEndMarker;
    modified_ = false;
}

}  // namespace solvara
