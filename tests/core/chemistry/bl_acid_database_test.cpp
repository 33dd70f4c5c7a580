#include "core/chemistry/bl_acid_database.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "core/program/program_class_registry.h"
#include "core/program/starter_element_table.h"
#include "support/archive_test_support.h"
#include "support/record_bytes.h"

namespace solvara {
namespace {

BLAcid monoproticAcid(const std::string& name, const std::string& acidForm,
                      const std::string& baseForm) {
    BLAcid acid;
    acid.name = name;
    acid.steps = 1;
    acid.forms = {acidForm, baseForm, "", "", ""};
    acid.pKa[0] = 4.0;
    acid.updateDerived();
    return acid;
}

class BLAcidDatabaseTest : public ::testing::Test {
  protected:
    // Names of the acids in position order.
    static std::vector<std::string> names(const BLAcidDatabase& database) {
        std::vector<std::string> result;
        for (int position = 0; position < database.Count(); ++position) {
            result.push_back(database.At(position).name);
        }
        return result;
    }

    void addABC() {
        for (const char* name : {"A", "B", "C"}) {
            acids.Add(monoproticAcid(name, std::string("H") + name, std::string(name) + "^-"),
                      true);
        }
    }

    ElementTable table = makeStarterElementTable();
    BLAcidDatabase acids{table};
};

TEST_F(BLAcidDatabaseTest, AddingGivesIdsAndKeepsUsedFormsInCanonicalSpelling) {
    BLAcid acid = monoproticAcid("hydrochloric acid", "HCl", "Cl^{-}");
    acid.forms[3] = "leftover";
    acid.id = 99;
    ASSERT_TRUE(acids.Add(acid, true));
    EXPECT_EQ(acid.id, 99);  // the caller's acid keeps its id
    const BLAcid& stored = acids.At(0);
    EXPECT_EQ(stored.id, 1);
    EXPECT_EQ(acids.nextId(), 1);
    EXPECT_EQ(stored.forms[1], "Cl^-");
    EXPECT_EQ(stored.forms[3], "");
    EXPECT_TRUE(acids.isModified());
    EXPECT_EQ(acids.FindByFormula("Cl^-"), &stored);
    EXPECT_EQ(acids.FindByFormula("Cl^{-}"), nullptr);
    EXPECT_EQ(acids.FindByFormula("leftover"), nullptr);

    ASSERT_TRUE(acids.Add(acid, false));
    EXPECT_EQ(acids.At(1).id, 99);
    EXPECT_EQ(acids.nextId(), 1);
}

TEST_F(BLAcidDatabaseTest, ASharedNameNamesTheNewestUntilARebuildThenTheLowest) {
    addABC();
    acids.Add(monoproticAcid("A", "HX", "X^-"), true);
    EXPECT_EQ(acids.FindByName("A")->id, 4);
    acids.Remove(2);
    EXPECT_EQ(acids.FindByName("A")->id, 1);
}

TEST_F(BLAcidDatabaseTest, RemovingMovesLaterAcidsDownAndNeverReusesAnId) {
    addABC();
    acids.clearModified();
    acids.Remove(42);
    EXPECT_FALSE(acids.isModified());
    acids.Remove(3);
    acids.Remove(1);
    EXPECT_TRUE(acids.isModified());
    EXPECT_EQ(names(acids), std::vector<std::string>{"B"});
    EXPECT_EQ(acids.FindById(1), nullptr);
    EXPECT_EQ(acids.FindById(2), &acids.At(0));
    EXPECT_EQ(acids.FindByFormula("HB"), &acids.At(0));
    EXPECT_EQ(acids.FindByFormula("HA"), nullptr);
    acids.Add(monoproticAcid("D", "HD", "D^-"), true);
    EXPECT_EQ(acids.At(1).id, 4);
}

TEST_F(BLAcidDatabaseTest, ReplaceOverwritesTheAcidWithTheSameIdFormsAsGiven) {
    addABC();
    BLAcid changed = monoproticAcid("B2", "HB", "B^{-}");
    changed.id = 2;
    acids.clearModified();
    acids.Replace(changed);
    EXPECT_TRUE(acids.isModified());
    EXPECT_EQ(names(acids), (std::vector<std::string>{"A", "B2", "C"}));
    EXPECT_EQ(acids.FindByFormula("B^{-}"), &acids.At(1));
    EXPECT_EQ(acids.FindByName("B"), nullptr);

    changed.id = 17;
    acids.clearModified();
    acids.Replace(changed);
    EXPECT_FALSE(acids.isModified());
}

TEST_F(BLAcidDatabaseTest, AssignCopiesInReverseOrderWithTheSameIds) {
    addABC();
    BLAcidDatabase copy(table);
    copy.Add(monoproticAcid("old", "HO", "O^-"), true);
    copy.Assign(acids);
    EXPECT_EQ(names(copy), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(copy.FindById(1)->name, "A");
    EXPECT_EQ(copy.FindByFormula("HC"), &copy.At(0));
    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 3);
}

TEST_F(BLAcidDatabaseTest, CopyFromKeepsOrderFormsAsStoredAndTheLastId) {
    addABC();
    BLAcid replaced = acids.At(1);
    replaced.forms[0] = "H{B}";  // Replace stores it as given, not in canonical spelling
    acids.Replace(replaced);
    acids.Remove(3);
    BLAcidDatabase copy(table);
    copy.CopyFrom(acids);
    EXPECT_EQ(names(copy), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(copy.At(1).forms[0], "H{B}");
    EXPECT_TRUE(copy.HasForm("H{B}"));
    EXPECT_FALSE(copy.HasForm("HC"));
    EXPECT_EQ(copy.nextId(), 3);
    EXPECT_TRUE(copy.isModified());
    ASSERT_TRUE(copy.Add(monoproticAcid("D", "HD", "D^-"), true));
    EXPECT_EQ(copy.At(2).id, 4);  // never an id the original gave out
    EXPECT_EQ(acids.Count(), 2);  // the copy is independent
}

TEST_F(BLAcidDatabaseTest, SeveralAcidsSharingAFormAreFoundThroughTheChooser) {
    addABC();
    acids.Add(monoproticAcid("A twin", "HA", "A^-"), true);
    acids.Add(monoproticAcid("A triplet", "HA3", "A^-"), true);
    EXPECT_EQ(acids.FindByFormula("A^-"), nullptr);

    struct PickLast : AcidChooser {
        std::int32_t chooseAcid(const BLAcidDatabase&, std::span<const std::int32_t> ids) override {
            offered.assign(ids.begin(), ids.end());
            return ids.back();
        }
        std::vector<std::int32_t> offered;
    } chooser;
    EXPECT_EQ(acids.FindByFormula("A^-", &chooser)->name, "A");
    EXPECT_EQ(chooser.offered, (std::vector<std::int32_t>{5, 4, 1}));

    struct PickStranger : AcidChooser {
        std::int32_t chooseAcid(const BLAcidDatabase&, std::span<const std::int32_t>) override {
            return 2;  // an acid, but not one of the candidates
        }
    } stranger;
    EXPECT_EQ(acids.FindByFormula("A^-", &stranger), nullptr);

    acids.Remove(4);
    acids.Remove(5);
    EXPECT_EQ(acids.FindByFormula("A^-")->name, "A");
}

TEST_F(BLAcidDatabaseTest, RecordsReadBackWithTheirLastIdAndUnmodified) {
    addABC();
    acids.Remove(3);
    const std::string bytes = testing::store([&](Archive& archive) { acids.Serialize(archive); });
    EXPECT_FALSE(acids.isModified());
    EXPECT_EQ(bytes.substr(0, 8), testing::hexBytes("00 00 01 00 03 00 00 00"));

    std::istringstream in(bytes);
    const ClassRegistry registry = makeProgramClassRegistry();
    Archive archive(in, registry, testing::kTestFileName);
    BLAcidDatabase loaded(table);
    loaded.Add(monoproticAcid("replaced", "HR", "R^-"), true);
    loaded.Serialize(archive);
    EXPECT_FALSE(loaded.isModified());
    EXPECT_EQ(names(loaded), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(loaded.nextId(), 3);
    EXPECT_EQ(loaded.FindByFormula("B^-"), &loaded.At(1));
    EXPECT_EQ(loaded.FindByName("replaced"), nullptr);
}

// A last id below the ids in use is what a document's list of acid copies holds. It is kept as
// read, so the record is written back unchanged, and ids are given out around those in use.
TEST_F(BLAcidDatabaseTest, ALastIdBelowIdsInUseIsKeptAndNewIdsSkipThem) {
    addABC();
    acids.Remove(2);
    std::string bytes = testing::store([&](Archive& archive) { acids.Serialize(archive); });
    bytes[4] = 0;  // the stored last id: 3 -> 0; ids 1 and 3 are in use
    std::istringstream in(bytes);
    const ClassRegistry registry = makeProgramClassRegistry();
    Archive archive(in, registry, testing::kTestFileName);
    BLAcidDatabase loaded(table);
    loaded.Serialize(archive);
    EXPECT_EQ(loaded.nextId(), 0);
    EXPECT_EQ(testing::store([&](Archive& out) { loaded.Serialize(out); }), bytes);

    std::vector<std::int32_t> newIds;
    for (const char* name : {"D", "E", "F"}) {
        ASSERT_TRUE(loaded.Add(monoproticAcid(name, std::string("H") + name, name), true));
        newIds.push_back(loaded.FindByName(name)->id);
    }
    EXPECT_EQ(newIds, (std::vector<std::int32_t>{2, 4, 5}));
    EXPECT_EQ(loaded.nextId(), 5);
}

TEST_F(BLAcidDatabaseTest, ADamagedListLeavesTheDatabaseAsItWas) {
    addABC();
    const std::string nullElement = testing::RecordBytes()
                                        .int32(0x10000)
                                        .int32(9)
                                        .count(1)
                                        .raw(testing::hexBytes("00 00"))
                                        .bytes();
    const std::string truncated =
        testing::store([&](Archive& archive) { acids.Serialize(archive); }).substr(0, 60);
    for (const std::string& bytes : {nullElement, truncated}) {
        std::istringstream in(bytes);
        const ClassRegistry registry = makeProgramClassRegistry();
        Archive archive(in, registry, testing::kTestFileName);
        EXPECT_THROW(acids.Serialize(archive), ArchiveError);
        EXPECT_EQ(names(acids), (std::vector<std::string>{"A", "B", "C"}));
    }
}

}  // namespace
}  // namespace solvara
