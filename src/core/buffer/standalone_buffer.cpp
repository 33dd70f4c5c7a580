#include "core/buffer/standalone_buffer.h"

#include <cstdint>
#include <utility>

#include "core/archive/archive.h"
#include "core/chemistry/chemistry_model.h"
#include "core/chemistry/element_table.h"

namespace solvara {

namespace {

constexpr std::int32_t kRecordVersion = 0x00010000;

// The vocabulary of a buffer bound to no program: nothing can be read with it.
const ElementTable& elementTableOf(const ChemistryModel* program) {
    static const ElementTable noElements;
    return program == nullptr ? noElements : program->elements;
}

std::unique_ptr<Reagent> reagentCopyOrEmpty(const Reagent* reagent, ChemistryModel* program) {
    if (reagent != nullptr) return std::make_unique<Reagent>(*reagent);
    return program == nullptr ? std::make_unique<Reagent>() : std::make_unique<Reagent>(*program);
}

// Adds copies of the reagent's acids from its last acid down, one per name.
void addAcidsOf(const Reagent& reagent, BLAcidDatabase& acids) {
    for (int i = reagent.acidCount() - 1; i >= 0; --i) {
        const BLAcid* acid = reagent.acid(i);
        if (acid != nullptr && acids.FindByName(acid->name) == nullptr) acids.Add(*acid, false);
    }
}

}  // namespace

StandaloneBuffer::StandaloneBuffer() { bindToProgram(nullptr); }

StandaloneBuffer::StandaloneBuffer(ChemistryModel& program) : Buffer(program) {
    bindToProgram(&program);
}

StandaloneBuffer::StandaloneBuffer(const StandaloneBuffer& other)
    : Buffer(other),
      first_(std::make_unique<Reagent>(*other.first_)),
      second_(std::make_unique<Reagent>(*other.second_)),
      acids_(std::make_unique<BLAcidDatabase>(elementTableOf(other.program()))) {
    // Assign reverses the order, so going through a scratch copy keeps it.
    BLAcidDatabase reversed(elementTableOf(other.program()));
    reversed.Assign(*other.acids_);
    acids_->Assign(reversed);
    linkReagents();
}

StandaloneBuffer& StandaloneBuffer::operator=(const StandaloneBuffer& other) {
    if (this == &other) return *this;
    StandaloneBuffer copy(other);
    Buffer::operator=(other);
    // The moved parts stay where they are, so the reagents' links hold.
    first_ = std::move(copy.first_);
    second_ = std::move(copy.second_);
    acids_ = std::move(copy.acids_);
    return *this;
}

StandaloneBuffer& StandaloneBuffer::operator=(const Buffer& source) {
    if (this == &source) return *this;
    // Copied before anything changes: the source's reagents may be ours.
    std::unique_ptr<Reagent> first = reagentCopyOrEmpty(source.FirstReagent(), source.program());
    std::unique_ptr<Reagent> second = reagentCopyOrEmpty(source.SecondReagent(), source.program());
    Buffer::operator=(source);
    first_ = std::move(first);
    second_ = std::move(second);
    // The copies still find their acids where the source's reagents do.
    acids_ = std::make_unique<BLAcidDatabase>(elementTableOf(program()));
    RebuildAcidDatabase();
    return *this;
}

const ClassInfo& StandaloneBuffer::staticClassInfo() {
    static const ClassInfo info{"StandaloneBuffer", 1, &Buffer::staticClassInfo(),
                                &createObject<StandaloneBuffer>};
    return info;
}

const ClassInfo& StandaloneBuffer::classInfo() const { return staticClassInfo(); }

void StandaloneBuffer::Serialize(Archive& archive) {
    if (archive.IsLoading() && archive.chemistryModel() != nullptr &&
        archive.chemistryModel() != program()) {
        bindToProgram(archive.chemistryModel());
    }
    std::int32_t version = kRecordVersion;
    archive.io(version);
    Buffer::Serialize(archive);
    first_->Serialize(archive);
    second_->Serialize(archive);
    acids_->Serialize(archive);
    linkReagents();
    if (archive.IsLoading()) {
        // The reagents were analysed before their acids were read; only now
        // can they find the private ones.
        first_->analyze(true);
        second_->analyze(true);
        RecomputeShares();
    }
}

Reagent* StandaloneBuffer::FirstReagent() const { return first_.get(); }

Reagent* StandaloneBuffer::SecondReagent() const { return second_.get(); }

void StandaloneBuffer::SetFirstReagent(const Reagent& reagent) {
    *first_ = reagent;
    RebuildAcidDatabase();
    Buffer::SetFirstReagent(reagent);
}

void StandaloneBuffer::SetSecondReagent(const Reagent& reagent) {
    *second_ = reagent;
    RebuildAcidDatabase();
    Buffer::SetSecondReagent(reagent);
}

BLAcid* StandaloneBuffer::MainComponent() const { return acids_->FindById(mainComponentId); }

void StandaloneBuffer::RebuildAcidDatabase() {
    BLAcidDatabase scratch(elementTableOf(program()));
    addAcidsOf(*first_, scratch);
    addAcidsOf(*second_, scratch);
    acids_->Assign(scratch);
    linkReagents();
}

void StandaloneBuffer::bindToProgram(ChemistryModel* program) {
    setProgram(program);
    first_ = reagentCopyOrEmpty(nullptr, program);
    second_ = reagentCopyOrEmpty(nullptr, program);
    acids_ = std::make_unique<BLAcidDatabase>(elementTableOf(program));
    linkReagents();
}

void StandaloneBuffer::linkReagents() noexcept {
    first_->setAcidDatabase(acids_.get());
    second_->setAcidDatabase(acids_.get());
}

}  // namespace solvara
