#include "core/buffer/buffer_database.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/program/program_class_registry.h"
#include "support/archive_test_support.h"
#include "support/database_file_bytes.h"

namespace solvara {
namespace {

using testing::DatabaseFileBytes;

std::unique_ptr<Buffer> variant(const std::string& name, std::int32_t first, std::int32_t second,
                                bool isDefault = false) {
    auto buffer = std::make_unique<Buffer>();
    buffer->name = name;
    buffer->firstReagentId = first;
    buffer->secondReagentId = second;
    buffer->isDefaultVariant = isDefault;
    return buffer;
}

// Two groups: "acetate" with "a/b" (id 1) and the default "a/c" (id 2),
// "ammonia" with the default "c/d" (id 3); not modified.
void fill(BufferDatabase& buffers) {
    buffers.AddGroup("acetate");
    buffers.AddVariant("acetate", variant("a/b", 1, 6));
    buffers.AddVariant("acetate", variant("a/c", 1, 2, true));
    buffers.AddGroup("ammonia");
    buffers.AddVariant("ammonia", variant("c/d", 3, 3, true));
    buffers.clearModified();
}

class BufferDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override { fill(buffers); }

    void load(const std::string& bytes) {
        std::istringstream in(bytes);
        Archive archive(in, registry, testing::kTestFileName);
        buffers.Serialize(archive);
    }

