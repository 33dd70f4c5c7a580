#include "core/program/program_database.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/program/database_file.h"
#include "core/program/database_messages.h"
#include "core/program/database_path_dialog.h"
#include "core/program/password_digest.h"
#include "support/archive_test_support.h"
#include "support/database_file_bytes.h"
#include "support/scripted_questions.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

namespace messages = database_messages;
using Log = std::vector<std::string>;
using testing::cancelled;
using testing::entered;
using testing::PasswordEntry;

class ProgramDatabaseTest : public ::testing::Test {
  protected:
    // An edit the exit prompt would offer to save.
    static void modify(ProgramDatabase& database) {
        BLAcid acid;
        acid.name = "edited";
        database.program().acids.Add(acid, true);
    }

    // A database file at `where` holding the starter content and one edit, protected by `password`.
    void writeDatabase(const std::filesystem::path& where, const std::string& password) {
        testing::ScriptedQuestions quiet;
        ProgramDatabase writer(quiet);
        modify(writer);
        writer.setPasswordDigest(passwordDigest(password));
        ASSERT_TRUE(writer.SaveDatabase(where, true));
    }

    testing::TemporaryFolder folder;
    const std::filesystem::path path = folder.path() / "Orvane" / "Solvara" / "Solvaradatabase.dat";
    testing::ScriptedQuestions questions;
    ProgramDatabase database{questions};
};

TEST_F(ProgramDatabaseTest, AMissingFileLeavesTheUnmodifiedStarterContent) {
    EXPECT_FALSE(database.LoadDatabase(path));
    EXPECT_EQ(questions.log, (Log{messages::kCannotOpen}));
    EXPECT_EQ(database.program().acids.Count(), 10);
    EXPECT_EQ(database.program().reagents.Count(), 16);
    EXPECT_EQ(database.program().salts.Count(), 8);
    EXPECT_FALSE(database.IsDatabaseModified());
}

TEST_F(ProgramDatabaseTest, AnUnknownVersionIsRefusedWithItsMessage) {
    std::filesystem::create_directories(path.parent_path());
    testing::writeFile(path, testing::hexBytes("00 00 03 00 00"));
    EXPECT_FALSE(database.LoadDatabase(path));
    EXPECT_EQ(questions.log, (Log{messages::kWrongVersion, messages::kCannotOpen}));
    EXPECT_EQ(database.program().acids.Count(), 10);
}

TEST_F(ProgramDatabaseTest, ASavedDatabaseLoadsBackWithItsDigest) {
    writeDatabase(path, "pw");  // creates the sub-folders
    ASSERT_TRUE(database.LoadDatabase(path));
    EXPECT_TRUE(questions.log.empty());
    EXPECT_EQ(database.passwordDigest(), passwordDigest("pw"));
    EXPECT_NE(database.program().acids.FindByName("edited"), nullptr);
    EXPECT_FALSE(database.IsDatabaseModified());
}

TEST_F(ProgramDatabaseTest, AFirstVersionFileKeepsTheDigestInMemoryAndIsReplacedWithoutAPassword) {
    testing::DatabaseFileBytes file;
    file.bytes.int32(0x10000);
    file.elementTable(0x10000).listHeader(0, 0).listHeader(0, 0).listHeader(0, 0);
    file.bufferDatabase(0x10000, 0, 0);
    std::filesystem::create_directories(path.parent_path());
    testing::writeFile(path, file.bytes.bytes());

    database.setPasswordDigest(passwordDigest("kept"));
    ASSERT_TRUE(database.LoadDatabase(path));
    EXPECT_EQ(database.passwordDigest(), passwordDigest("kept"));
    modify(database);
    questions.yesNo = {true};
    database.SaveDatabaseOnRequest(path);
    EXPECT_EQ(questions.log, (Log{messages::kSaveChanges}));
    EXPECT_EQ(ReadStoredDigest(path), passwordDigest("kept"));
}

TEST_F(ProgramDatabaseTest, AProtectedFileIsReplacedOnlyWithItsPassword) {
    writeDatabase(path, "pw");
    ASSERT_TRUE(database.LoadDatabase(path));
    const std::string before = testing::readFile(path);
    modify(database);

    // A wrong password, then a cancelled dialog, each answered with No to the retry.
    for (const PasswordEntry& entry : {entered("wrong"), cancelled()}) {
        questions.log.clear();
        questions.yesNo = {true, false};
        questions.passwords = {entry};
        database.SaveDatabaseOnRequest(path);
        EXPECT_EQ(questions.log, (Log{messages::kSaveChanges, "password dialog: enter",
                                      messages::kIncorrectPassword, messages::kNotSaved}));
        EXPECT_EQ(testing::readFile(path), before);
        EXPECT_TRUE(database.IsDatabaseModified());
    }

    questions.log.clear();
    questions.yesNo = {true, true};
    questions.passwords = {entered("wrong"), entered("pw")};
    database.SaveDatabaseOnRequest(path);
    EXPECT_EQ(questions.log, (Log{messages::kSaveChanges, "password dialog: enter",
                                  messages::kIncorrectPassword, "password dialog: enter"}));
    EXPECT_NE(testing::readFile(path), before);
    EXPECT_FALSE(database.IsDatabaseModified());
}

