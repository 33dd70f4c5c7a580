#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "support/archive_test_support.h"

namespace solvara {
namespace {

using testing::errorKindOf;

using testing::hexBytes;
using testing::Loader;
using testing::store;
using testing::TestAcid;
using testing::TestLinkedAcid;
using testing::TestTransient;

const std::string kAcidClass = hexBytes("FF FF 01 00 06 00") + "BLAcid";

TEST(ArchiveObjects, ListOfTwoAcidsTagsTheClassOnceThenRefersToIt) {
    std::vector<std::shared_ptr<TestAcid>> acids{std::make_shared<TestAcid>(7),
                                                 std::make_shared<TestAcid>(8)};
    const std::string bytes = store([&](Archive& archive) { archive.ioObjectList(acids); });
    EXPECT_EQ(bytes, hexBytes("02 00") + kAcidClass + hexBytes("07 00 00 00  01 80 08 00 00 00"));

    Loader loader(bytes);
    std::vector<std::shared_ptr<TestAcid>> read;
    loader.archive.ioObjectList(read);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->value, 7);
    EXPECT_EQ(read[1]->value, 8);
}

TEST(ArchiveObjects, SameObjectTwiceIsStoredOnceAndReadAsOneObject) {
    const auto acid = std::make_shared<TestAcid>(5);
    const std::shared_ptr<TestAcid> nothing;
    std::vector<std::shared_ptr<TestAcid>> acids{acid, nothing, acid};
    const std::string bytes = store([&](Archive& archive) { archive.ioObjectList(acids); });
    // class 1, object 2, null, then object 2 again by index only
    EXPECT_EQ(bytes, hexBytes("03 00") + kAcidClass + hexBytes("05 00 00 00  00 00  02 00"));

    Loader loader(bytes);
    std::vector<std::shared_ptr<TestAcid>> read;
    loader.archive.ioObjectList(read);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0]->value, 5);
    EXPECT_EQ(read[1], nullptr);
    EXPECT_EQ(read[0], read[2]);
}

TEST(ArchiveObjects, IndexesAreSharedAcrossTheWholeArchive) {
    auto first = std::make_shared<TestAcid>(1);
    auto linked = std::make_shared<TestLinkedAcid>();
    linked->value = 2;
    linked->link = first;
    const std::string bytes = store([&](Archive& archive) {
        archive.writeObject(first.get());
        archive.writeInt32(99);
        archive.writeObject(linked.get());
    });

    Loader loader(bytes);
    const auto readFirst = loader.archive.readObjectAs<TestAcid>();
    EXPECT_EQ(loader.archive.readInt32(), 99);
    const auto readLinked = loader.archive.readObjectAs<TestLinkedAcid>();
    EXPECT_EQ(readLinked->value, 2);
    EXPECT_EQ(readLinked->link, readFirst);
}

// Past index 0x7FFE a reference no longer fits in 15 bits and is escaped as
// 0x7FFF followed by 32 bits.
TEST(ArchiveObjects, LargeIndexesAreEscaped) {
    std::vector<std::shared_ptr<TestAcid>> many;
    for (std::int32_t i = 0; i < 0x7FFF; ++i)
        many.push_back(std::make_shared<TestAcid>(i));  // indexes 2..0x8000
    auto lateA = std::make_shared<TestLinkedAcid>();    // class 0x8001, object 0x8002
    auto lateB = std::make_shared<TestLinkedAcid>();    // object 0x8003, linked to the first acid
    lateB->link = many.front();
    const std::string bytes = store([&](Archive& archive) {
        archive.ioObjectList(many);
        archive.writeObject(lateA.get());
        archive.writeObject(lateB.get());
        archive.writeObject(lateA.get());
    });
    const std::string tail = hexBytes(
        "FF FF 01 00 0A 00 4C 69 6E 6B 65 64 41 63 69 64  00 00 00 00  00 00 "  // class LinkedAcid,
                                                                                // lateA
        "FF 7F 01 80 00 80  00 00 00 00  02 00 "  // lateB by big class index
        "FF 7F 02 80 00 00");                     // lateA by big object index
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    Loader loader(bytes);
    std::vector<std::shared_ptr<TestAcid>> readMany;
    loader.archive.ioObjectList(readMany);
    const auto readA = loader.archive.readObjectAs<TestLinkedAcid>();
    const auto readB = loader.archive.readObjectAs<TestLinkedAcid>();
    EXPECT_EQ(loader.archive.readObject(), readA);
    EXPECT_EQ(readB->link, readMany.front());
    EXPECT_EQ(readMany.back()->value, 0x7FFE);
}

TEST(ArchiveObjects, ExpectedBaseClassAcceptsDerivedObjects) {
    TestLinkedAcid linked;
    Loader loader(store([&](Archive& archive) { archive.writeObject(&linked); }));
    const std::shared_ptr<TestAcid> read = loader.archive.readObjectAs<TestAcid>();
    EXPECT_NE(std::dynamic_pointer_cast<TestLinkedAcid>(read), nullptr);
}

