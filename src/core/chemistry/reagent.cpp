#include "core/chemistry/reagent.h"

#include <algorithm>
#include <cstddef>

#include "core/chemistry/bl_acid_database.h"
#include "core/chemistry/chemistry_model.h"

namespace solvara {

const ClassInfo& Reagent::staticClassInfo() {
    static const ClassInfo info{"Reagent", 1, &CSubstance::staticClassInfo(),
                                &createObject<Reagent>};
    return info;
}

const ClassInfo& Reagent::classInfo() const { return staticClassInfo(); }

BLAcidDatabase* Reagent::acidDatabase() const noexcept {
    if (acidDatabase_ != nullptr) return acidDatabase_;
    return program_ == nullptr ? nullptr : &program_->acids;
}

BLAcid* Reagent::acid(int i) const {
    if (i < 0 || i >= acidCount()) return nullptr;
    const std::int32_t acidId = acidIds[static_cast<std::size_t>(i)];
    if (BLAcidDatabase* own = acidDatabase(); own != nullptr) {
        if (BLAcid* found = own->FindById(acidId); found != nullptr) return found;
    }
    return program_ == nullptr ? nullptr : program_->acids.FindById(acidId);
}

BLAcid* Reagent::findAcid(std::string_view acidName) const {
    for (int i = acidCount() - 1; i >= 0; --i) {
        BLAcid* candidate = acid(i);
        if (candidate != nullptr && candidate->name == acidName) return candidate;
    }
    return nullptr;
}

int Reagent::acidCount() const { return static_cast<int>(acidIds.size()); }

double Reagent::multiplierOf(std::int32_t acidId) const {
    double sum = 0.0;
    for (std::size_t i = 0; i < acidIds.size() && i < acidMultipliers.size(); ++i) {
        if (acidIds[i] == acidId) sum += acidMultipliers[i];
    }
    return sum;
}

int Reagent::countAcidUses(std::int32_t acidId) const {
    return static_cast<int>(std::count(acidIds.begin(), acidIds.end(), acidId));
}

}  // namespace solvara