TEST_F(ProgramDatabaseTest, ACheckedSaveWhereNoReadableFileExistsCannotSucceed) {
    modify(database);
    questions.yesNo = {true, false};
    questions.passwords = {entered("")};
    database.SaveDatabaseOnRequest(path);
    EXPECT_EQ(questions.log.back(), messages::kNotSaved);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ProgramDatabaseTest, AnEmptyNewPasswordRemovesTheProtection) {
    writeDatabase(path, "pw");
    ASSERT_TRUE(database.LoadDatabase(path));
    questions.passwords = {{"pw", "", ""}};
    database.ChangeDatabasePassword(path);
    EXPECT_EQ(questions.log, (Log{"password dialog: change"}));
    EXPECT_EQ(ReadStoredDigest(path), "");

    questions.log.clear();
    modify(database);
    questions.yesNo = {true};
    database.SaveDatabaseOnRequest(path);
    EXPECT_EQ(questions.log, (Log{messages::kSaveChanges}));
    EXPECT_FALSE(database.IsDatabaseModified());
}

TEST_F(ProgramDatabaseTest, ThePasswordCommandAsksBeforeSavingChangesAndSetsAFirstPassword) {
    modify(database);
    questions.yesNo = {false};
    database.ChangeDatabasePassword(path);
    EXPECT_EQ(questions.log, (Log{messages::kPasswordChangeSaves}));
    EXPECT_FALSE(std::filesystem::exists(path));

    questions.log.clear();
    questions.yesNo = {true};
    questions.passwords = {{"", "new", "new"}};
    database.ChangeDatabasePassword(path);
    EXPECT_EQ(questions.log, (Log{messages::kPasswordChangeSaves, "password dialog: set"}));
    EXPECT_EQ(ReadStoredDigest(path), passwordDigest("new"));
    EXPECT_FALSE(database.IsDatabaseModified());
}

TEST_F(ProgramDatabaseTest, AFailedSaveKeepsTheDatabaseModifiedAndTheNewPasswordUnsaved) {
    std::filesystem::create_directories(path);  // a folder where the file should go
    testing::writeFile(path / "keep.txt", "kept");
    questions.passwords = {{"", "new", "new"}};
    database.ChangeDatabasePassword(path);
    EXPECT_TRUE(database.IsDatabaseModified());
    modify(database);
    EXPECT_FALSE(database.SaveDatabase(path, true));
    EXPECT_TRUE(database.IsDatabaseModified());
    EXPECT_EQ(testing::readFile(path / "keep.txt"), "kept");
}

TEST_F(ProgramDatabaseTest, AnUnreadableFileIsKeptBesideTheFirstSaveOverIt) {
    writeDatabase(path, "");
    ASSERT_TRUE(database.LoadDatabase(path));
    ASSERT_EQ(database.program().acids.Count(), 11);

    // A record in the middle of the file names an unknown class.
    std::string damaged = testing::readFile(path);
    damaged.replace(damaged.find("Reagent"), 7, "Reagenz");
    testing::writeFile(path, damaged);
    EXPECT_FALSE(database.LoadDatabase(path));
    ASSERT_EQ(questions.log.size(), 2u);
    EXPECT_EQ(questions.log[0], path.string() + " contained an unexpected object.");
    EXPECT_EQ(questions.log[1], messages::kCannotOpen);
    EXPECT_EQ(database.program().acids.Count(),
              10);  // the starter content, nothing of the damaged file

    questions.log.clear();
    modify(database);
    questions.yesNo = {true};
    database.SaveDatabaseOnRequest(path);
    const std::filesystem::path backup = path.string() + ".unreadable";
    EXPECT_EQ(questions.log,
              (Log{messages::kSaveChanges, messages::kUnreadableKept + backup.string()}));
    EXPECT_EQ(testing::readFile(backup), damaged);
    EXPECT_TRUE(readDatabaseFile(path).program != nullptr);

    // Only the first save moves it aside.
    questions.log.clear();
    modify(database);
    questions.yesNo = {true};
    database.SaveDatabaseOnRequest(path);
    EXPECT_EQ(questions.log, (Log{messages::kSaveChanges}));
    EXPECT_EQ(testing::readFile(backup), damaged);
}