    BufferDatabase buffers;
    const ClassRegistry registry = makeProgramClassRegistry();
};

TEST_F(BufferDatabaseTest, VariantsGetIdsInTheOrderTheyAreAdded) {
    EXPECT_EQ(buffers.FindVariant("acetate", "a/b")->id, 1);
    EXPECT_EQ(buffers.FindVariant("acetate", "a/c")->id, 2);
    EXPECT_EQ(buffers.FindVariant("ammonia", "c/d")->id, 3);
    EXPECT_EQ(buffers.nextId(), 3);
    EXPECT_EQ(buffers.DefaultVariant("acetate")->name, "a/c");
    EXPECT_EQ(buffers.FindVariant("Acetate", "a/b"), nullptr);
    EXPECT_EQ(buffers.FindVariant("acetate", "c/d"), nullptr);
    EXPECT_EQ(buffers.VariantCount(), 3u);

    EXPECT_EQ(buffers.AddVariant("missing", variant("x", 1, 2)), nullptr);
    EXPECT_EQ(buffers.AddVariant("acetate", variant("a/b", 5, 5)), nullptr);
    EXPECT_EQ(buffers.FindVariant("acetate", "a/b")->firstReagentId, 1);
    EXPECT_EQ(buffers.nextId(), 3);
    EXPECT_FALSE(buffers.isModified());
}

TEST_F(BufferDatabaseTest, AddingAGroupUnderATakenNameKeepsTheGroupAndItsVariants) {
    BufferVariants& group = buffers.AddGroup("acetate");
    EXPECT_EQ(&group, buffers.FindGroup("acetate"));
    EXPECT_EQ(group.variants.size(), 2u);
    EXPECT_FALSE(buffers.isModified());
}

TEST(BufferDatabase, RemoveCountsWhatItRemoved) {
    struct Case {
        const char* group;
        const char* variant;
        int removed;
        std::size_t variantsLeft;
    };
    for (const Case& c :
         {Case{"acetate", "a/b", 1, 2}, Case{"acetate", "x", 0, 3}, Case{"missing", "a/b", 0, 3},
          Case{"acetate", "", 2, 1}, Case{"missing", "", 0, 3}}) {
        BufferDatabase buffers;
        fill(buffers);
        EXPECT_EQ(buffers.Remove(c.group, c.variant), c.removed) << c.group << " " << c.variant;
        EXPECT_EQ(buffers.VariantCount(), c.variantsLeft) << c.group << " " << c.variant;
        EXPECT_EQ(buffers.isModified(), c.removed > 0) << c.group << " " << c.variant;
    }
}

TEST_F(BufferDatabaseTest, ReplaceStoresTheNewBufferUnderItsOwnNameWithItsOwnId) {
    auto replacement = variant("a/d", 1, 7);
    replacement->id = 1;
    ASSERT_TRUE(buffers.Replace("acetate", "a/b", std::move(replacement)));
    EXPECT_EQ(buffers.FindVariant("acetate", "a/b"), nullptr);
    EXPECT_EQ(buffers.FindVariant("acetate", "a/d")->id, 1);
    EXPECT_EQ(buffers.nextId(), 3);
    EXPECT_TRUE(buffers.isModified());
    EXPECT_FALSE(buffers.Replace("missing", "a/d", variant("a/d", 1, 7)));

    // A new name that another variant holds would lose that variant.
    EXPECT_FALSE(buffers.Replace("acetate", "a/d", variant("a/c", 9, 9)));
    EXPECT_EQ(buffers.FindVariant("acetate", "a/c")->firstReagentId, 1);
    EXPECT_NE(buffers.FindVariant("acetate", "a/d"), nullptr);
}

TEST_F(BufferDatabaseTest, RenamingAGroupNeverOverwritesAnother) {
    EXPECT_FALSE(buffers.RenameGroup("acetate", "ammonia"));
    EXPECT_EQ(buffers.FindGroup("ammonia")->variants.size(), 1u);
    EXPECT_FALSE(buffers.isModified());

    ASSERT_TRUE(buffers.RenameGroup("acetate", "acetic"));
    EXPECT_EQ(buffers.FindGroup("acetate"), nullptr);
    EXPECT_EQ(buffers.FindGroup("acetic")->name, "acetic");
    EXPECT_EQ(buffers.FindVariant("acetic", "a/b")->id, 1);
    EXPECT_TRUE(buffers.isModified());
}

TEST_F(BufferDatabaseTest, AVariantUsingAReagentTwiceCountsOnce) {
    EXPECT_EQ(buffers.CountVariantsUsingReagent(1), 2);
    EXPECT_EQ(buffers.CountVariantsUsingReagent(3), 1);
    EXPECT_EQ(buffers.CountVariantsUsingReagent(5), 0);
}

TEST_F(BufferDatabaseTest, RecordReadsTheStoredLayoutAndWritesItBack) {
    DatabaseFileBytes file;
    file.bufferDatabase(0x10000, 9, 2);
    file.bytes.string("HEPES");
    file.bufferGroup("HEPES", 1).bytes.string("HEPES/sodium hydroxide");
    file.variant("HEPES/sodium hydroxide", 16, 2, 10, true, 9, 0.003);
    file.bytes.string("acetate buffer");
    file.bufferGroup("acetate buffer", 2).bytes.string("acetic acid/sodium acetate");
    file.variant("acetic acid/sodium acetate", 1, 6, 1, true, 1);
    file.bytes.string("acetic acid/sodium hydroxide");
    file.variant("acetic acid/sodium hydroxide", 1, 2, 1, false, 2);
    buffers.AddGroup("dropped");

    load(file.bytes.bytes());
    EXPECT_FALSE(buffers.isModified());
    EXPECT_EQ(buffers.FindGroup("dropped"), nullptr);
    EXPECT_EQ(buffers.nextId(), 9);
    const Buffer* hepes = buffers.DefaultVariant("HEPES");
    ASSERT_NE(hepes, nullptr);
    EXPECT_EQ(hepes->id, 9);
    EXPECT_EQ(hepes->baseExcess, 0.003);
    EXPECT_EQ(hepes->firstReagentId, 16);
    EXPECT_EQ(hepes->mainComponentId, 10);
    EXPECT_EQ(buffers.FindVariant("acetate buffer", "acetic acid/sodium hydroxide")->id, 2);

    // Groups and variants are written in key order.
    DatabaseFileBytes expected;
    expected.bufferDatabase(0x10000, 9, 2);
    expected.bytes.string("HEPES");
    expected.bufferGroup("HEPES", 1).bytes.string("HEPES/sodium hydroxide");
    expected.variant("HEPES/sodium hydroxide", 16, 2, 10, true, 9, 0.003);
    expected.bytes.string("acetate buffer");
    expected.bufferGroup("acetate buffer", 2).bytes.string("acetic acid/sodium acetate");
    expected.variant("acetic acid/sodium acetate", 1, 6, 1, true, 1);
    expected.bytes.string("acetic acid/sodium hydroxide");
    expected.variant("acetic acid/sodium hydroxide", 1, 2, 1, false, 2);
    buffers.FindVariant("HEPES", "HEPES/sodium hydroxide")->capacityCurve.assign(3, 1.0);
    EXPECT_EQ(testing::store([&](Archive& archive) { buffers.Serialize(archive); }),
              expected.bytes.bytes());
    EXPECT_FALSE(buffers.isModified());
}

// The last id is kept as read, so the record is written back unchanged, and variants added
// later get ids no variant holds.
TEST_F(BufferDatabaseTest, ALastIdBelowIdsInUseIsKeptAndNewIdsSkipThem) {
    DatabaseFileBytes file;
    file.bufferDatabase(0x10000, 0, 2).bytes.string("acetate");
    file.bufferGroup("acetate", 1).bytes.string("a/b");
    file.variant("a/b", 1, 6, 1, true, 3);
    file.bytes.string("ammonia");
    file.bufferGroup("ammonia", 1).bytes.string("c/d");
    file.variant("c/d", 3, 3, 1, true, 1);
    load(file.bytes.bytes());
    EXPECT_EQ(buffers.nextId(), 0);
    EXPECT_EQ(testing::store([&](Archive& archive) { buffers.Serialize(archive); }),
              file.bytes.bytes());

    EXPECT_EQ(buffers.AddVariant("acetate", variant("a/c", 1, 2))->id, 2);
    EXPECT_EQ(buffers.AddVariant("ammonia", variant("c/e", 3, 4))->id, 4);
    EXPECT_EQ(buffers.nextId(), 4);
}

TEST_F(BufferDatabaseTest, DamagedRecordsLoadSafelyOrLeaveTheDatabaseAsItWas) {
    // A last id below an id in use, and one group stored under two keys.
    DatabaseFileBytes shared;
    shared.bufferDatabase(0x10000, 1, 2).bytes.string("first");
    shared.bufferGroup("group", 1).bytes.string("v");
    const std::uint16_t groupIndex = shared.lastIndex();
    shared.variant("v", 1, 2, 1, true, 5);
    shared.bytes.string("second");
    shared.sameObject(groupIndex);
    load(shared.bytes.bytes());
    EXPECT_EQ(buffers.nextId(), 1);
    ASSERT_NE(buffers.FindGroup("first"), buffers.FindGroup("second"));
    buffers.Remove("first", "v");
    EXPECT_NE(buffers.FindVariant("second", "v"), nullptr);

    // A null group, then a record cut short: nothing changes.
    DatabaseFileBytes nullGroup;
    nullGroup.bufferDatabase(0x10000, 1, 1).bytes.string("first").count(0);
    DatabaseFileBytes cutShort;
    cutShort.bufferDatabase(0x10000, 1, 1).bytes.string("first");
    cutShort.bufferGroup("group", 1).bytes.string("v");
    cutShort.variant("v", 1, 2, 1, true, 5);
    const std::string truncated =
        cutShort.bytes.bytes().substr(0, cutShort.bytes.bytes().size() - 2);
    for (const std::string& bytes : {nullGroup.bytes.bytes(), truncated}) {
        BufferDatabase before;
        fill(before);
        std::istringstream in(bytes);
        Archive archive(in, registry, testing::kTestFileName);
        EXPECT_ANY_THROW(before.Serialize(archive));
        EXPECT_EQ(before.VariantCount(), 3u);
        EXPECT_EQ(before.nextId(), 3);
    }
}

}  // namespace
}  // namespace solvara
