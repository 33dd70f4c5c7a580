#pragma once

namespace solvara::database_messages {

// The texts the database file operations show and ask, exactly as the user sees them.
inline constexpr const char* kCannotOpen =
    "Can't open program database file.\nProgram will start with a limited database.";
inline constexpr const char* kWrongVersion = "Wrong version of the buffers database file.";
inline constexpr const char* kIncorrectPassword = "Incorrect password, do you wan't to retry?";
inline constexpr const char* kSaveChanges = "Save changes to the program database?";
inline constexpr const char* kNotSaved = "Error: database was NOT saved.";
inline constexpr const char* kPasswordChangeSaves =
    "After changing password changes you did to the database will be saved.\r\nIs that what you "
    "want?";
inline constexpr const char* kOverwriteExisting =
    "Do you want to overwrite existing database?\n\n(Selecting No will READ the new database)";
inline constexpr const char* kProtect =
    "Do you want to use a password to protect the database from overwriting?";
inline constexpr const char* kCannotSaveAtPath = "Can't save the database at specified location.";
inline constexpr const char* kPathNotChanged = "Database path not changed.";
// Followed by the path the unreadable file was moved to.
inline constexpr const char* kUnreadableKept =
    "The database file that could not be read was kept as\n";

}  // namespace solvara::database_messages
