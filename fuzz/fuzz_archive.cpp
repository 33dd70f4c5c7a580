// Feeds arbitrary bytes to a loading archive and reads a mix of primitives and
// object references chosen by the bytes themselves. Anything but an
// ArchiveError escaping, a crash, a hang or an oversized allocation is a bug.
// Strings and arrays that were read are also written and read back, which
// must give them unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "core/archive/class_registry.h"
#include "core/archive/cobject.h"

namespace {

using solvara::Archive;
using solvara::ArchiveError;
using solvara::ClassInfo;
using solvara::ClassRegistry;
using solvara::CObject;

class FuzzNode : public CObject {
  public:
    static const ClassInfo& staticClassInfo() {
        static const ClassInfo info{"FuzzNode", 1, nullptr, &solvara::createObject<FuzzNode>};
        return info;
    }
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    void Serialize(Archive& archive) override {
        archive.io(value);
        archive.io(label);
        if (archive.IsStoring())
            archive.writeObject(child.get());
        else
            child = archive.readObjectAs<FuzzNode>();
    }

    std::int32_t value = 0;
    std::string label;
    std::shared_ptr<FuzzNode> child;
};

class FuzzLeaf : public FuzzNode {
  public:
    static const ClassInfo& staticClassInfo() {
        static const ClassInfo info{"FuzzLeaf", 1, &FuzzNode::staticClassInfo(),
                                    &solvara::createObject<FuzzLeaf>};
        return info;
    }
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
    void Serialize(Archive& archive) override {
        FuzzNode::Serialize(archive);
        archive.io(samples);
        std::vector<std::shared_ptr<FuzzNode>> siblings;
        archive.ioObjectList(siblings);
    }

    std::vector<double> samples;
};

class UnseekableBuffer : public std::streambuf {
  public:
    explicit UnseekableBuffer(std::string& bytes) {
        setg(bytes.data(), bytes.data(), bytes.data() + bytes.size());
    }
};

template <class Value>
void expectRoundTrip(const Value& read) {
    std::ostringstream out;
    Value copy = read;
    {
        Archive storing(out, "copy");
        storing.io(copy);
        storing.Close();
    }
    std::istringstream in(out.str());
    const ClassRegistry noClasses;
    Archive loading(in, noClasses, "copy");
    Value again;
    loading.io(again);
    if (again != read) std::abort();
}

void readMix(Archive& archive) {
    for (;;) {
        switch (archive.readByte() % 15) {
            case 0:
                archive.readByte();
                break;
            case 1:
                archive.readUInt16();
                break;
            case 2:
                archive.readInt32();
                break;
            case 3:
                archive.readDouble();
                break;
            case 4:
                expectRoundTrip(archive.readString());
                break;
            case 5:
                archive.readCount(archive.readByte() % 9);
                break;
            case 6: {
                std::vector<char> raw(archive.readUInt16());
                archive.readRaw(raw.data(), raw.size());
                break;
            }
            case 7: {
                std::vector<std::int32_t> values;
                archive.io(values);
                expectRoundTrip(values);
                break;
            }
            case 8: {
                std::vector<double> values;
                archive.io(values);
                // Compare bytes, not values: NaN is not equal to itself.
                std::string bytes(values.size() * sizeof(double), '\0');
                if (!values.empty()) std::memcpy(bytes.data(), values.data(), bytes.size());
                expectRoundTrip(bytes);
                break;
            }
            case 9: {
                bool flag = false;
                archive.ioBool(flag);
                break;
            }
            case 10:
                archive.readObject();
                break;
            case 11:
                archive.readObjectAs<FuzzNode>();
                break;
            case 12:
                archive.readObjectAs<FuzzLeaf>();
                break;
            case 13: {
                std::vector<std::shared_ptr<FuzzNode>> nodes;
                archive.ioObjectList(nodes);
                break;
            }
            case 14:
                archive.Close();
                break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    ClassRegistry registry;
    registry.add(FuzzNode::staticClassInfo());
    registry.add(FuzzLeaf::staticClassInfo());
    // The first byte chooses a stream whose size the archive can measure or one it cannot.
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        if (data[0] & 1) {
            std::istringstream in(bytes);
            Archive archive(in, registry, "fuzz.dat");
            readMix(archive);
        } else {
            UnseekableBuffer buffer(bytes);
            std::istream in(&buffer);
            Archive archive(in, registry, "fuzz.dat");
            readMix(archive);
        }
    } catch (const ArchiveError&) {
    }
    return 0;
}
