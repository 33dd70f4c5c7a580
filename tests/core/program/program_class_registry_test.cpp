#include "core/program/program_class_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "core/buffer/inert_salt.h"
#include "core/chemistry/bl_acid.h"
#include "core/chemistry/cc_data_set.h"
#include "core/chemistry/element.h"
#include "core/program/program_model.h"
#include "support/archive_test_support.h"

namespace solvara {
namespace {

// Driven by the registry itself, so a class added to it is covered without
// touching this test: each comes back from the archive as the class it was
// written as, and writing it again gives the same bytes.
TEST(ProgramClassRegistryTest, EveryRegisteredClassSurvivesAnArchiveRoundTrip) {
    const ClassRegistry registry = makeProgramClassRegistry();
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    for (const ClassInfo* info : registry.all()) {
        SCOPED_TRACE(std::string(info->name));
        EXPECT_EQ(registry.find(info->name), info);
        EXPECT_EQ(info->schema, 1);
        ASSERT_NE(info->create, nullptr);
        const std::unique_ptr<CObject> original = info->create();
        const std::string bytes =
            testing::store([&original](Archive& archive) { archive.writeObject(original.get()); });

        std::istringstream in(bytes);
        Archive loading(in, registry, testing::kTestFileName);
        loading.setChemistryModel(program.get());
        const std::shared_ptr<CObject> read = loading.readObject();
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(&read->classInfo(), info);
        EXPECT_EQ(testing::store([&read](Archive& archive) { archive.writeObject(read.get()); }),
                  bytes);
    }
}

TEST(ProgramClassRegistryTest, ObjectsOfEveryClassComeBackFromAStreamAsWhatTheyWere) {
    BLAcid acetic;
    acetic.name = "acetic acid";
    acetic.setPKa(1, 4.76);
    InertSalt salt;
    salt.name = "sodium chloride";
    salt.ionicStrengthFactor = 2;
    CSubstance water;
    water.name = "water";
    Element tris{"Tris", "C4H11NO3", "", 121.14, 2};
    CCDataSet data;
    data.formula = "NaCl";
    const std::vector<const CObject*> written{&acetic, &salt, &water, &tris, &data, &acetic};

    const std::string bytes = testing::store([&written](Archive& archive) {
        for (const CObject* object : written) archive.writeObject(object);
    });
    std::istringstream in(bytes);
    const ClassRegistry registry = makeProgramClassRegistry();
    Archive archive(in, registry, testing::kTestFileName);

    const auto readAcid = archive.readObjectAs<BLAcid>();
    EXPECT_EQ(readAcid->name, "acetic acid");
    EXPECT_EQ(readAcid->pKa[0], 4.76);
    EXPECT_EQ(readAcid->Ka[0], acetic.Ka[0]);
    EXPECT_EQ(archive.readObjectAs<InertSalt>()->ionicStrengthFactor, 2);
    EXPECT_EQ(archive.readObjectAs<CSubstance>()->name, "water");
    EXPECT_EQ(*archive.readObjectAs<Element>(), tris);
    EXPECT_EQ(archive.readObjectAs<CCDataSet>()->formula, "NaCl");
    EXPECT_EQ(archive.readObjectAs<BLAcid>(), readAcid);  // written twice, read as one
}

TEST(ProgramClassRegistryTest, TwoAcidsInAListAreTaggedByClassThenByClassIndex) {
    std::vector<std::shared_ptr<BLAcid>> acids{std::make_shared<BLAcid>(),
                                               std::make_shared<BLAcid>()};
    const std::string bytes =
        testing::store([&acids](Archive& archive) { archive.ioObjectList(acids); });
    const std::string firstAcid =
        testing::store([&acids](Archive& archive) { acids[0]->Serialize(archive); });
    const std::string head = testing::hexBytes("02 00 FF FF 01 00 06 00") + "BLAcid";
    ASSERT_EQ(bytes.size(), head.size() + 2 * firstAcid.size() + 2);
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(bytes.substr(head.size() + firstAcid.size(), 2), testing::hexBytes("01 80"));
}

}  // namespace
}  // namespace solvara