TEST(ArchiveObjects, RegistryListsEveryClassOnceByName) {
    ClassRegistry registry = testing::testRegistry();
    registry.add(TestAcid::staticClassInfo());  // again: nothing changes
    EXPECT_EQ(registry.all(), (std::vector<const ClassInfo*>{&TestAcid::staticClassInfo(),
                                                             &TestLinkedAcid::staticClassInfo()}));
}

TEST(ArchiveObjects, ClassThatCannotBeSerializedIsNeverWritten) {
    TestTransient transient;
    std::ostringstream out;
    Archive archive(out, "t.dat");
    EXPECT_EQ(errorKindOf([&] { archive.writeObject(&transient); }), ArchiveErrorKind::badSchema);
}

struct BadStreamCase {
    const char* name;
    std::string bytes;
    ArchiveErrorKind kind;
    friend void PrintTo(const BadStreamCase& c, std::ostream* out) { *out << c.name; }
};

class BadObjectStream : public ::testing::TestWithParam<BadStreamCase> {};

// Each stream holds one good acid (class 1, object 2) and then the reference
// under test, read with TestLinkedAcid expected when the name says so.
TEST_P(BadObjectStream, IsRefusedWithItsKind) {
    Loader loader(kAcidClass + hexBytes("01 00 00 00") + GetParam().bytes);
    ASSERT_NE(loader.archive.readObject(), nullptr);
    const bool expectLinked = std::string(GetParam().name).starts_with("Expected");
    EXPECT_EQ(errorKindOf([&] {
                  if (expectLinked)
                      loader.archive.readObjectAs<TestLinkedAcid>();
                  else
                      loader.archive.readObject();
              }),
              GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadObjectStream,
    ::testing::Values(
        BadStreamCase{"ObjectIndexNotAssigned", hexBytes("03 00"), ArchiveErrorKind::badIndex},
        BadStreamCase{"ObjectIndexNamingAClass", hexBytes("01 00"), ArchiveErrorKind::badIndex},
        BadStreamCase{"EscapedObjectIndexNotAssigned", hexBytes("FF 7F 00 00 01 00"),
                      ArchiveErrorKind::badIndex},
        BadStreamCase{"ClassIndexNamingAnObject", hexBytes("02 80 00 00 00 00"),
                      ArchiveErrorKind::badIndex},
        BadStreamCase{"ClassIndexNotAssigned", hexBytes("05 80"), ArchiveErrorKind::badIndex},
        BadStreamCase{"EscapedClassIndexZero", hexBytes("FF 7F 00 00 00 80"),
                      ArchiveErrorKind::badIndex},
        BadStreamCase{"UnknownClassName", hexBytes("FF FF 01 00 04 00") + "Salt",
                      ArchiveErrorKind::badClass},
        BadStreamCase{"OtherSchema", hexBytes("FF FF 02 00 0A 00") + "LinkedAcid",
                      ArchiveErrorKind::badSchema},
        BadStreamCase{"ExpectedLinkedGotNewAcid", hexBytes("01 80 00 00 00 00"),
                      ArchiveErrorKind::badClass},
        BadStreamCase{"ExpectedLinkedGotEarlierAcid", hexBytes("02 00"),
                      ArchiveErrorKind::badClass},
        BadStreamCase{"ClassNameCutShort", hexBytes("FF FF 01 00 0A 00") + "Link",
                      ArchiveErrorKind::endOfFile}),
    [](const ::testing::TestParamInfo<BadStreamCase>& param) {
        return std::string(param.param.name);
    });

// An object that refers to itself, or to the object enclosing it, would never
// be freed; the program never writes such records, so they are refused.
TEST(ArchiveObjects, ReferenceToAnObjectStillBeingReadIsRefused) {
    const std::string linkedClass = hexBytes("FF FF 01 00 0A 00") + "LinkedAcid";
    Loader loader(linkedClass + hexBytes("01 00 00 00  02 00"));
    EXPECT_EQ(errorKindOf([&] { loader.archive.readObject(); }), ArchiveErrorKind::badIndex);
}

TEST(ArchiveObjects, DeepNestingIsRefusedInsteadOfExhaustingTheStack) {
    const auto chainOf = [](int depth) {
        std::string bytes = hexBytes("FF FF 01 00 0A 00") + "LinkedAcid" + hexBytes("00 00 00 00");
        for (int i = 1; i < depth; ++i) bytes += hexBytes("01 80 00 00 00 00");
        return bytes + hexBytes("00 00");
    };
    Loader shallow(chainOf(100));
    auto object = shallow.archive.readObjectAs<TestLinkedAcid>();
    int depth = 0;
    for (; object != nullptr; ++depth)
        object = std::static_pointer_cast<TestLinkedAcid>(object->link);
    EXPECT_EQ(depth, 100);

    Loader deep(chainOf(100000));
    EXPECT_EQ(errorKindOf([&] { deep.archive.readObject(); }), ArchiveErrorKind::generic);
}

}  // namespace
}  // namespace solvara
