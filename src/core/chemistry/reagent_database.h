#pragma once

#include <cstdint>
#include <string_view>

#include "core/archive/position_index.h"
#include "core/archive/substance_database.h"
#include "core/chemistry/reagent.h"

namespace solvara {

// The reagents of the program, looked up by name, formula and id. A stored reagent finds its
// acids in the program's acid database, never in the list of the document it may come from,
// which would not outlive it.
class ReagentDatabase : public SubstanceDatabase<Reagent> {
  public:
    ReagentDatabase() = default;

    // Gives the reagent the next id, in the caller's object as well, and
    // appends a copy. False, and nothing changes, when no id is left.
    bool Add(Reagent& reagent);
    // Puts a copy of the given reagent in the place of the stored one with
    // the same id; an id that is not stored changes nothing.
    void Replace(const Reagent& reagent);
    Reagent* FindByFormula(std::string_view formula) {
        return elementAt(formulaIndex_.find(formula));
    }
    const Reagent* FindByFormula(std::string_view formula) const {
        return elementAt(formulaIndex_.find(formula));
    }
    // How many acid entries of all reagents name the acid; 0 means no
    // reagent uses it.
    int CountReagentsUsingAcid(std::int32_t acidId) const;

  private:
    void clearKeys() override { formulaIndex_.clear(); }
    void storeKeys(const Reagent& reagent, int position) override {
        formulaIndex_.store(reagent.formula, position);
    }

    PositionIndex<std::string> formulaIndex_;
};

}  // namespace solvara
