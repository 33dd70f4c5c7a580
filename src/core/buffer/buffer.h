#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/archive/cobject.h"

namespace solvara {

class BLAcid;
class ChemistryModel;
class Reagent;

// What a capacity curve was computed for; -1 everywhere when it was computed
// for nothing yet.
struct CapacityCurveKey {
    double pH = -1.0;
    double totalConcentration = -1.0;  // mol/L of the main component
    double temperature = -1.0;         // degC
    double saltIonicStrength = -1.0;   // mol/L

    bool operator==(const CapacityCurveKey&) const = default;
};

// Two reagents and the acid one of them contains, the main component, whose
// total concentration is what a user asks for. A buffer of the buffer
// database stores only ids and always shows the current reagents and acids
// of its program; a document holds a StandaloneBuffer with copies of its own.
class Buffer : public CObject {
  public:
    // The capacity curve holds the capacity at pH kCapacityCurveStep * i for
    // i from 0 to kCapacityCurvePoints - 1.
    static constexpr std::size_t kCapacityCurvePoints = 280;
    static constexpr double kCapacityCurveStep = 0.05;

    // Bound to no program until loaded by an archive that carries one; such a
    // buffer finds no reagents and no main component.
    Buffer() = default;
    explicit Buffer(ChemistryModel& program) : program_(&program) {}
    // Copies carry everything but the capacity curve key and the scratch
    // ionic strength: a copy starts with those of a fresh buffer, and the
    // target of an assignment keeps its own.
    Buffer(const Buffer& other);
    Buffer& operator=(const Buffer& other);

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // Writes version 0x10000, accepts any version. The shares are recomputed
    // after reading; they, the curve and its key are never written.
    void Serialize(Archive& archive) override;

    // The reagents and the main component; none when the id is -1 or does
    // not resolve.
    virtual Reagent* FirstReagent() const;
    virtual Reagent* SecondReagent() const;
    // Takes the reagent's id; drops the main component when neither reagent
    // contains it any more, and recomputes the shares.
    virtual void SetFirstReagent(const Reagent& reagent);
    virtual void SetSecondReagent(const Reagent& reagent);
    virtual BLAcid* MainComponent() const;
    // Stores the id (-1 for none) and recomputes the shares.
    virtual void SetMainComponent(std::int32_t acidId);
    virtual bool HasMainComponent() const;

    // "first+second", a missing reagent or an empty name giving "?".
    void MakeNameFromReagents();
    // Both shares from the reagents the slots return now.
    void RecomputeShares();

    ChemistryModel* program() const noexcept { return program_; }

    // Empty, or kCapacityCurvePoints capacities (mol/L per pH unit).
    std::vector<double> capacityCurve;
    bool isDefaultVariant = false;
    std::string name;
    std::int32_t id = 0;  // given by the buffer database
    std::int32_t mainComponentId = -1;
    std::int32_t firstReagentId = -1;
    std::int32_t secondReagentId = -1;
    // Moles of main component per mole of reagent.
    double firstReagentShare = 0.0;
    double secondReagentShare = 0.0;
    // mol/L added to [H+] in the charge balance of every preparation pH.
    double baseExcess = 0.0;
    // The reagents' part of the ionic strength at the last preparation pH.
    double reagentIonicStrength = 0.0;
    CapacityCurveKey capacityCurveKey;

  protected:
    void setProgram(ChemistryModel* program) noexcept { program_ = program; }

  private:
    void copyFrom(const Buffer& other);
    // Drops the main component when neither reagent has an acid entry with
    // its id.
    void dropMainComponentUnlessContained();

    ChemistryModel* program_ = nullptr;
};

}  // namespace solvara
