#include "core/archive/archive.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

#include "core/text/windows1252.h"

namespace solvara {

// Integer and double arrays travel as raw memory blocks, which is the stream's
// little-endian IEEE layout only on such machines.
static_assert(std::endian::native == std::endian::little);
static_assert(std::numeric_limits<double>::is_iec559);

namespace {

// Long items of a stream of unknown size are read in pieces of this many bytes,
// so that a lying length costs little more memory than the data really there.
// A measured stream has already vouched for the length: it is read in one go.
constexpr std::size_t kGrowthStep = 64 * 1024;

constexpr std::uint8_t kLongStringMark = 0xFF;
constexpr std::uint16_t kWideStringMark = 0xFFFE;
constexpr std::uint16_t kCountEscape = 0xFFFF;

template <class Unsigned>
std::array<unsigned char, sizeof(Unsigned)> toLittleEndian(Unsigned value) {
    std::array<unsigned char, sizeof(Unsigned)> bytes{};
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
    return bytes;
}

template <class Unsigned>
Unsigned fromLittleEndian(const std::array<unsigned char, sizeof(Unsigned)>& bytes) {
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
        value = static_cast<Unsigned>(
            value | static_cast<Unsigned>(static_cast<Unsigned>(bytes[i]) << (8 * i)));
    }
    return value;
}

// The number of bytes between the read position and the end, or nothing when
// the stream cannot seek.
std::optional<std::uint64_t> measureRemaining(std::istream& in) {
    const std::istream::pos_type start = in.tellg();
    if (start == std::istream::pos_type(-1)) {
        in.clear();
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::istream::pos_type stop = in.tellg();
    in.clear();
    in.seekg(start);
    if (stop == std::istream::pos_type(-1) || stop < start || !in) {
        in.clear();
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(stop - start);
}

}  // namespace

Archive::Archive(std::ostream& out, std::string fileName)
    : out_(&out), fileName_(std::move(fileName)) {}

Archive::Archive(std::istream& in, const ClassRegistry& registry, std::string fileName)
    : in_(&in),
      registry_(&registry),
      fileName_(std::move(fileName)),
      unreadInStream_(measureRemaining(in)) {}

Archive::~Archive() {
    if (!IsStoring() || closed_) return;
    try {
        flushBuffer();
        out_->flush();
    } catch (...) {
        // A destructor must not throw; Close() is the way to see the failure.
    }
}

void Archive::Close() {
    if (closed_) return;
    closed_ = true;
    if (!IsStoring()) return;
    flushBuffer();
    if (!out_->flush()) fail(ArchiveErrorKind::generic);
}

void Archive::fail(ArchiveErrorKind kind) const { throw ArchiveError(kind, fileName_); }

void Archive::requireStoring() const {
    if (!IsStoring()) fail(ArchiveErrorKind::readOnly);
    if (closed_) fail(ArchiveErrorKind::generic);
}

void Archive::requireLoading() const {
    if (!IsLoading()) fail(ArchiveErrorKind::writeOnly);
    if (closed_) fail(ArchiveErrorKind::generic);
}

// ---- buffering -------------------------------------------------------------

void Archive::put(const void* data, std::size_t size) {
    if (size == 0) return;
    const auto* bytes = static_cast<const char*>(data);
    if (size > kBufferSize - position_) {
        flushBuffer();
        if (size >= kBufferSize) {
            if (!out_->write(bytes, static_cast<std::streamsize>(size)))
                fail(ArchiveErrorKind::generic);
            return;
        }
    }
    std::memcpy(buffer_.data() + position_, bytes, size);
    position_ += size;
}

void Archive::flushBuffer() {
    if (position_ == 0) return;
    const auto held = static_cast<std::streamsize>(position_);
    position_ = 0;
    if (!out_->write(buffer_.data(), held)) fail(ArchiveErrorKind::generic);
}

void Archive::get(void* data, std::size_t size) {
    if (size == 0) return;
    requireAvailable(size);
    auto* bytes = static_cast<char*>(data);
    const std::size_t buffered = std::min(size, end_ - position_);
    std::memcpy(bytes, buffer_.data() + position_, buffered);
    position_ += buffered;
    bytes += buffered;
    size -= buffered;
    if (size == 0) return;
    if (size >= kBufferSize) {
        readFromStream(bytes, size);
        return;
    }
    refillBuffer();
    if (end_ < size) fail(ArchiveErrorKind::endOfFile);
    std::memcpy(bytes, buffer_.data(), size);
    position_ = size;
}

void Archive::refillBuffer() {
    std::size_t wanted = kBufferSize;
    if (unreadInStream_)
        wanted = static_cast<std::size_t>(std::min<std::uint64_t>(wanted, *unreadInStream_));
    in_->read(buffer_.data(), static_cast<std::streamsize>(wanted));
    position_ = 0;
    end_ = static_cast<std::size_t>(in_->gcount());
    if (unreadInStream_) *unreadInStream_ -= end_;
}

void Archive::readFromStream(char* data, std::size_t size) {
    in_->read(data, static_cast<std::streamsize>(size));
    const auto received = static_cast<std::size_t>(in_->gcount());
    if (unreadInStream_) *unreadInStream_ -= received;
    if (received < size) fail(ArchiveErrorKind::endOfFile);
}

std::optional<std::uint64_t> Archive::bytesAvailable() const {
    if (!unreadInStream_) return std::nullopt;
    return *unreadInStream_ + (end_ - position_);
}

void Archive::requireAvailable(std::uint64_t size) const {
    const std::optional<std::uint64_t> available = bytesAvailable();
    if (available && size > *available) fail(ArchiveErrorKind::endOfFile);
}

// ---- primitives ------------------------------------------------------------

void Archive::writeByte(std::uint8_t value) {
    requireStoring();
    put(&value, 1);
}

std::uint8_t Archive::readByte() {
    requireLoading();
    std::uint8_t value = 0;
    get(&value, 1);
    return value;
}

void Archive::writeUInt16(std::uint16_t value) {
    requireStoring();
    put(toLittleEndian(value).data(), sizeof value);
}

std::uint16_t Archive::readUInt16() {
    requireLoading();
    std::array<unsigned char, 2> bytes{};
    get(bytes.data(), bytes.size());
    return fromLittleEndian<std::uint16_t>(bytes);
}

void Archive::writeUInt32(std::uint32_t value) {
    requireStoring();
    put(toLittleEndian(value).data(), sizeof value);
}

std::uint32_t Archive::readUInt32() {
    requireLoading();
    std::array<unsigned char, 4> bytes{};
    get(bytes.data(), bytes.size());
    return fromLittleEndian<std::uint32_t>(bytes);
}

void Archive::writeUInt64(std::uint64_t value) {
    requireStoring();
    put(toLittleEndian(value).data(), sizeof value);
}

std::uint64_t Archive::readUInt64() {
    requireLoading();
    std::array<unsigned char, 8> bytes{};
    get(bytes.data(), bytes.size());
    return fromLittleEndian<std::uint64_t>(bytes);
}

void Archive::writeInt32(std::int32_t value) { writeUInt32(static_cast<std::uint32_t>(value)); }

std::int32_t Archive::readInt32() { return static_cast<std::int32_t>(readUInt32()); }

void Archive::writeDouble(double value) { writeUInt64(std::bit_cast<std::uint64_t>(value)); }

double Archive::readDouble() { return std::bit_cast<double>(readUInt64()); }

void Archive::writeRaw(const void* data, std::size_t size) {
    requireStoring();
    put(data, size);
}

void Archive::readRaw(void* data, std::size_t size) {
    requireLoading();
    get(data, size);
}

// ---- strings and counts ----------------------------------------------------

void Archive::writeString(std::string_view text) {
    const std::size_t length = text.size();
    if (length < kLongStringMark) {
        writeByte(static_cast<std::uint8_t>(length));
    } else {
        writeByte(kLongStringMark);
        // 0xFFFE would read as the wide-string mark, so 2 bytes end at 0xFFFD.
        if (length < kWideStringMark) {
            writeUInt16(static_cast<std::uint16_t>(length));
        } else {
            writeUInt16(0xFFFF);
            if (length < 0xFFFFFFFF) {
                writeUInt32(static_cast<std::uint32_t>(length));
            } else {
                writeUInt32(0xFFFFFFFF);
                writeUInt64(length);
            }
        }
    }
    writeRaw(text.data(), length);
}

Archive::StringLength Archive::readStringLength() {
    const std::uint8_t shortLength = readByte();
    if (shortLength < kLongStringMark) return {shortLength, false};
    std::uint16_t length16 = readUInt16();
    bool wide = false;
    if (length16 == kWideStringMark) {
        wide = true;
        const std::uint8_t wideShortLength = readByte();
        if (wideShortLength < kLongStringMark) return {wideShortLength, true};
        length16 = readUInt16();
    }
    if (length16 < 0xFFFF) return {length16, wide};
    const std::uint32_t length32 = readUInt32();
    if (length32 < 0xFFFFFFFF) return {length32, wide};
    const std::uint64_t length64 = readUInt64();
    if (length64 > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        fail(ArchiveErrorKind::generic);
    }
    return {length64, wide};
}

std::string Archive::readString() {
    const StringLength length = readStringLength();
    if (!length.wide) return readBytes(length.characters);
    const std::string bytes = readBytes(2 * length.characters);
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return utf16ToWindows1252(text);
}

std::string Archive::readBytes(std::uint64_t size) {
    requireLoading();
    requireAvailable(size);
    const std::uint64_t step = bytesAvailable() ? size : kGrowthStep;
    std::string bytes;
    while (bytes.size() < size) {
        const std::size_t start = bytes.size();
        const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(size - start, step));
        bytes.resize(start + piece);
        get(bytes.data() + start, piece);
    }
    return bytes;
}

void Archive::writeCount(std::size_t count) {
    if (count < kCountEscape) {
        writeUInt16(static_cast<std::uint16_t>(count));
        return;
    }
    if (count > std::numeric_limits<std::uint32_t>::max()) fail(ArchiveErrorKind::generic);
    writeUInt16(kCountEscape);
    writeUInt32(static_cast<std::uint32_t>(count));
}

std::size_t Archive::readCount(std::size_t minBytesPerElement) {
    const std::uint16_t count16 = readUInt16();
    const std::uint32_t count = count16 == kCountEscape ? readUInt32() : count16;
    const std::optional<std::uint64_t> available = bytesAvailable();
    if (available && minBytesPerElement > 0 && count > *available / minBytesPerElement) {
        fail(ArchiveErrorKind::endOfFile);
    }
    return count;
}

// ---- symmetric helpers -----------------------------------------------------

void Archive::io(std::int32_t& value) {
    if (IsStoring())
        writeInt32(value);
    else
        value = readInt32();
}

void Archive::io(double& value) {
    if (IsStoring())
        writeDouble(value);
    else
        value = readDouble();
}

void Archive::io(std::string& text) {
    if (IsStoring())
        writeString(text);
    else
        text = readString();
}

void Archive::ioBool(bool& value) {
    if (IsStoring())
        writeInt32(value ? 1 : 0);
    else
        value = readInt32() != 0;
}

template <class Element>
void Archive::ioArray(std::vector<Element>& values) {
    if (IsStoring()) {
        writeCount(values.size());
        writeRaw(values.data(), values.size() * sizeof(Element));
        return;
    }
    const std::size_t count = readCount(sizeof(Element));
    const std::size_t step = bytesAvailable() ? count : kGrowthStep / sizeof(Element);
    values.clear();
    while (values.size() < count) {
        const std::size_t start = values.size();
        const std::size_t piece = std::min(count - start, step);
        values.resize(start + piece);
        readRaw(values.data() + start, piece * sizeof(Element));
    }
}

void Archive::io(std::vector<std::int32_t>& values) { ioArray(values); }

void Archive::io(std::vector<double>& values) { ioArray(values); }

}  // namespace solvara
