#include "core/program/program_class_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "core/buffer/buffer_variants.h"
#include "core/buffer/inert_salt.h"
#include "core/buffer/standalone_buffer.h"
#include "core/chemistry/bl_acid.h"
#include "core/chemistry/cc_data_set.h"
#include "core/chemistry/element.h"
#include "core/chemistry/reagent.h"
#include "support/archive_test_support.h"

namespace solvara {
namespace {

TEST(ProgramClassRegistryTest, EveryPersistentClassIsFoundByItsNameWithSchemaOne) {
    const ClassRegistry registry = makeProgramClassRegistry();
    const ClassInfo* expected[] = {&CCDataSet::staticClassInfo(),  &Element::staticClassInfo(),
                                   &CSubstance::staticClassInfo(), &BLAcid::staticClassInfo(),
                                   &Reagent::staticClassInfo(),    &InertSalt::staticClassInfo(),
                                   &Buffer::staticClassInfo(),     &StandaloneBuffer::staticClassInfo(),
                                   &BufferVariants::staticClassInfo()};
    for (const ClassInfo* info : expected) {
        EXPECT_EQ(registry.find(info->name), info) << info->name;
        EXPECT_EQ(info->schema, 1) << info->name;
        EXPECT_NE(info->create, nullptr) << info->name;
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
