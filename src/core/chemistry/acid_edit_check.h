#pragma once

#include <string_view>

#include "core/chemistry/bl_acid.h"
#include "core/chemistry/bl_acid_database.h"

namespace solvara {

namespace acid_edit_messages {

inline constexpr std::string_view kNameNotDefined = "Name not defined.";
inline constexpr std::string_view kFormsNotUnique =
    "All formulas should be unique (no two can be identical).";
inline constexpr std::string_view kChargesNotConsecutive =
    "Incorrect charge differences between formulas (should be always -1).";
inline constexpr std::string_view kNameInUse = "Acid name already in use.";
inline constexpr std::string_view kFormInDatabase =
    "One of formulas already present in the database.";

}  // namespace acid_edit_messages

// What the acid editor may do with the acid being edited, and why not.
struct AcidEditCheck {
    // The first failing check, empty when nothing is wrong.
    std::string_view problem;
    // Replace the selected acid with the edited one.
    bool canModify = false;
    // Add the edited one as a new acid; never on a document's own acid list, whose acids
    // come from its reagents.
    bool canAdd = false;
};

// Checks the edited acid: a name, forms 0 to steps all given and pairwise different, charges
// falling by one per form; to be added besides, neither its name nor any of its forms may be
// in `acids` already. `charges` must be up to date (BLAcid::updateCharges).
AcidEditCheck CheckAcidEdit(const BLAcid& edited, const BLAcidDatabase& acids, bool hasSelection,
                            bool documentList);

}  // namespace solvara
