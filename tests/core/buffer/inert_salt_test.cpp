#include "core/buffer/inert_salt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "support/archive_test_support.h"
#include "support/record_bytes.h"
#include "support/starter_table.h"

namespace solvara {
namespace {

using testing::RecordBytes;

TEST(InertSaltTest, ANewSaltHasNoIonsAndAFreshDataSet) {
    const InertSalt salt;
    EXPECT_EQ(salt.id, 0);
    EXPECT_EQ(salt.ionicStrengthFactor, 0);
    EXPECT_FALSE(salt.isDefault);
    EXPECT_FALSE(salt.isSolid);
    EXPECT_EQ(salt.concentration, 0.0);
    EXPECT_EQ(salt.phase, Phase::none);
    EXPECT_EQ(salt.concentrationData.volumeUnit, 1);  // mL
    EXPECT_EQ(salt.concentrationData.formula, "");
}

TEST(InertSaltTest, AFormulaGivesFactorAndMassToTheSaltAndItsDataSet) {
    const ElementTable table = testing::starterTable();
    InertSalt salt;
    const SaltFormulaAnalysis analysis = salt.setSaltFormula("Mg^{2+},2Cl^-", table);
    EXPECT_TRUE(analysis.valid());
    EXPECT_EQ(salt.formula, "Mg^{2+},2Cl^-");
    EXPECT_EQ(salt.ionicStrengthFactor, 6);
    EXPECT_NEAR(salt.molarMass, 24.3050 + 2 * 35.453, 1e-9);
    EXPECT_EQ(salt.concentrationData.molarMass, salt.molarMass);
    EXPECT_EQ(salt.concentrationData.formula, salt.formula);
    EXPECT_EQ(salt.ionicStrengthText(), "Ionic strength of 1M solution: 3.0");

    // A formula that cannot be weighed leaves nothing of the old one behind.
    EXPECT_FALSE(salt.setSaltFormula("Na^+,Xx^-", table).valid());
    EXPECT_EQ(salt.ionicStrengthFactor, 0);
    EXPECT_EQ(salt.molarMass, 0.0);
    EXPECT_EQ(salt.concentrationData.molarMass, 0.0);
}

TEST(InertSaltTest, SaltNeededForAnIonicStrengthIncrement) {
    InertSalt magnesiumChloride;
    magnesiumChloride.ionicStrengthFactor = 6;
    EXPECT_DOUBLE_EQ(magnesiumChloride.concentrationFor(0.1), 1.0 / 30.0);
    InertSalt sodiumChloride;
    sodiumChloride.ionicStrengthFactor = 2;
    EXPECT_DOUBLE_EQ(sodiumChloride.concentrationFor(0.1), 0.1);
    const InertSalt noIons;
    EXPECT_FALSE(std::isfinite(noIons.concentrationFor(0.1)));
    EXPECT_FALSE(std::isfinite(noIons.concentrationFor(0.0)));
}

TEST(InertSaltTest, AmountIsGramsOfASolidOrMillilitresOfTheStock) {
    InertSalt salt;
    salt.molarMass = 58.44;
    salt.concentration = 4.0;
    salt.isSolid = true;
    EXPECT_DOUBLE_EQ(salt.amountToTake(0.1, 0.5), 0.5 * 0.1 * 58.44);
    salt.isSolid = false;
    EXPECT_DOUBLE_EQ(salt.amountToTake(0.1, 0.5), 12.5);
}

TEST(InertSaltTest, EqualityIsThatOfTheSubstance) {
    InertSalt salt;
    salt.name = "sodium chloride";
    salt.formula = "Na^+,Cl^-";
    InertSalt other = salt;
    other.id = 7;
    other.ionicStrengthFactor = 2;
    other.isDefault = true;
    other.concentration = 3.0;
    EXPECT_EQ(other, salt);
    other.name = "NaCl";
    EXPECT_FALSE(other == salt);
}

RecordBytes& appendSaltPart(RecordBytes& bytes, std::int32_t version) {
    return bytes.int32(version)
        .int32(0x10000)
        .string("magnesium chloride")
        .string("Mg^{2+},2Cl^-")
        .string("")
        .float64(95.211)
        .int32(3)
        .int32(1)      // isDefault
        .int32(6)      // ionicStrengthFactor
        .int32(0)      // isSolid
        .float64(2.5)  // concentration
        .int32(17);    // id
}

RecordBytes& appendDataSet(RecordBytes& bytes) {
    return bytes.int32(0x10000)
        .int32(0)  // volume in L
        .int32(1)  // concentration in mmol/L
        .float64(2500.0)
        .float64(2.5)
        .float64(95.211)
        .float64(0.025)
        .float64(2.380275)
        .float64(0.01)
        .float64(0.01)
        .string("Mg^{2+},2Cl^-");
}

InertSalt loadSalt(const std::string& bytes, std::int32_t& next) {
    std::istringstream in(bytes);
    const ClassRegistry noClasses;
    Archive archive(in, noClasses, testing::kTestFileName);
    InertSalt salt;
    salt.Serialize(archive);
    next = archive.readInt32();
    return salt;
}

TEST(InertSaltTest, RecordWithDataSetLoadsFromItsByteLayoutAndStoresTheSame) {
    RecordBytes bytes;
    appendDataSet(appendSaltPart(bytes, 0x10001));
    std::int32_t next = 0;
    InertSalt salt = loadSalt(bytes.bytes() + RecordBytes{}.int32(77).bytes(), next);
    EXPECT_EQ(next, 77);
    EXPECT_EQ(salt.name, "magnesium chloride");
    EXPECT_EQ(salt.formula, "Mg^{2+},2Cl^-");
    EXPECT_EQ(salt.molarMass, 95.211);
    EXPECT_TRUE(salt.isDefault);
    EXPECT_EQ(salt.ionicStrengthFactor, 6);
    EXPECT_FALSE(salt.isSolid);
    EXPECT_EQ(salt.concentration, 2.5);
    EXPECT_EQ(salt.id, 17);
    EXPECT_EQ(salt.concentrationData.volumeUnit, 0);
    EXPECT_EQ(salt.concentrationData.concentrationShown, 2500.0);
    EXPECT_EQ(salt.concentrationData.mass, 2.380275);
    EXPECT_EQ(salt.concentrationData.formula, "Mg^{2+},2Cl^-");

    EXPECT_EQ(testing::store([&salt](Archive& archive) { salt.Serialize(archive); }),
              bytes.bytes());
}

TEST(InertSaltTest, RecordWithoutDataSetGetsOneDescribingTheStock) {
    RecordBytes bytes;
    appendSaltPart(bytes, 0x10000).int32(77);
    std::int32_t next = 0;
    const InertSalt salt = loadSalt(bytes.bytes(), next);
    EXPECT_EQ(next, 77);
    EXPECT_EQ(salt.id, 17);
    const CCDataSet& data = salt.concentrationData;
    EXPECT_EQ(data.concentrationMolar, 2.5);
    EXPECT_EQ(data.concentrationShown, 2.5);  // in mol/L
    EXPECT_EQ(data.formula, salt.formula);
    EXPECT_EQ(data.molarMass, salt.molarMass);
    EXPECT_EQ(data.volumeUnit, 1);
    EXPECT_EQ(data.volumeShown, 0.0);
    EXPECT_EQ(data.amount, 0.0);
}

TEST(InertSaltTest, RecordOfAnotherVersionEndsAfterTheId) {
    RecordBytes bytes;
    appendSaltPart(bytes, 0x10002).int32(77);
    std::int32_t next = 0;
    const InertSalt salt = loadSalt(bytes.bytes(), next);
    EXPECT_EQ(next, 77);
    EXPECT_EQ(salt.id, 17);
    EXPECT_EQ(salt.concentrationData.formula, "");
}

}  // namespace
}  // namespace solvara
