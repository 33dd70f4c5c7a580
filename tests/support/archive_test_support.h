#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>

#include "core/archive/archive.h"
#include "core/archive/class_registry.h"
#include "core/archive/cobject.h"

namespace solvara::testing {

inline constexpr const char* kTestFileName = "test.dat";

// "03 48 43 6C" -> the four bytes.
inline std::string hexBytes(std::string_view hex) {
    std::string bytes;
    std::istringstream in{std::string(hex)};
    unsigned value = 0;
    while (in >> std::hex >> value) bytes.push_back(static_cast<char>(value));
    return bytes;
}

// The bytes a storing archive produces.
inline std::string store(const std::function<void(Archive&)>& write) {
    std::ostringstream out;
    Archive archive(out, kTestFileName);
    write(archive);
    archive.Close();
    return out.str();
}

// A read-only stream over fixed bytes that cannot seek, so a loading archive
// cannot learn its size in advance.
class UnseekableBuffer : public std::streambuf {
  public:
    explicit UnseekableBuffer(std::string bytes) : bytes_(std::move(bytes)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

  private:
    std::string bytes_;
};

// A tiny persistent class that stands in for an acid: a 32-bit value.
class TestAcid : public CObject {
  public:
    TestAcid() = default;
    explicit TestAcid(std::int32_t initial) : value(initial) {}
    static const ClassInfo& staticClassInfo() {
        static const ClassInfo info{"BLAcid", 1, nullptr, &createObject<TestAcid>};
        return info;
    }
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    void Serialize(Archive& archive) override { archive.io(value); }

    std::int32_t value = 0;
};

// Derived from TestAcid, with a reference to another object.
class TestLinkedAcid : public TestAcid {
  public:
    static const ClassInfo& staticClassInfo() {
        static const ClassInfo info{"LinkedAcid", 1, &TestAcid::staticClassInfo(),
                                    &createObject<TestLinkedAcid>};
        return info;
    }
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    void Serialize(Archive& archive) override {
        TestAcid::Serialize(archive);
        if (archive.IsStoring())
            archive.writeObject(link.get());
        else
            link = archive.readObject();
    }

    std::shared_ptr<CObject> link;
};

// A class that must never be written.
class TestTransient : public CObject {
  public:
    static const ClassInfo& staticClassInfo() {
        static const ClassInfo info{"Transient", kNotSerializableSchema, nullptr, nullptr};
        return info;
    }
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    void Serialize(Archive&) override {}
};

inline ClassRegistry testRegistry() {
    ClassRegistry registry;
    registry.add(TestAcid::staticClassInfo());
    registry.add(TestLinkedAcid::staticClassInfo());
    return registry;
}

enum class StreamKind { seekable, unseekable };

// A loading archive over fixed bytes, with the test classes registered.
struct Loader {
    explicit Loader(const std::string& bytes, StreamKind kind = StreamKind::seekable)
        : registry(testRegistry()),
          seekableStream(bytes),
          unseekableBuffer(bytes),
          unseekableStream(&unseekableBuffer),
          archive(kind == StreamKind::seekable ? static_cast<std::istream&>(seekableStream)
                                               : unseekableStream,
                  registry, kTestFileName) {}

    ClassRegistry registry;
    std::istringstream seekableStream;
    UnseekableBuffer unseekableBuffer;
    std::istream unseekableStream;
    Archive archive;
};

// The kind of the archive error `read` raises; a test failure when it raises none.
template <class Read>
ArchiveErrorKind errorKindOf(Read read) {
    try {
        read();
    } catch (const ArchiveError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no archive error";
    return ArchiveErrorKind::generic;
}

}  // namespace solvara::testing
