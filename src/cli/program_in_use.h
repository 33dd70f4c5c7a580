#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "core/program/program_model.h"

namespace solvara {

// The program database a command works with, and the digest of the file it came from.
struct ProgramInUse {
    std::shared_ptr<ProgramModel> program;
    std::string passwordDigest;
};

// The file named by --database; without it the user's database file when it
// exists and reads, else the starter content (after saying on `err` why the
// user's file, when there is one, cannot be read). None, after saying why on
// `err`, when the file named by --database cannot be read.
std::optional<ProgramInUse> openProgramInUse(const CommonOptions& options, std::ostream& err);

}  // namespace solvara
