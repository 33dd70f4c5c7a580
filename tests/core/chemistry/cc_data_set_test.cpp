#include "core/chemistry/cc_data_set.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/archive/class_registry.h"

namespace solvara {
namespace {

CCDataSet sampleDataSet() {
    CCDataSet data;
    data.formula = "Na_2HPO_4";
    data.molarMass = 141.96;
    data.volumeUnit = 0;
    data.volumeLitres = 0.25;
    data.UpdateVolumeShown();
    data.concentrationUnit = 1;
    data.concentrationMolar = 0.1;
    data.UpdateConcentrationShown();
    data.amount = 0.025;
    data.mass = 3.549;
    return data;
}

std::string storeObject(const CCDataSet& data) {
    std::ostringstream out;
    Archive archive(out, "cc.dat");
    archive.writeObject(&data);
    archive.Close();
    return out.str();
}

TEST(CCDataSet, RoundTripKeepsShownAndBaseValuesAndUnits) {
    const CCDataSet written = sampleDataSet();
    ClassRegistry registry;
    registry.add(CCDataSet::staticClassInfo());
    std::istringstream in(storeObject(written));
    Archive archive(in, registry, "cc.dat");
    const std::shared_ptr<CCDataSet> read = archive.readObjectAs<CCDataSet>();

    EXPECT_EQ(read->concentrationMolar, written.concentrationMolar);
    EXPECT_EQ(read->volumeUnit, 0);
    EXPECT_EQ(read->concentrationUnit, 1);
    EXPECT_EQ(read->concentrationShown, written.concentrationShown);
    EXPECT_EQ(read->molarMass, written.molarMass);
    EXPECT_EQ(read->amount, written.amount);
    EXPECT_EQ(read->mass, written.mass);
    EXPECT_EQ(read->volumeShown, written.volumeShown);
    EXPECT_EQ(read->volumeLitres, written.volumeLitres);
    EXPECT_EQ(read->formula, written.formula);
}

TEST(CCDataSet, RecordIsInFileOrder) {
    const CCDataSet data = sampleDataSet();
    std::istringstream in(storeObject(data));
    const ClassRegistry noClasses;
    Archive archive(in, noClasses, "cc.dat");
    EXPECT_EQ(archive.readUInt16(), 0xFFFF);
    EXPECT_EQ(archive.readUInt16(), 1);  // schema
    EXPECT_EQ(archive.readUInt16(), 9);
    std::string name(9, ' ');
    archive.readRaw(name.data(), name.size());
    EXPECT_EQ(name, "CCDataSet");
    EXPECT_EQ(archive.readInt32(), 0x00010000);
    EXPECT_EQ(archive.readInt32(), data.volumeUnit);
    EXPECT_EQ(archive.readInt32(), data.concentrationUnit);
    EXPECT_EQ(archive.readDouble(), data.concentrationShown);
    EXPECT_EQ(archive.readDouble(), data.concentrationMolar);
    EXPECT_EQ(archive.readDouble(), data.molarMass);
    EXPECT_EQ(archive.readDouble(), data.amount);
    EXPECT_EQ(archive.readDouble(), data.mass);
    EXPECT_EQ(archive.readDouble(), data.volumeShown);
    EXPECT_EQ(archive.readDouble(), data.volumeLitres);
    EXPECT_EQ(archive.readString(), data.formula);
    EXPECT_THROW(archive.readByte(), ArchiveError);
}

TEST(CCDataSet, ShownValuesFollowTheUnits) {
    CCDataSet data;
    data.volumeLitres = 0.25;
    data.concentrationMolar = 0.04;
    const struct {
        std::int32_t volumeUnit;
        std::int32_t concentrationUnit;
        double volumeShown;
        double concentrationShown;
    } cases[] = {{0, 0, 0.25, 0.04}, {1, 1, 250.0, 40.0}, {1, 2, 250.0, 0.04}};
    for (const auto& c : cases) {
        data.volumeUnit = c.volumeUnit;
        data.concentrationUnit = c.concentrationUnit;
        data.UpdateVolumeShown();
        data.UpdateConcentrationShown();
        EXPECT_DOUBLE_EQ(data.volumeShown, c.volumeShown);
        EXPECT_DOUBLE_EQ(data.concentrationShown, c.concentrationShown);
    }
}

TEST(CCDataSet, SetConcentrationClearsAllButFormulaAndMolarMass) {
    CCDataSet data = sampleDataSet();
    data.SetConcentration(0.5);
    EXPECT_EQ(data.concentrationMolar, 0.5);
    EXPECT_EQ(data.concentrationShown, 0.5);
    EXPECT_EQ(data.volumeUnit, 1);
    EXPECT_EQ(data.concentrationUnit, 0);
    EXPECT_EQ(data.mass, 0.0);
    EXPECT_EQ(data.amount, 0.0);
    EXPECT_EQ(data.volumeShown, 0.0);
    EXPECT_EQ(data.volumeLitres, 0.0);
    EXPECT_EQ(data.formula, "Na_2HPO_4");
    EXPECT_EQ(data.molarMass, 141.96);
}

TEST(CCDataSet, UnitIndexNamingNoUnitIsReadAsTheBaseUnit) {
    CCDataSet corrupt = sampleDataSet();
    corrupt.volumeUnit = 7;
    corrupt.concentrationUnit = -1;
    ClassRegistry registry;
    registry.add(CCDataSet::staticClassInfo());
    std::istringstream in(storeObject(corrupt));
    Archive archive(in, registry, "cc.dat");
    const std::shared_ptr<CCDataSet> read = archive.readObjectAs<CCDataSet>();
    EXPECT_EQ(read->volumeUnit, 0);
    EXPECT_EQ(read->volumeShown, 0.25);
    EXPECT_EQ(read->concentrationUnit, 0);
    EXPECT_EQ(read->concentrationShown, 0.1);
}

}  // namespace
}  // namespace solvara