TEST_F(ProgramDatabaseTest, PathDialogEnablesOkForAnotherPath) {
    DatabasePathDialog dialog(path, folder.path() / "default.dat");
    EXPECT_EQ(dialog.text(), path.string());
    EXPECT_FALSE(dialog.IsOkEnabled());
    dialog.UseDefault();
    EXPECT_EQ(dialog.text(), (folder.path() / "default.dat").string());
    EXPECT_TRUE(dialog.IsOkEnabled());
    dialog.SetText(path.string());
    EXPECT_FALSE(dialog.IsOkEnabled());
}

TEST_F(ProgramDatabaseTest, PathDialogWritesANewFileWithTheCurrentDigest) {
    database.setPasswordDigest(passwordDigest("pw"));
    DatabasePathDialog dialog(path, path);
    const auto other = folder.path() / "other.dat";
    dialog.SetText(other.string());

    questions.yesNoCancel = {Answer::cancel};
    EXPECT_EQ(dialog.Accept(database), DatabasePathDialog::Outcome::stay);
    EXPECT_FALSE(std::filesystem::exists(other));

    questions.yesNoCancel = {Answer::no};
    EXPECT_EQ(dialog.Accept(database), DatabasePathDialog::Outcome::storePathAndClose);
    EXPECT_EQ(questions.log, (Log{messages::kProtect, messages::kProtect}));
    EXPECT_EQ(ReadStoredDigest(other), passwordDigest("pw"));
}

TEST_F(ProgramDatabaseTest, PathDialogReadsAnExistingFileOrKeepsTheSetting) {
    const auto other = folder.path() / "other.dat";
    writeDatabase(other, "");
    DatabasePathDialog dialog(path, path);
    dialog.SetText(other.string());
    questions.yesNoCancel = {Answer::no};
    EXPECT_EQ(dialog.Accept(database), DatabasePathDialog::Outcome::storePathAndClose);
    EXPECT_EQ(questions.log, (Log{messages::kOverwriteExisting}));
    EXPECT_EQ(database.program().acids.Count(), 11);

    questions.log.clear();
    testing::writeFile(other, "damaged");
    questions.yesNoCancel = {Answer::no};
    EXPECT_EQ(dialog.Accept(database), DatabasePathDialog::Outcome::closeKeepingSetting);
    EXPECT_EQ(questions.log, (Log{messages::kOverwriteExisting, messages::kWrongVersion,
                                  messages::kCannotOpen, messages::kPathNotChanged}));
    EXPECT_EQ(database.program().acids.Count(), 10);
}

TEST_F(ProgramDatabaseTest, PathDialogOverwritesAProtectedFileOnlyWithItsPassword) {
    const auto other = folder.path() / "other.dat";
    writeDatabase(other, "theirs");
    const std::string before = testing::readFile(other);
    DatabasePathDialog dialog(path, path);
    dialog.SetText(other.string());

    questions.yesNoCancel = {Answer::yes};
    questions.passwords = {{"guess", "", "", false}};
    EXPECT_EQ(dialog.Accept(database), DatabasePathDialog::Outcome::stay);
    EXPECT_EQ(testing::readFile(other), before);

    questions.yesNoCancel = {Answer::yes};
    questions.passwords = {{"theirs", "mine", "mine"}};
    EXPECT_EQ(dialog.Accept(database), DatabasePathDialog::Outcome::storePathAndClose);
    EXPECT_EQ(questions.log, (Log{messages::kOverwriteExisting, "password dialog: change",
                                  messages::kOverwriteExisting, "password dialog: change"}));
    EXPECT_EQ(ReadStoredDigest(other), passwordDigest("mine"));
    EXPECT_EQ(database.passwordDigest(), passwordDigest("mine"));
}

TEST_F(ProgramDatabaseTest, NothingIsSavedWithoutAPath) {
    modify(database);
    EXPECT_FALSE(database.SaveDatabase({}, true));
    EXPECT_TRUE(database.IsDatabaseModified());
}

TEST_F(ProgramDatabaseTest, PathDialogStaysWhenTheSaveFails) {
    const auto folderPath = folder.path() / "taken";
    std::filesystem::create_directories(folderPath);
    testing::writeFile(folderPath / "keep.txt", "kept");
    DatabasePathDialog dialog(path, path);
    dialog.SetText(folderPath.string());
    questions.yesNoCancel = {Answer::no};
    EXPECT_EQ(dialog.Accept(database), DatabasePathDialog::Outcome::stay);
    // Why the save failed comes first, naming the place.
    ASSERT_EQ(questions.log.size(), 3u);
    EXPECT_EQ(questions.log[0], messages::kProtect);
    EXPECT_NE(questions.log[1].find(folderPath.string()), std::string::npos) << questions.log[1];
    EXPECT_EQ(questions.log[2], messages::kCannotSaveAtPath);
}

}  // namespace
}  // namespace solvara
