#include "core/document/orvane_document.h"

#include <utility>

#include "core/program/program_model.h"

namespace solvara {

COrvaneDocument::COrvaneDocument(ProgramModel& program) : program_(program.shared_from_this()) {}

DocumentChange COrvaneDocument::setTitle(std::string title) {
    if (title == title_) return DocumentChange::none;
    title_ = std::move(title);
    return DocumentChange::title;
}

}  // namespace solvara
