#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/archive/position_index.h"
#include "core/archive/substance_database.h"
#include "core/chemistry/acid_chooser.h"
#include "core/chemistry/bl_acid.h"
#include "core/chemistry/element_table.h"

namespace solvara {

// The acids of the program, and the private acid list of a document. Besides
// the name and id lookups, every used form of every acid (forms 0 to steps)
// leads to the acids that have it, so resolving a formula costs one hash
// lookup however many acids there are.
class BLAcidDatabase : public SubstanceDatabase<BLAcid> {
  public:
    // The form formulas of added acids are read with `table`, which must
    // outlive the database.
    explicit BLAcidDatabase(const ElementTable& table) : table_(&table) {}
    explicit BLAcidDatabase(const ElementTable&&) = delete;

    // Inserts a copy at the end with its forms beyond `steps` emptied and its
    // used forms in canonical spelling. With assignNewId the copy gets the
    // next id (the caller's acid keeps its own), otherwise the caller's id.
    // False, and nothing is added, when no id is left to give out.
    bool Add(const BLAcid& acid, bool assignNewId);
    // Overwrites the stored acid with the same id by the given one, forms as
    // they are given; an id that is not stored changes nothing.
    void Replace(const BLAcid& acid);
    // The acid with a form that is exactly `formula`. When several acids
    // have it, `chooser` picks one; without a chooser, or when the user
    // cancels, there is none.
    BLAcid* FindByFormula(std::string_view formula, AcidChooser* chooser = nullptr);
    // Makes this database a copy of `other`: the same acids with the same
    // ids, in reverse order.
    void Assign(const BLAcidDatabase& other);
    // Makes this database an exact copy of `other`: the same acids, forms
    // as stored, in the same order, and the same last id given out.
    void CopyFrom(const BLAcidDatabase& other) { copyContentFrom(other); }
    // Some acid has a form that is exactly `formula`.
    bool HasForm(std::string_view formula) const { return formIndex_.contains(formula); }

  private:
    void clearKeys() override { formIndex_.clear(); }
    void storeKeys(const BLAcid& acid, int position) override;

    const ElementTable* table_;
    // Form text -> positions of the acids that have it, in ascending order.
    std::unordered_map<std::string, std::vector<int>, TextHash, std::equal_to<>> formIndex_;
};

}  // namespace solvara
