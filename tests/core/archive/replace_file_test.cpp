#include "core/archive/replace_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <set>
#include <string>
#include <string_view>

#include "core/archive/file_descriptor.h"
#include "core/archive/file_error.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

namespace fs = std::filesystem;

class ReplaceFile : public ::testing::Test {
  protected:
    fs::path at(const char* name) const { return folder_.path() / name; }

    static void save(const fs::path& target, std::string_view content) {
        replaceFile(target, [&](std::ostream& out) { out << content; });
    }

    // The message the save of `target` is refused with; a test failure when it succeeds.
    static std::string refusal(const fs::path& target) {
        try {
            save(target, "new");
        } catch (const FileError& error) {
            return error.what();
        }
        ADD_FAILURE() << target << " was saved";
        return {};
    }

    static std::set<std::string> namesIn(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    testing::TemporaryFolder folder_;
};

TEST_F(ReplaceFile, FilesAndFoldersNamedLikeATemporaryFileAreNeverTouched) {
    testing::writeFile(at("out.phc"), "old");
    testing::writeFile(at("out.phc.tmp"), "the user's own file");
    fs::create_directory(at("lab.dat.tmp"));
    testing::writeFile(at("lab.dat.tmp") / "inside", "kept");

    save(at("out.phc"), "new");
    save(at("lab.dat"), "new");

    EXPECT_EQ(testing::readFile(at("out.phc")), "new");
    EXPECT_EQ(testing::readFile(at("lab.dat")), "new");
    EXPECT_EQ(testing::readFile(at("out.phc.tmp")), "the user's own file");
    EXPECT_EQ(testing::readFile(at("lab.dat.tmp") / "inside"), "kept");
    EXPECT_EQ(namesIn(folder_.path()),
              (std::set<std::string>{"lab.dat", "lab.dat.tmp", "out.phc", "out.phc.tmp"}));
}

TEST_F(ReplaceFile, AnExistingFileKeepsItsPermissionBitsAndANewOneGetsTheUsualOnes) {
    for (const fs::perms bits : {fs::perms(0600), fs::perms(0640), fs::perms(0755)}) {
        testing::writeFile(at("lab.dat"), "old");
        fs::permissions(at("lab.dat"), bits);
        save(at("lab.dat"), "new");
        EXPECT_EQ(fs::status(at("lab.dat")).permissions(), bits) << static_cast<int>(bits);
        EXPECT_EQ(testing::readFile(at("lab.dat")), "new");
    }

    const mode_t umaskBefore = ::umask(022);
    save(at("new.phc"), "new");
    ::umask(umaskBefore);
    EXPECT_EQ(fs::status(at("new.phc")).permissions(), fs::perms(0644));
}

TEST_F(ReplaceFile, ASymbolicLinkStaysAndTheFileItPointsAtIsReplaced) {
    fs::create_directory(at("real"));
    const fs::path real = at("real") / "data.dat";
    struct Case {
        const char* what;
        fs::path link;
        fs::path pointsAt;
        bool targetExists;
    };
    const Case cases[] = {
        {"relative", at("relative.dat"), "real/data.dat", true},
        {"absolute", at("absolute.dat"), real, true},
        {"through another link", at("chained.dat"), "relative.dat", true},
        {"to a file still missing", at("dangling.dat"), "real/data.dat", false},
    };
    for (const Case& c : cases) {
        if (c.targetExists) {
            testing::writeFile(real, "old");
        } else {
            fs::remove(real);
        }
        if (!fs::is_symlink(fs::symlink_status(c.link))) fs::create_symlink(c.pointsAt, c.link);
        save(c.link, c.what);
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(c.link))) << c.what;
        EXPECT_EQ(fs::read_symlink(c.link), c.pointsAt) << c.what;
        EXPECT_EQ(testing::readFile(real), c.what);
        EXPECT_EQ(namesIn(at("real")), std::set<std::string>{"data.dat"}) << c.what;
    }
    EXPECT_EQ(namesIn(folder_.path()),
              (std::set<std::string>{"absolute.dat", "chained.dat", "dangling.dat", "real",
                                     "relative.dat"}));
}

TEST_F(ReplaceFile, AFileMadeReadOnlyIsRefusedAndKept) {
    testing::writeFile(at("out.phc"), "old");
    fs::permissions(at("out.phc"), fs::perms(0444));
    EXPECT_EQ(refusal(at("out.phc")), at("out.phc").string() + ": cannot be saved: is read-only.");
    EXPECT_EQ(testing::readFile(at("out.phc")), "old");
    EXPECT_EQ(namesIn(folder_.path()), std::set<std::string>{"out.phc"});
}

TEST_F(ReplaceFile, RefusalsSayWhyInTheSystemsWords) {
    fs::create_directory(at("folder"));
    testing::writeFile(at("file.txt"), "text");
    ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
    fs::create_symlink("loop-b", at("loop-a"));
    fs::create_symlink("loop-a", at("loop-b"));
    const std::set<std::string> before = namesIn(folder_.path());
    struct Case {
        fs::path target;
        const char* reason;
    };
    const Case cases[] = {
        {at("absent") / "x.dat", "no such folder"},
        {at("folder"), "is a folder"},
        {at("file.txt") / "x.dat", "a part of its path is not a folder"},
        {at("pipe"), "is not a regular file"},
        {at("loop-a"), "too many levels of symbolic links"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusal(c.target), c.target.string() + ": cannot be saved: " + c.reason + ".");
    }
    EXPECT_EQ(namesIn(folder_.path()), before);
    EXPECT_TRUE(fs::is_empty(at("folder")));
}

TEST_F(ReplaceFile, AFolderWithoutWritePermissionIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    fs::create_directory(at("locked"));
    fs::permissions(at("locked"), fs::perms(0500));
    const std::string message = refusal(at("locked") / "out.phc");
    fs::permissions(at("locked"), fs::perms(0700));
    EXPECT_EQ(message,
              (at("locked") / "out.phc").string() + ": cannot be saved: permission denied.");
    EXPECT_TRUE(fs::is_empty(at("locked")));
}

TEST_F(ReplaceFile, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTemporary) {
    testing::writeFile(at("lab.dat"), "old");
    // A file size limit makes the write itself fail, for root too. Nothing may be printed while
    // it holds: a log file would hit it as well.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = 16;
    const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    std::string message;
    try {
        save(at("lab.dat"), std::string(1000, 'x'));
    } catch (const FileError& error) {
        message = error.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signalBefore);

    EXPECT_EQ(message, at("lab.dat").string() + ": cannot be saved: the file is too large.");
    EXPECT_EQ(testing::readFile(at("lab.dat")), "old");
    EXPECT_EQ(namesIn(folder_.path()), std::set<std::string>{"lab.dat"});
}

TEST(FileDescriptorWrite, AFullDeviceIsReportedAsNoSpaceLeft) {
    const FileDescriptor full(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    if (!full.isOpen()) GTEST_SKIP() << "no /dev/full here";
    const std::error_code error = writeAll(full.get(), "bytes");
    EXPECT_EQ(error, std::errc::no_space_on_device);
    EXPECT_EQ(FileError(FileAction::save, "lab.dat", error).what(),
              std::string("lab.dat: cannot be saved: no space left on the device."));
}

}  // namespace
}  // namespace solvara
