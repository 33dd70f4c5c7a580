#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <variant>

#include "gui/model/document_model.h"

namespace solvara {

class ProgramModel;

// A new, empty document of `kind` made from the program defaults, titled as new documents are
// ("Buffer1", "pHcalc2"): `number` counts the new documents of its kind in this run.
std::unique_ptr<DocumentModel> newDocumentModel(DocumentKind kind, ProgramModel& program,
                                                int number);

// The document in the file at `path`, of whichever kind its content is; or why it cannot be
// opened, naming the file.
std::variant<std::unique_ptr<DocumentModel>, QString> openDocumentModel(
    const std::filesystem::path& path, ProgramModel& program);

}  // namespace solvara
