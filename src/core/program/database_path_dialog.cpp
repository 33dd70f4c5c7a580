#include "core/program/database_path_dialog.h"

#include <utility>

#include "core/program/database_file.h"
#include "core/program/database_messages.h"

namespace solvara {

DatabasePathDialog::DatabasePathDialog(std::filesystem::path databasePath,
                                       std::filesystem::path defaultPath)
    : databasePath_(std::move(databasePath)),
      defaultPath_(std::move(defaultPath)),
      text_(databasePath_.string()) {}

DatabasePathDialog::Outcome DatabasePathDialog::Accept(ProgramDatabase& database) const {
    const std::filesystem::path path(text_);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        if (!database.AskForProtection()) return Outcome::stay;
        return saveAt(database, path);
    }
    switch (database.questions().askYesNoCancel(database_messages::kOverwriteExisting,
                                                MessageIcon::stop)) {
        case Answer::yes:
            return overwrite(database, path);
        case Answer::no:
            if (database.LoadDatabase(path)) return Outcome::storePathAndClose;
            database.questions().showMessage(database_messages::kPathNotChanged);
            return Outcome::closeKeepingSetting;
        case Answer::cancel:
            break;
    }
    return Outcome::stay;
}

DatabasePathDialog::Outcome DatabasePathDialog::overwrite(ProgramDatabase& database,
                                                          const std::filesystem::path& path) const {
    const std::string stored = ReadStoredDigest(path);
    if (stored.empty()) {
        if (!database.AskForProtection()) return Outcome::stay;
    } else {
        // Only who knows the file's own password may replace it.
        std::optional<std::string> digest =
            database.questions().askPassword(PasswordDialogMode::change, stored);
        if (!digest) return Outcome::stay;
        database.setPasswordDigest(std::move(*digest));
    }
    return saveAt(database, path);
}

DatabasePathDialog::Outcome DatabasePathDialog::saveAt(ProgramDatabase& database,
                                                       const std::filesystem::path& path) const {
    if (database.SaveDatabase(path, true)) return Outcome::storePathAndClose;
    database.questions().showMessage(database_messages::kCannotSaveAtPath);
    return Outcome::stay;
}

}  // namespace solvara
