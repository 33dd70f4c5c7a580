#include "core/database/unreadable_file_backup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/database/file_error.h"
#include "temporary_folder.h"

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

TEST(UnreadableFileBackup, AFileThatCannotBeMovedIsAnError) {
    testing::TemporaryFolder folder;
    EXPECT_THROW(moveUnreadableFileAside(folder.path() / "missing.dat"),
                 FileError);
}

}  // namespace
}  // namespace solvara
