#include "core/program/program_database.h"

#include <exception>
#include <utility>

#include "core/archive/unreadable_file_backup.h"
#include "core/program/database_file.h"
#include "core/program/database_messages.h"

namespace solvara {

namespace {

// One spelling per file, so a path typed differently still finds its entry.
std::filesystem::path fileKey(const std::filesystem::path& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return (absolute.empty() ? path : absolute).lexically_normal();
}

bool isFile(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

ProgramDatabase::ProgramDatabase(DatabaseFileQuestions& questions)
    : questions_(&questions), program_(makeStarterProgramModel()) {}

void ProgramDatabase::setPasswordDigest(std::string digest) {
    if (digest == passwordDigest_) return;
    passwordDigest_ = std::move(digest);
    unsavedChanges_ = true;
}

void ProgramDatabase::addListener(ProgramModelListener& listener) {
    listeners_.push_back(&listener);
}

void ProgramDatabase::removeListener(ProgramModelListener& listener) {
    std::erase(listeners_, &listener);
}

void ProgramDatabase::adopt(std::shared_ptr<ProgramModel> program) {
    // The defaults come from their own file and outlive any database.
    program->defaults = program_->defaults;
    program->acidChooser = program_->acidChooser;
    // A copy, so a listener may remove itself while it is told.
    const std::vector<ProgramModelListener*> listeners = listeners_;
    for (ProgramModelListener* listener : listeners)
        listener->programModelAboutToBeReplaced(*program_);
    program_ = std::move(program);
    unsavedChanges_ = false;
    for (ProgramModelListener* listener : listeners) listener->programModelReplaced(*program_);
}

bool ProgramDatabase::LoadDatabase(const std::filesystem::path& path) {
    DatabaseFileContent content = readDatabaseFile(path);
    if (content.program != nullptr) {
        adopt(std::move(content.program));
        // A file of the first version has no digest; the one in memory stays.
        if (content.passwordDigest) passwordDigest_ = std::move(*content.passwordDigest);
        unreadableFiles_.erase(fileKey(path));
        return true;
    }
    if (content.failure == DatabaseReadFailure::wrongVersion)
        questions_->showMessage(database_messages::kWrongVersion);
    if (content.failure == DatabaseReadFailure::malformed) questions_->showMessage(content.reason);
    questions_->showMessage(database_messages::kCannotOpen);
    adopt(makeStarterProgramModel());
    if (isFile(path)) unreadableFiles_.insert(fileKey(path));
    return false;
}

bool ProgramDatabase::IsDatabaseModified() const {
    return unsavedChanges_ || program_->IsModified();
}

bool ProgramDatabase::passwordAccepted(const std::string& stored) {
    for (;;) {
        // A cancelled dialog gives the empty result, which no stored digest equals.
        const std::string entered =
            questions_->askPassword(PasswordDialogMode::enter, {}).value_or(std::string());
        if (entered == stored) return true;
        if (!questions_->askYesNo(database_messages::kIncorrectPassword, MessageIcon::exclamation))
            return false;
    }
}

void ProgramDatabase::keepUnreadableFile(const std::filesystem::path& path) {
    const auto unreadable = unreadableFiles_.find(fileKey(path));
    if (unreadable == unreadableFiles_.end()) return;
    if (isFile(path)) {
        const std::filesystem::path backup = moveUnreadableFileAside(path);
        questions_->showMessage(database_messages::kUnreadableKept + backup.string());
    }
    unreadableFiles_.erase(unreadable);
}

bool ProgramDatabase::SaveDatabase(const std::filesystem::path& path, bool skipPasswordCheck) {
    // No per-user folder and no setting: there is nowhere to save.
    if (path.empty()) return false;
    if (!skipPasswordCheck) {
        const std::string stored = ReadStoredDigest(path);
        if (!stored.empty() && !passwordAccepted(stored)) return false;
    }
    const bool wasModified = IsDatabaseModified();
    try {
        if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
        keepUnreadableFile(path);
        writeDatabaseFile(path, *program_, passwordDigest_);
    } catch (const std::exception& error) {
        // Writing clears the flags of the parts it reached; nothing reached the file.
        unsavedChanges_ = wasModified;
        // Names the file and why it could not be written.
        questions_->showMessage(error.what());
        return false;
    }
    unsavedChanges_ = false;
    return true;
}

void ProgramDatabase::SaveDatabaseOnRequest(const std::filesystem::path& databasePath) {
    if (!IsDatabaseModified()) return;
    if (!questions_->askYesNo(database_messages::kSaveChanges, MessageIcon::none)) return;
    if (!SaveDatabase(databasePath, false)) questions_->showMessage(database_messages::kNotSaved);
}

void ProgramDatabase::ChangeDatabasePassword(const std::filesystem::path& databasePath) {
    if (IsDatabaseModified() &&
        !questions_->askYesNo(database_messages::kPasswordChangeSaves, MessageIcon::none)) {
        return;
    }
    const PasswordDialogMode mode =
        passwordDigest_.empty() ? PasswordDialogMode::set : PasswordDialogMode::change;
    std::optional<std::string> digest = questions_->askPassword(mode, passwordDigest_);
    if (!digest) return;
    setPasswordDigest(std::move(*digest));
    SaveDatabase(databasePath, true);
}

bool ProgramDatabase::AskForProtection() {
    switch (questions_->askYesNoCancel(database_messages::kProtect, MessageIcon::stop)) {
        case Answer::yes: {
            std::optional<std::string> digest =
                questions_->askPassword(PasswordDialogMode::set, passwordDigest_);
            if (!digest) return false;
            setPasswordDigest(std::move(*digest));
            return true;
        }
        case Answer::no:
            return true;
        case Answer::cancel:
            break;
    }
    return false;
}

}  // namespace solvara
