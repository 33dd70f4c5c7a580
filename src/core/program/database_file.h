#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "core/program/program_model.h"

namespace solvara {

// The file holding the whole program database: its version, the password
// digest, the element table, the acid, reagent and inert salt databases and
// the buffer database, one after the other with shared object indexes.
inline constexpr std::int32_t kDatabaseFileVersion = 0x00020000;
// Files of the first version have no digest.
inline constexpr std::int32_t kFirstDatabaseFileVersion = 0x00010000;
// What ReadStoredDigest gives for a file it cannot read: six letters, so no
// digest equals it.
inline constexpr std::string_view kUnreadableDigest = "qmvexz";

// `missing`: there is no file at the path (or a link to nothing); `cannotOpen`: there is one,
// but it cannot be read (a folder, an empty file, no permission).
enum class DatabaseReadFailure { none, missing, cannotOpen, wrongVersion, malformed };

struct DatabaseFileContent {
    // Null unless the whole file was read; a failed read never hands out a
    // half-filled database.
    std::shared_ptr<ProgramModel> program;
    std::int32_t version = 0;
    // None in a file of the first version.
    std::optional<std::string> passwordDigest;
    DatabaseReadFailure failure = DatabaseReadFailure::none;
    // Why reading failed, naming the file.
    std::string reason;
};

// "0x00020000": a file version as people write it.
std::string fileVersionText(std::int32_t version);

DatabaseFileContent readDatabaseFile(const std::filesystem::path& path);
// `fileName` names the stream in error reports.
DatabaseFileContent readDatabase(std::istream& in, const std::string& fileName);

// Writes the current version with `digest`; every part of `program` clears
// its modified flag.
void writeDatabase(std::ostream& out, const std::string& fileName, ProgramModel& program,
                   std::string_view digest);
// Replaces the file at `path` so that a failure leaves the old file as it
// was (see replaceFile). Throws ArchiveError or FileError on failure.
void writeDatabaseFile(const std::filesystem::path& path, ProgramModel& program,
                       std::string_view digest);

// The digest in the file now at `path` (empty for an unprotected file and for
// a file of the first version), or kUnreadableDigest when it cannot be read.
std::string ReadStoredDigest(const std::filesystem::path& path);

}  // namespace solvara
