#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/chemistry/element_table.h"
#include "support/archive_test_support.h"
#include "support/record_bytes.h"
#include "support/starter_table.h"

namespace solvara {
namespace {

using testing::RecordBytes;

RecordBytes& appendElement(RecordBytes& bytes, const Element& element) {
    return bytes.string(element.symbol)
        .string(element.composition)
        .string(element.comment)
        .float64(element.molarMass)
        .int32(element.decimals);
}

// The 103 elements as a table of the first format holds them: no electron.
RecordBytes firstFormatElements() {
    RecordBytes bytes;
    bytes.int32(0x10000).int32(103).count(103);
    ElementTable builtIn;
    builtIn.loadBuiltIn();
    for (int position = 1; position < builtIn.count(); ++position)
        appendElement(bytes, builtIn[position]);
    return bytes;
}

std::string storeTable(ElementTable& table) {
    return testing::store([&table](Archive& archive) { table.Serialize(archive); });
}

// Loads `bytes` into `table`; returns the archive's next int, or -1 when the stream is exhausted.
std::int32_t loadTable(ElementTable& table, const std::string& bytes) {
    std::istringstream in(bytes);
    const ClassRegistry noClasses;
    Archive archive(in, noClasses, testing::kTestFileName);
    table.Serialize(archive);
    try {
        return archive.readInt32();
    } catch (const ArchiveError&) {
        return -1;
    }
}

TEST(ElementTableSerializeTest, CurrentFormatLoadsFromItsByteLayout) {
    RecordBytes bytes;
    bytes.int32(0x20000).int32(3).count(3);
    appendElement(bytes, {"e", "", "", 0.0, 1});
    appendElement(bytes, {"H", "", "", 1.00794, 5});
    appendElement(bytes, {"Citrate", "C6H5O7", "citric acid anion", 189.0997, 4});
    bytes.string("Database EOF").int32(77);

    ElementTable table;
    table.add({"Old", "", "", 1.0, 0});
    EXPECT_EQ(loadTable(table, bytes.bytes()), 77);  // nothing read beyond the marker
    EXPECT_EQ(table.count(), 3);
    EXPECT_TRUE(table.complete());
    EXPECT_FALSE(table.modified());
    EXPECT_EQ(table.find("Old"), -1);
    EXPECT_EQ(table.find("Citrate"), 2);
    EXPECT_EQ(table[2], (Element{"Citrate", "C6H5O7", "citric acid anion", 189.0997, 4}));
    EXPECT_EQ(table.findLongestPrefix("Citrate^{3-}").position, 2);
}

TEST(ElementTableSerializeTest, FirstFormatGetsTheElectronAndReadsNoMarker) {
    RecordBytes bytes = firstFormatElements();
    bytes.int32(77);

    ElementTable table;
    EXPECT_EQ(loadTable(table, bytes.bytes()), 77);
    EXPECT_EQ(table.count(), 104);
    EXPECT_EQ(table.entries().size(), 104u);
    EXPECT_TRUE(table.complete());
    EXPECT_EQ(table[0], (Element{"e", "", "", 0.0, 0}));
    EXPECT_EQ(table.find("e"), 0);
    EXPECT_EQ(table.find("H"), 1);
    EXPECT_EQ(table.find("Lr"), 103);
    EXPECT_EQ(table[6].symbol, "C");
    EXPECT_EQ(table[6].decimals, 4);
}

TEST(ElementTableSerializeTest, AnUnknownVersionReadsLikeTheFirstFormatWithoutTheElectron) {
    RecordBytes bytes;
    bytes.int32(0x30000).int32(1).count(1);
    appendElement(bytes, {"H", "", "", 1.00794, 5});
    bytes.int32(77);

    ElementTable table;
    EXPECT_EQ(loadTable(table, bytes.bytes()), 77);
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(table.find("H"), 0);
    EXPECT_TRUE(table.complete());
}

TEST(ElementTableSerializeTest, StoredBytesFollowTheLayoutAndClearModified) {
    ElementTable table;
    table.loadBuiltIn();
    const Element tris{"Tris", "C4H11NO3", "", 121.14, 2};
    table.add(tris);
    ASSERT_TRUE(table.modified());

    RecordBytes expected;
    expected.int32(0x20000).int32(105).count(105);
    for (int position = 0; position < 105; ++position) appendElement(expected, table[position]);
    expected.string("Database EOF");

    EXPECT_EQ(storeTable(table), expected.bytes());
    EXPECT_FALSE(table.modified());
}

TEST(ElementTableSerializeTest, StaleEntriesAreStoredAndLoadedButNotCounted) {
    ElementTable table = testing::starterTable();  // Citrate, HEPES, Acetate at 104 to 106
    ASSERT_TRUE(table.remove(104));
    ASSERT_EQ(table.count(), 106);
    ASSERT_EQ(table.entries().size(), 107u);

    const std::string bytes = storeTable(table);
    RecordBytes head;
    head.int32(0x20000).int32(106).count(107);
    EXPECT_EQ(bytes.substr(0, head.bytes().size()), head.bytes());

    ElementTable loaded;
    EXPECT_EQ(loadTable(loaded, bytes), -1);
    EXPECT_EQ(loaded.count(), 106);
    EXPECT_EQ(loaded.entries(), table.entries());
    EXPECT_EQ(loaded.find("Citrate"), -1);
    EXPECT_EQ(loaded.find("HEPES"), 104);
    EXPECT_EQ(loaded.find("Acetate"), 105);
    EXPECT_EQ(storeTable(loaded), bytes);  // the stale entry survives a second round
}

TEST(ElementTableSerializeTest, AnotherStringInPlaceOfTheEndMarkerLeavesTheTableIncomplete) {
    RecordBytes bytes;
    bytes.int32(0x20000).int32(1).count(1);
    appendElement(bytes, {"H", "", "", 1.00794, 5});
    bytes.string("Database EO");

    ElementTable table;
    loadTable(table, bytes.bytes());
    EXPECT_FALSE(table.complete());
    EXPECT_EQ(table.find("H"), 0);
    EXPECT_FALSE(table.modified());
}

TEST(ElementTableSerializeTest, AStreamEndingBeforeTheMarkerIsAnEndOfFileError) {
    RecordBytes bytes;
    bytes.int32(0x20000).int32(1).count(1);
    appendElement(bytes, {"H", "", "", 1.00794, 5});

    ElementTable table;
    try {
        loadTable(table, bytes.bytes());
        FAIL() << "no error";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.kind(), ArchiveErrorKind::endOfFile);
    }
}

TEST(ElementTableSerializeTest, BrokenTablesAreRefusedAndLeaveTheTableAsItWas) {
    const std::string truncatedEntry = firstFormatElements().bytes().substr(0, 200);
    RecordBytes countBeyondArray;
    countBeyondArray.int32(0x20000).int32(2).count(1);
    appendElement(countBeyondArray, {"H", "", "", 1.00794, 5}).string("Database EOF");
    RecordBytes negativeCount;
    negativeCount.int32(0x20000).int32(-1).count(0).string("Database EOF");
    const struct {
        const char* name;
        std::string bytes;
        ArchiveErrorKind kind;
    } cases[] = {
        {"entry cut short", truncatedEntry, ArchiveErrorKind::endOfFile},
        {"count beyond the array", countBeyondArray.bytes(), ArchiveErrorKind::badIndex},
        {"negative count", negativeCount.bytes(), ArchiveErrorKind::badIndex},
    };
    for (const auto& broken : cases) {
        ElementTable table = testing::starterTable();
        try {
            loadTable(table, broken.bytes);
            ADD_FAILURE() << broken.name << ": no error";
        } catch (const ArchiveError& error) {
            EXPECT_EQ(error.kind(), broken.kind) << broken.name;
        }
        EXPECT_EQ(table.count(), 107) << broken.name;
        EXPECT_EQ(table.find("HEPES"), 105) << broken.name;
    }
}

}  // namespace
}  // namespace solvara
