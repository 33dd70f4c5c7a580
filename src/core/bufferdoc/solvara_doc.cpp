#include "core/bufferdoc/solvara_doc.h"

#include <cmath>
#include <utility>

#include "core/archive/archive.h"
#include "core/buffer/buffer.h"
#include "core/buffer/capacity_curve.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/equilibrium/ionic_strength_limit.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

constexpr std::int32_t kRecordVersion = 0x00010000;

template <class Unit>
double shownFactor(Unit unit, Unit thousandthUnit) {
    return unit == thousandthUnit ? 1000.0 : 1.0;
}

bool isReagent(const Reagent* reagent) { return reagent != nullptr && !reagent->formula.empty(); }

void addComposition(Composition& sum, const Composition& part) {
    if (part.size() > sum.size()) {
        Composition wider(part.size(), 0);
        for (int slot = 0; slot < sum.size(); ++slot) wider.set(slot, sum[slot]);
        sum = wider;
    }
    for (int slot = 0; slot < part.size(); ++slot) sum.set(slot, sum[slot] + part[slot]);
}

}  // namespace

CSolvaraDoc::CSolvaraDoc(ProgramModel& program) : COrvaneDocument(program), buffer_(program) {
    const ProgramDefaults& defaults = program.defaults;
    inputs_.forceIonicStrength = defaults.forceIonicStrength;
    results_.lowForcingWarning = defaults.forceIonicStrength;
    concentrationUnit_ = defaults.concentrationUnit;
    volumeUnit_ = defaults.volumeUnit;
    concentrationShown_ = defaults.concentration;
    volumeShown_ = defaults.volume;
    concentrationFromShown();
    volumeFromShown();
    inputs_.pH = defaults.pH;
    inputs_.temperature = defaults.temperature;
    inputs_.ionicStrength = defaults.ionicStrength;
    inputs_.preparationTemperature = defaults.preparationTemperature;
}

void CSolvaraDoc::concentrationFromShown() {
    inputs_.concentration =
        concentrationShown_ / shownFactor(concentrationUnit_, ConcentrationUnit::millimolar);
}

void CSolvaraDoc::volumeFromShown() {
    inputs_.volume = volumeShown_ / shownFactor(volumeUnit_, VolumeUnit::millilitres);
}

DocumentChange CSolvaraDoc::recalculated(DocumentChange changes) {
    const bool wasModified = IsModified();
    if (Recalculate() != 0) changes |= DocumentChange::results;
    SetModifiedFlag();
    return wasModified ? changes : changes | DocumentChange::modified;
}

