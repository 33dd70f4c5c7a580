#include "core/archive/unreadable_file_backup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/archive/file_error.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

TEST(UnreadableFileBackup, MovesTheFileToTheFirstFreeNameBesideIt) {
    testing::TemporaryFolder folder;
    const auto path = folder.path() / "Solvaradatabase.dat";
    testing::writeFile(path, "first");
    EXPECT_EQ(moveUnreadableFileAside(path), folder.path() / "Solvaradatabase.dat.unreadable");
    EXPECT_FALSE(std::filesystem::exists(path));

    testing::writeFile(path, "second");
    EXPECT_EQ(moveUnreadableFileAside(path), folder.path() / "Solvaradatabase.dat.unreadable-2");
    EXPECT_EQ(testing::readFile(folder.path() / "Solvaradatabase.dat.unreadable"), "first");
    EXPECT_EQ(testing::readFile(folder.path() / "Solvaradatabase.dat.unreadable-2"), "second");
}

TEST(UnreadableFileBackup, ALinkStaysAndTheFileItPointsAtIsMovedBesideItself) {
    testing::TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "real");
    const auto file = folder.path() / "real" / "lab.dat";
    testing::writeFile(file, "unreadable");
    const auto link = folder.path() / "Solvaradatabase.dat";
    std::filesystem::create_symlink(file, link);
    EXPECT_EQ(moveUnreadableFileAside(link), folder.path() / "real" / "lab.dat.unreadable");
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(link)));
    EXPECT_EQ(testing::readFile(folder.path() / "real" / "lab.dat.unreadable"), "unreadable");
}

TEST(UnreadableFileBackup, AFileThatCannotBeMovedIsAnError) {
    testing::TemporaryFolder folder;
    EXPECT_THROW(moveUnreadableFileAside(folder.path() / "missing.dat"), FileError);
}

}  // namespace
}  // namespace solvara
