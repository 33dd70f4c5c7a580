#pragma once

#include <cstdint>
#include <string_view>

#include "core/archive/position_index.h"
#include "core/archive/substance_database.h"
#include "core/buffer/inert_salt.h"

namespace solvara {

// The inert salts of the program, looked up by name, formula and id, with
// the salt offered first: the one marked default at the lowest position.
class InertSaltDatabase : public SubstanceDatabase<InertSalt> {
  public:
    InertSaltDatabase() = default;

    // Gives the salt the next id, in the caller's object as well, and appends
    // a copy; a default salt becomes the default when there is none yet.
    // False, and nothing changes, when no id is left.
    bool Add(InertSalt& salt);
    // Overwrites the stored salt with the same id; an id that is not stored
    // changes nothing.
    void Replace(const InertSalt& salt);
    InertSalt* FindByFormula(std::string_view formula) {
        return elementAt(formulaIndex_.find(formula));
    }
    const InertSalt* FindByFormula(std::string_view formula) const {
        return elementAt(formulaIndex_.find(formula));
    }
    const InertSalt* DefaultSalt() const;
    // Position of the default salt, -1 when no salt is marked default.
    int defaultIndex() const noexcept { return defaultIndex_; }

  private:
    void clearKeys() override;
    void storeKeys(const InertSalt& salt, int position) override;

    int defaultIndex_ = -1;
    PositionIndex<std::string> formulaIndex_;
};

}  // namespace solvara