DocumentChange CSolvaraDoc::setPH(double pH) {
    inputs_.pH = pH;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CSolvaraDoc::setConcentrationShown(double concentration) {
    concentrationShown_ = concentration;
    concentrationFromShown();
    return recalculated(DocumentChange::inputs);
}

DocumentChange CSolvaraDoc::setVolumeShown(double volume) {
    volumeShown_ = volume;
    volumeFromShown();
    return recalculated(DocumentChange::inputs);
}

DocumentChange CSolvaraDoc::setConcentrationUnit(ConcentrationUnit unit) {
    concentrationUnit_ = unit;
    concentrationShown_ =
        inputs_.concentration * shownFactor(concentrationUnit_, ConcentrationUnit::millimolar);
    return DocumentChange::inputs | SetModifiedFlag();
}

DocumentChange CSolvaraDoc::setVolumeUnit(VolumeUnit unit) {
    volumeUnit_ = unit;
    volumeShown_ = inputs_.volume * shownFactor(volumeUnit_, VolumeUnit::millilitres);
    return DocumentChange::inputs | SetModifiedFlag();
}

DocumentChange CSolvaraDoc::setTemperature(double temperature) {
    inputs_.temperature = temperature;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CSolvaraDoc::setIonicStrength(double ionicStrength) {
    inputs_.ionicStrength = ionicStrength;
    return recalculated(DocumentChange::inputs);
}

DocumentChange CSolvaraDoc::SetForceIonicStrength(bool force) {
    inputs_.forceIonicStrength = force;
    const InertSalt* defaultSalt = program().salts.DefaultSalt();
    if (force && salt_.name.empty()) {
        salt_ = defaultSalt != nullptr ? *defaultSalt : InertSalt();
    } else if (!force && defaultSalt != nullptr && salt_ == *defaultSalt) {
        salt_ = InertSalt();
    }
    return recalculated(DocumentChange::inputs | DocumentChange::rows);
}

DocumentChange CSolvaraDoc::setSalt(const InertSalt& salt) {
    salt_ = salt;
    return recalculated(DocumentChange::rows);
}

DocumentChange CSolvaraDoc::setPreparationTemperature(double temperature) {
    inputs_.preparationTemperature = temperature;
    results_.pHAtPreparation = PreparedPHAt(buffer_, program(), results_, temperature);
    return DocumentChange::inputs | DocumentChange::results | SetModifiedFlag();
}

DocumentChange CSolvaraDoc::PickBuffer(const Buffer& variant) {
    const bool wasModified = IsModified();
    buffer_ = variant;
    DocumentChange changes = DocumentChange::rows | setTitle(buffer_.name);
    if (Recalculate() != 0) changes |= DocumentChange::results;
    SetModifiedFlag(false);
    return wasModified ? changes | DocumentChange::modified : changes;
}

DocumentChange CSolvaraDoc::setBuffer(const Buffer& buffer) {
    buffer_ = buffer;
    return recalculated(DocumentChange::rows | setTitle(buffer_.name));
}

DocumentChange CSolvaraDoc::setFirstReagent(const Reagent& reagent) {
    buffer_.SetFirstReagent(reagent);
    return recalculated(DocumentChange::rows);
}

DocumentChange CSolvaraDoc::setSecondReagent(const Reagent& reagent) {
    buffer_.SetSecondReagent(reagent);
    return recalculated(DocumentChange::rows);
}

DocumentChange CSolvaraDoc::takeReagentFromDatabase(int ordinal, const Reagent& reagent) {
    if (ordinal == 1) {
        buffer_.SetFirstReagent(reagent);
    } else {
        buffer_.SetSecondReagent(reagent);
    }
    buffer_.MakeNameFromReagents();
    buffer_.id = -1;
    return recalculated(DocumentChange::rows | setTitle(buffer_.name));
}

DocumentChange CSolvaraDoc::setMainComponent(std::int32_t acidId) {
    buffer_.SetMainComponent(acidId);
    return recalculated(DocumentChange::rows);
}

DocumentChange CSolvaraDoc::editAcids(const std::function<void(BLAcidDatabase&)>& edit) {
    edit(buffer_.acidDatabase());
    return recalculated(DocumentChange::rows);
}

DocumentChange CSolvaraDoc::setBufferName(std::string name) {
    buffer_.name = std::move(name);
    return DocumentChange::rows | setTitle(buffer_.name) | SetModifiedFlag();
}

int CSolvaraDoc::Recalculate() {
    const PreparationOutcome outcome =
        recalculatePreparation(buffer_, salt_, inputs_, results_, program());
    if (outcome == PreparationOutcome::noConcentration) return 0;
    SetModifiedFlag();
    return outcome == PreparationOutcome::calculated ? 1 : 0;
}

PreparationFailure CSolvaraDoc::preparationFailure() const {
    if (inputs_.concentration == 0.0) return PreparationFailure::noConcentration;
    if (!results_.prepared) return PreparationFailure::notPrepared;
    if (results_.stocksExceedVolume) return PreparationFailure::stocksExceedVolume;
    return PreparationFailure::none;
}

TemperatureSeries CSolvaraDoc::pHVersusTemperature() const {
    return PHVersusTemperature(buffer_, program(), results_);
}

ExpectedPHChanges CSolvaraDoc::expectedPHChanges() const {
    return ExpectedPHChangesAt(buffer_, program(), results_, inputs_.temperature);
}

const std::vector<double>* CSolvaraDoc::capacityCurve() const {
    if (!results_.prepared) return nullptr;
    return CapacityCurve(buffer_, program(), inputs_.pH, inputs_.concentration, inputs_.temperature,
                         results_.saltIonicStrength);
}

bool CSolvaraDoc::HasBothReagents() const {
    return isReagent(buffer_.FirstReagent()) && isReagent(buffer_.SecondReagent());
}

bool CSolvaraDoc::CanMakepHCalculator() const { return canMakepHCalculator(results_); }

bool CSolvaraDoc::ionicStrengthTooHigh() const {
    return solvara::ionicStrengthTooHigh(inputs_.ionicStrength, program().defaults);
}

Composition CSolvaraDoc::ElementUsage() const {
    const ElementTable& table = program().elements;
    Composition sum(table.count() + 1, 0);
    for (const Reagent* reagent : {buffer_.FirstReagent(), buffer_.SecondReagent()}) {
        if (isReagent(reagent)) addComposition(sum, reagent->composition(table));
    }
    if (!salt_.formula.empty()) addComposition(sum, salt_.composition(table));
    return sum;
}

void CSolvaraDoc::Serialize(Archive& archive) {
    std::int32_t version = kRecordVersion;
    archive.io(version);
    buffer_.Serialize(archive);
    archive.ioBool(inputs_.forceIonicStrength);
    archive.io(inputs_.ionicStrength);
    salt_.Serialize(archive);
    archive.io(results_.saltIonicStrength);
    archive.io(inputs_.concentration);
    archive.io(inputs_.volume);
    archive.io(inputs_.pH);
    archive.io(inputs_.temperature);
    archive.io(inputs_.preparationTemperature);
    ioStoredEnum(archive, concentrationUnit_,
                 {ConcentrationUnit::molar, ConcentrationUnit::millimolar},
                 ConcentrationUnit::molar);
    ioStoredEnum(archive, volumeUnit_, {VolumeUnit::litres, VolumeUnit::millilitres},
                 VolumeUnit::litres);
    if (archive.IsLoading()) {
        concentrationShown_ =
            inputs_.concentration * shownFactor(concentrationUnit_, ConcentrationUnit::millimolar);
        volumeShown_ = inputs_.volume * shownFactor(volumeUnit_, VolumeUnit::millilitres);
        SetModifiedFlag(false);
    }
}

}  // namespace solvara
