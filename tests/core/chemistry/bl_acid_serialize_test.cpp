#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/chemistry/bl_acid.h"
#include "support/archive_test_support.h"
#include "support/record_bytes.h"

namespace solvara {
namespace {

using testing::RecordBytes;

// Value i of the 52 stored doubles, distinct so that a field read from the wrong place shows.
double storedValue(int i) { return 0.25 * i - 3.0; }

// A phosphate record as files hold it, in either layout.
std::string phosphateRecord(std::int32_t version) {
    RecordBytes bytes;
    bytes.int32(version);
    bytes.int32(0x10000)
        .string("phosphoric acid")
        .string("H_3PO_4")
        .string("")
        .float64(97.995)
        .int32(3);
    bytes.int32(3);
    for (const char* form : {"H_3PO_4", "H_2PO_4^-", "HPO_4^{2-}", "PO_4^{3-}", ""})
        bytes.string(form);
    for (const std::int32_t charge : {0, -1, -2, -3, 0}) bytes.int32(charge);
    bytes.float64(25.0);
    for (int i = 0; i < 52; ++i) bytes.float64(storedValue(i));
    bytes.int32(42);
    if (version == 0x10000) {
        for (int i = 0; i < 8; ++i) bytes.float64(1000.0 + i);
    }
    bytes.string("tail");
    return bytes.bytes();
}

BLAcid load(const std::string& record) {
    std::istringstream in(record);
    const ClassRegistry noClasses;
    Archive archive(in, noClasses, testing::kTestFileName);
    BLAcid acid;
    acid.Serialize(archive);
    EXPECT_THROW(archive.readByte(), ArchiveError) << "the record was not read to its end";
    return acid;
}

std::string store(BLAcid& acid) {
    return testing::store([&acid](Archive& archive) { acid.Serialize(archive); });
}

TEST(BLAcidSerializeTest, RecordLoadsEveryFieldFromItsPlace) {
    const BLAcid acid = load(phosphateRecord(0x10001));
    EXPECT_EQ(acid.name, "phosphoric acid");
    EXPECT_EQ(acid.formula, "H_3PO_4");
    EXPECT_EQ(acid.molarMass, 97.995);
    EXPECT_EQ(acid.phase, Phase::none);
    EXPECT_EQ(acid.steps, 3);
    EXPECT_EQ(acid.forms[2], "HPO_4^{2-}");
    EXPECT_EQ(acid.charges, (std::array<std::int32_t, 5>{0, -1, -2, -3, 0}));
    EXPECT_EQ(acid.temperature, 25.0);
    const BLAcid::StepValues* inFileOrder[] = {
        &acid.pBa, &acid.overallKa, &acid.beta,   &acid.reserved, &acid.logBH, &acid.Ka, &acid.Kb,
        &acid.pKa, &acid.dpKadT,    &acid.dpKbdT, &acid.logKH,    &acid.pBb,   &acid.pKb};
    int i = 0;
    for (const BLAcid::StepValues* values : inFileOrder) {
        for (const double value : *values) EXPECT_EQ(value, storedValue(i++));
    }
    EXPECT_EQ(acid.id, 42);
    EXPECT_EQ(acid.trailingText, "tail");
}

TEST(BLAcidSerializeTest, StoringWritesTheCurrentLayoutByteForByte) {
    BLAcid acid = load(phosphateRecord(0x10001));
    EXPECT_EQ(store(acid), phosphateRecord(0x10001));
}

TEST(BLAcidSerializeTest, TheFirstLayoutIsLongerByEightUnusedValuesAndLoadsTheSameAcid) {
    const std::string first = phosphateRecord(0x10000);
    const std::string current = phosphateRecord(0x10001);
    EXPECT_EQ(first.size(), current.size() + 64);
    BLAcid fromFirst = load(first);
    BLAcid fromCurrent = load(current);
    EXPECT_EQ(store(fromFirst), store(fromCurrent));
}

TEST(BLAcidSerializeTest, AnUnknownVersionReadsLikeTheCurrentLayout) {
    BLAcid acid = load(phosphateRecord(0x10002));
    EXPECT_EQ(acid.trailingText, "tail");
    EXPECT_EQ(store(acid), phosphateRecord(0x10001));
}

}  // namespace
}  // namespace solvara
