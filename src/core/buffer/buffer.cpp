#include "core/buffer/buffer.h"

#include "core/archive/archive.h"
#include "core/chemistry/chemistry_model.h"
#include "core/chemistry/reagent.h"

namespace solvara {

namespace {

constexpr std::int32_t kRecordVersion = 0x00010000;

double shareOf(const Reagent* reagent, std::int32_t acidId) {
    if (reagent == nullptr || acidId == -1) return 0.0;
    return reagent->multiplierOf(acidId);
}

bool contains(const Reagent* reagent, std::int32_t acidId) {
    return reagent != nullptr && reagent->countAcidUses(acidId) > 0;
}

}  // namespace

Buffer::Buffer(const Buffer& other) : CObject(other) { copyFrom(other); }

Buffer& Buffer::operator=(const Buffer& other) {
    if (this != &other) copyFrom(other);
    return *this;
}

void Buffer::copyFrom(const Buffer& other) {
    capacityCurve = other.capacityCurve;
    isDefaultVariant = other.isDefaultVariant;
    name = other.name;
    id = other.id;
    mainComponentId = other.mainComponentId;
    firstReagentId = other.firstReagentId;
    secondReagentId = other.secondReagentId;
    firstReagentShare = other.firstReagentShare;
    secondReagentShare = other.secondReagentShare;
    baseExcess = other.baseExcess;
    program_ = other.program_;
}

const ClassInfo& Buffer::staticClassInfo() {
    static const ClassInfo info{"Buffer", 1, nullptr, &createObject<Buffer>};
    return info;
}

const ClassInfo& Buffer::classInfo() const { return staticClassInfo(); }

void Buffer::Serialize(Archive& archive) {
    std::int32_t version = kRecordVersion;
    archive.io(version);
    archive.io(name);
    archive.io(mainComponentId);
    archive.ioBool(isDefaultVariant);
    archive.io(baseExcess);
    archive.io(firstReagentId);
    archive.io(secondReagentId);
    archive.io(id);
    if (archive.IsLoading()) {
        if (archive.chemistryModel() != nullptr) program_ = archive.chemistryModel();
        RecomputeShares();
    }
}

Reagent* Buffer::FirstReagent() const {
    return program_ == nullptr ? nullptr : program_->reagents.FindById(firstReagentId);
}

Reagent* Buffer::SecondReagent() const {
    return program_ == nullptr ? nullptr : program_->reagents.FindById(secondReagentId);
}

void Buffer::SetFirstReagent(const Reagent& reagent) {
    firstReagentId = reagent.id;
    dropMainComponentUnlessContained();
    RecomputeShares();
}

void Buffer::SetSecondReagent(const Reagent& reagent) {
    secondReagentId = reagent.id;
    dropMainComponentUnlessContained();
    RecomputeShares();
}

BLAcid* Buffer::MainComponent() const {
    return program_ == nullptr ? nullptr : program_->acids.FindById(mainComponentId);
}

void Buffer::SetMainComponent(std::int32_t acidId) {
    mainComponentId = acidId;
    RecomputeShares();
}

bool Buffer::HasMainComponent() const { return mainComponentId > -1; }

void Buffer::MakeNameFromReagents() {
    const auto nameOf = [](const Reagent* reagent) -> std::string {
        if (reagent == nullptr || reagent->name.empty()) return "?";
        return reagent->name;
    };
    name = nameOf(FirstReagent()) + "+" + nameOf(SecondReagent());
}

void Buffer::RecomputeShares() {
    firstReagentShare = shareOf(FirstReagent(), mainComponentId);
    secondReagentShare = shareOf(SecondReagent(), mainComponentId);
}

void Buffer::dropMainComponentUnlessContained() {
    if (!contains(FirstReagent(), mainComponentId) && !contains(SecondReagent(), mainComponentId))
        mainComponentId = -1;
}

}  // namespace solvara
