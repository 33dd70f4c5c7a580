#include "core/program/database_file.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>

#include "core/archive/archive.h"
#include "core/archive/file_error.h"
#include "core/archive/read_stored_file.h"
#include "core/archive/replace_file.h"
#include "core/program/program_class_registry.h"

namespace solvara {

namespace {

// Items 3 onwards, in file order; both directions.
void serializeDatabases(Archive& archive, ProgramModel& program) {
    program.elements.Serialize(archive);
    program.acids.Serialize(archive);
    program.reagents.Serialize(archive);
    program.salts.Serialize(archive);
    program.buffers.Serialize(archive);
}

DatabaseFileContent failure(DatabaseReadFailure kind, std::string reason) {
    DatabaseFileContent content;
    content.failure = kind;
    content.reason = std::move(reason);
    return content;
}

}  // namespace

std::string fileVersionText(std::int32_t version) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(version));
    return text;
}

DatabaseFileContent readDatabase(std::istream& in, const std::string& fileName) {
    const ClassRegistry registry = makeProgramClassRegistry();
    DatabaseFileContent content;
    try {
        Archive archive(in, registry, fileName);
        content.version = archive.readInt32();
        if (content.version == kDatabaseFileVersion) {
            content.passwordDigest = archive.readString();
        } else if (content.version != kFirstDatabaseFileVersion) {
            return failure(
                DatabaseReadFailure::wrongVersion,
                fileErrorMessage(FileAction::open, fileName,
                                 "unknown file version " + fileVersionText(content.version)));
        }
        auto program = std::make_shared<ProgramModel>();
        archive.setChemistryModel(program.get());
        serializeDatabases(archive, *program);
        content.program = std::move(program);
    } catch (const ArchiveError& error) {
        return failure(DatabaseReadFailure::malformed, error.message());
    } catch (const std::exception&) {
        // Whatever else a damaged record provokes is a damaged file too.
        return failure(DatabaseReadFailure::malformed,
                       ArchiveError(ArchiveErrorKind::badIndex, fileName).message());
    }
    return content;
}

DatabaseFileContent readDatabaseFile(const std::filesystem::path& path) {
    std::istringstream in;
    try {
        in.str(readStoredFile(path));
    } catch (const FileError& error) {
        const bool missing = error.code() == std::errc::no_such_file_or_directory;
        return failure(missing ? DatabaseReadFailure::missing : DatabaseReadFailure::cannotOpen,
                       error.what());
    }
    return readDatabase(in, path.string());
}

void writeDatabase(std::ostream& out, const std::string& fileName, ProgramModel& program,
                   std::string_view digest) {
    Archive archive(out, fileName);
    archive.writeInt32(kDatabaseFileVersion);
    archive.writeString(digest);
    serializeDatabases(archive, program);
    archive.Close();
}

void writeDatabaseFile(const std::filesystem::path& path, ProgramModel& program,
                       std::string_view digest) {
    replaceFile(path,
                [&](std::ostream& out) { writeDatabase(out, path.string(), program, digest); });
}

std::string ReadStoredDigest(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string(kUnreadableDigest);
    const ClassRegistry noClasses;
    try {
        Archive archive(in, noClasses, path.string());
        archive.readInt32();  // the file version; a first-version file reads as empty here
        return archive.readString();
    } catch (const ArchiveError&) {
        return std::string(kUnreadableDigest);
    }
}

}  // namespace solvara
