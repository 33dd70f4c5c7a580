#include "cli/program_in_use.h"

#include "core/program/database_file.h"

namespace solvara {

namespace {

ProgramInUse programFrom(DatabaseFileContent content) {
    return {std::move(content.program), content.passwordDigest.value_or(std::string())};
}

}  // namespace

std::optional<ProgramInUse> openProgramInUse(const CommonOptions& options, std::ostream& err) {
    if (!options.database.empty()) {
        DatabaseFileContent content = readDatabaseFile(options.database);
        if (content.program == nullptr) {
            err << content.reason << '\n';
            return std::nullopt;
        }
        return programFrom(std::move(content));
    }
    const std::filesystem::path userFile =
        options.environment ? DefaultDatabasePath(options.environment) : std::filesystem::path();
    if (!userFile.empty()) {
        DatabaseFileContent content = readDatabaseFile(userFile);
        if (content.program != nullptr) return programFrom(std::move(content));
        // Without the file there is nothing to tell: the starter content is what a first run
        // works with.
        if (content.failure != DatabaseReadFailure::missing) {
            err << content.reason
                << " The built-in starter content is used instead of this database file.\n";
        }
    }
    return ProgramInUse{makeStarterProgramModel(), {}};
}

}  // namespace solvara
