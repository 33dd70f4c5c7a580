#include "core/document/orvane_document.h"

#include "core/program/program_model.h"

namespace solvara {

COrvaneDocument::COrvaneDocument(ProgramModel& program) : program_(program.shared_from_this()) {}

}  // namespace solvara
