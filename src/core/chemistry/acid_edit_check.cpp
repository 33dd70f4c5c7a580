#include "core/chemistry/acid_edit_check.h"

#include <cstddef>

namespace solvara {

namespace {

std::size_t formIndex(int form) { return static_cast<std::size_t>(form); }

bool formsGivenAndDistinct(const BLAcid& acid) {
    if (!acid.stepsValid()) return false;
    for (int form = 0; form <= acid.steps; ++form) {
        const std::string& text = acid.forms[formIndex(form)];
        if (text.empty()) return false;
        for (int other = 0; other < form; ++other) {
            if (acid.forms[formIndex(other)] == text) return false;
        }
    }
    return true;
}

bool anyFormIn(const BLAcid& acid, const BLAcidDatabase& acids) {
    for (int form = acid.steps; form >= 0; --form) {
        if (acids.HasForm(acid.forms[formIndex(form)])) return true;
    }
    return false;
}

}  // namespace

AcidEditCheck CheckAcidEdit(const BLAcid& edited, const BLAcidDatabase& acids, bool hasSelection,
                            bool documentList) {
    AcidEditCheck check;
    auto fail = [&check](std::string_view problem) {
        if (check.problem.empty()) check.problem = problem;
    };
    if (edited.name.empty()) fail(acid_edit_messages::kNameNotDefined);
    if (!formsGivenAndDistinct(edited)) fail(acid_edit_messages::kFormsNotUnique);
    if (!edited.chargesConsecutive()) fail(acid_edit_messages::kChargesNotConsecutive);
    bool ok = check.problem.empty();
    check.canModify = hasSelection && ok;
    if (documentList) return check;
    if (ok && acids.FindByName(edited.name) != nullptr) {
        fail(acid_edit_messages::kNameInUse);
        ok = false;
    }
    if (ok && anyFormIn(edited, acids)) {
        fail(acid_edit_messages::kFormInDatabase);
        ok = false;
    }
    check.canAdd = ok;
    return check;
}

}  // namespace solvara
