// The acid's record in the database file and in documents.
#include <cstdint>

#include "core/archive/archive.h"
#include "core/chemistry/bl_acid.h"

namespace solvara {

namespace {

constexpr std::int32_t kVersionCurrent = 0x10001;
// The first layout had eight more doubles before the trailing text, used by nothing.
constexpr std::int32_t kVersionWithUnusedValues = 0x10000;
constexpr int kUnusedValues = 8;

}  // namespace

void BLAcid::Serialize(Archive& archive) {
    std::int32_t version = kVersionCurrent;
    archive.io(version);
    CSubstance::Serialize(archive);
    archive.io(steps);
    for (std::string& form : forms) archive.io(form);
    for (std::int32_t& charge : charges) archive.io(charge);
    archive.io(temperature);
    for (StepValues* values : {&pBa, &overallKa, &beta, &reserved, &logBH, &Ka, &Kb, &pKa, &dpKadT,
                               &dpKbdT, &logKH, &pBb, &pKb}) {
        for (double& value : *values) archive.io(value);
    }
    archive.io(id);
    if (archive.IsLoading() && version == kVersionWithUnusedValues) {
        for (int i = 0; i < kUnusedValues; ++i) archive.readDouble();
    }
    archive.io(trailingText);
}

}  // namespace solvara
