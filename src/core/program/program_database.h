#pragma once

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/program/database_file_questions.h"
#include "core/program/program_model.h"
#include "core/program/program_model_listener.h"

namespace solvara {

// The program database as the running program holds it: the program model,
// the password digest of its file, and the rules for reading, saving and
// protecting that file. Questions and messages go through `questions`.
class ProgramDatabase {
  public:
    // Starts with the starter content, unmodified and unprotected.
    explicit ProgramDatabase(DatabaseFileQuestions& questions);
    ProgramDatabase(const ProgramDatabase&) = delete;
    ProgramDatabase& operator=(const ProgramDatabase&) = delete;

    // A different model after every LoadDatabase, whether it succeeds or not:
    // reading always fills a fresh model, and the one in use is replaced only
    // by a complete read or by the starter content. Documents made with the
    // old model share its ownership and keep it alive.
    ProgramModel& program() noexcept { return *program_; }
    const ProgramModel& program() const noexcept { return *program_; }
    // Listeners are told before and after every replacement of the model;
    // one must be removed before it is destroyed.
    void addListener(ProgramModelListener& listener);
    void removeListener(ProgramModelListener& listener);
    DatabaseFileQuestions& questions() noexcept { return *questions_; }

    // Empty when the database has no password.
    const std::string& passwordDigest() const noexcept { return passwordDigest_; }
    // A new digest counts as a change until it has been saved.
    void setPasswordDigest(std::string digest);

    // Reads the file at `path`. On failure says why, then works with the
    // starter content; a file that was there but could not be read is moved
    // aside before anything is saved over it.
    bool LoadDatabase(const std::filesystem::path& path);
    // Writes the database to `path`, creating its folder when needed. Unless
    // `skipPasswordCheck`, a file protected by a password is replaced only
    // after that password has been entered. A failure leaves the old file
    // untouched and the database modified.
    bool SaveDatabase(const std::filesystem::path& path, bool skipPasswordCheck);
    bool IsDatabaseModified() const;

    // "Save database" and the last step of the exit sequence.
    void SaveDatabaseOnRequest(const std::filesystem::path& databasePath);
    // "Database password": set, change or remove the password, then save.
    void ChangeDatabasePassword(const std::filesystem::path& databasePath);
    // "Do you want to use a password...": false when the user aborted.
    bool AskForProtection();

  private:
    void adopt(std::shared_ptr<ProgramModel> program);
    bool passwordAccepted(const std::string& stored);
    void keepUnreadableFile(const std::filesystem::path& path);

    DatabaseFileQuestions* questions_;
    std::shared_ptr<ProgramModel> program_;
    std::vector<ProgramModelListener*> listeners_;
    std::string passwordDigest_;
    // Changes the model no longer shows: a failed save cleared its flags, or
    // the digest changed.
    bool unsavedChanges_ = false;
    // Files whose read failed; each is moved aside before the first save over it.
    std::set<std::filesystem::path> unreadableFiles_;
};

}  // namespace solvara
