#pragma once

#include <memory>

#include "core/buffer/buffer.h"
#include "core/chemistry/bl_acid_database.h"
#include "core/chemistry/reagent.h"

namespace solvara {

// The buffer of a document: private copies of its two reagents and of every
// acid they refer to, so the document works without the program database it
// was made from. The private reagents look their acids up in the private
// acid database.
class StandaloneBuffer : public Buffer {
  public:
    // Bound to no program until loaded by an archive that carries one.
    StandaloneBuffer();
    explicit StandaloneBuffer(ChemistryModel& program);
    // Copies the reagents and the acids as they are, acid order included.
    StandaloneBuffer(const StandaloneBuffer& other);
    StandaloneBuffer& operator=(const StandaloneBuffer& other);
    // Takes over any buffer: its name, id, ids, default flag, shares, base
    // excess and curve, and copies of the reagents its slots return (a
    // missing one leaves an empty reagent), then copies of their acids.
    StandaloneBuffer& operator=(const Buffer& source);

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // Version 0x10000 (any accepted), the buffer record, the two reagent
    // records and the private acid database.
    void Serialize(Archive& archive) override;

    // The private reagents, whatever the ids say.
    Reagent* FirstReagent() const override;
    Reagent* SecondReagent() const override;
    // Copy the reagent into the private one and rebuild the private acids
    // before the buffer takes it.
    void SetFirstReagent(const Reagent& reagent) override;
    void SetSecondReagent(const Reagent& reagent) override;
    // Looked up in the private acid database.
    BLAcid* MainComponent() const override;

    BLAcidDatabase& acidDatabase() const noexcept { return *acids_; }

    // Fills the private acid database with copies of the acids of both
    // reagents, the first reagent's from its last acid down, then the
    // second's; one acid per name, keeping its id.
    void RebuildAcidDatabase();

  private:
    // Empty private reagents and acids working with `program`.
    void bindToProgram(ChemistryModel* program);
    void linkReagents() noexcept;

    // Owned through pointers so that the const slots hand out reagents and
    // acids a calculation may update.
    std::unique_ptr<Reagent> first_;
    std::unique_ptr<Reagent> second_;
    std::unique_ptr<BLAcidDatabase> acids_;
};

}  // namespace solvara
