#include "core/buffer/inert_salt_database.h"

#include <cstddef>
#include <memory>

namespace solvara {

bool InertSaltDatabase::Add(InertSalt& salt) {
    const auto id = issueId();
    if (!id) return false;
    salt.id = *id;
    append(std::make_unique<InertSalt>(salt));
    return true;
}

void InertSaltDatabase::Replace(const InertSalt& salt) {
    InertSalt* stored = FindById(salt.id);
    if (stored == nullptr) return;
    *stored = salt;
    rebuildIndexes();
    markModified();
}

const InertSalt* InertSaltDatabase::DefaultSalt() const {
    return defaultIndex_ < 0 ? nullptr : &At(defaultIndex_);
}

void InertSaltDatabase::clearKeys() {
    formulaIndex_.clear();
    defaultIndex_ = -1;
}

// Insertion comes at the highest position and a rebuild walks downwards, so
// keeping the lowest default position serves both: a new default salt wins
// only when there was none, and a rebuild finds the first one in the list.
void InertSaltDatabase::storeKeys(const InertSalt& salt, int position) {
    formulaIndex_.store(salt.formula, position);
    if (salt.isDefault && (defaultIndex_ < 0 || position < defaultIndex_)) defaultIndex_ = position;
}

}  // namespace solvara
