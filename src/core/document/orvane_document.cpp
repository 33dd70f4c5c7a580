#include "core/document/orvane_document.h"

#include "core/database/program_model.h"

namespace solvara {

COrvaneDocument::COrvaneDocument(ProgramModel& program) : program_(program.shared_from_this()) {}

}  // namespace solvara
