#include "core/program/database_edit_notes.h"

#include "core/program/integrity_rules.h"

namespace solvara {

std::optional<std::string_view> DatabaseEditNotes::noteOnProgramAcidChange() {
    if (changeNoteShown_ || openBufferDocuments_ == 0) return std::nullopt;
    changeNoteShown_ = true;
    return integrity_messages::kChangesApplyToFutureDocuments;
}

std::optional<std::string_view> DatabaseEditNotes::noteOnAcidAdded() {
    if (addNoteShown_) return std::nullopt;
    addNoteShown_ = true;
    return integrity_messages::kAddReagentsForNewAcids;
}

}  // namespace solvara
