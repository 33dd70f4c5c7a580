#include "gui/app/desktop_integration.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "core/bufferdoc/solvara_doc_file.h"
#include "core/program/program_model.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

namespace fs = std::filesystem;

const QString kProgram = QStringLiteral("/opt/Solvara 2/bin/solvara");

// Where the desktop looks for each file, and the built-in file it holds.
const std::map<std::string, QString> kInstalled = {
    {"applications/com.orvane.Solvara.desktop", ":/desktop/com.orvane.Solvara.desktop"},
    {"mime/packages/com.orvane.Solvara.xml", ":/desktop/com.orvane.Solvara.xml"},
    {"icons/hicolor/scalable/apps/com.orvane.Solvara.svg", ":/icons/solvara.svg"},
    {"icons/hicolor/scalable/mimetypes/application-x-solvara-buffer.svg",
     ":/icons/buffer-document.svg"},
    {"icons/hicolor/scalable/mimetypes/application-x-solvara-ph-calculation.svg",
     ":/icons/ph-document.svg"},
};

QString pathText(const fs::path& path) { return QFile::decodeName(path.c_str()); }

std::string resourceText(const QString& name) {
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll().toStdString();
}

// Every file below `folder`, by its path relative to it.
std::set<std::string> filesBelow(const fs::path& folder) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files.insert(entry.path().lexically_relative(folder));
    }
    return files;
}

const std::string kDesktopEntry = "applications/com.orvane.Solvara.desktop";

std::string desktopEntry(const fs::path& dataHome) {
    return testing::readFile(dataHome / kDesktopEntry);
}

// Files beside an installed file that start with its name: what a write that did not finish
// would leave.
std::set<std::string> leftoversBelow(const fs::path& dataHome) {
    std::set<std::string> leftovers;
    for (const std::string& file : filesBelow(dataHome)) {
        for (const auto& [path, resource] : kInstalled) {
            if (file != path && file.starts_with(path)) leftovers.insert(file);
        }
    }
    return leftovers;
}

class DesktopIntegration : public ::testing::Test {
  protected:
    fs::path dataHome() const { return folder_.path() / "share"; }

    void install(const QString& program = kProgram) {
        const DesktopIntegrationResult result = installDesktopIntegration(dataHome(), program);
        ASSERT_TRUE(result.ok) << result.message.toStdString();
    }

    testing::TemporaryFolder folder_;
};

TEST_F(DesktopIntegration, InstallsTheEntryFileTypesAndIconsStartingThisProgram) {
    install();
    install();  // again, over the first

    for (const auto& [path, resource] : kInstalled) {
        std::string expected = resourceText(resource);
        if (path == kDesktopEntry) {
            const std::string exec = "Exec=solvara %F\n";
            ASSERT_NE(expected.find(exec), std::string::npos);
            expected.replace(expected.find(exec), exec.size(),
                             "Exec=\"/opt/Solvara 2/bin/solvara\" %F\n");
        }
        EXPECT_EQ(testing::readFile(dataHome() / path), expected) << path;
    }
    EXPECT_EQ(leftoversBelow(dataHome()), std::set<std::string>{});
}

TEST_F(DesktopIntegration, QuotesTheProgramPathAsTheDesktopEntryFormatWants) {
    // Inside the quotes ", `, $ and \ are escaped and % doubled; then every backslash is
    // written twice, as in any value of the entry.
    const struct {
        QString program;
        std::string exec;
    } cases[] = {
        {"/usr/bin/solvara", R"(Exec="/usr/bin/solvara" %F)"},
        {R"(/home/a "b"/$HOME/`x`/100%/solvara)",
         R"(Exec="/home/a \\"b\\"/\\$HOME/\\`x\\`/100%%/solvara" %F)"},
        {R"(/mnt/c\d/solvara)", R"(Exec="/mnt/c\\\\d/solvara" %F)"},
    };
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    for (const auto& [program, exec] : cases) {
        install(program);
        EXPECT_NE(desktopEntry(dataHome()).find("\n" + exec + "\n"), std::string::npos)
            << desktopEntry(dataHome());
        if (validator.isEmpty()) continue;
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(validator, {pathText(dataHome() / kDesktopEntry)});
        ASSERT_TRUE(validate.waitForFinished());
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
    }
}

TEST_F(DesktopIntegration, RemovesExactlyItsOwnFiles) {
    install();
    const std::string others[] = {"applications/other.desktop", "mime/packages/other.xml",
                                  "icons/hicolor/scalable/apps/other.svg",
                                  "icons/hicolor/scalable/mimetypes/other.svg"};
    for (const std::string& other : others) testing::writeFile(dataHome() / other, "other");

    for (int time = 0; time < 2; ++time) {  // a second removal finds nothing to do
        const DesktopIntegrationResult result = removeDesktopIntegration(dataHome());
        EXPECT_TRUE(result.ok) << result.message.toStdString();
    }
    for (const auto& [path, resource] : kInstalled) EXPECT_FALSE(fs::exists(dataHome() / path));
    for (const std::string& other : others) EXPECT_TRUE(fs::exists(dataHome() / other)) << other;
}

TEST_F(DesktopIntegration, SaysWhyItCannotInstallOrRemove) {
    const auto message = [](const DesktopIntegrationResult& result) {
        EXPECT_FALSE(result.ok);
        return result.message.toStdString();
    };
    EXPECT_NE(message(installDesktopIntegration({}, kProgram)).find("XDG_DATA_HOME"),
              std::string::npos);
    EXPECT_NE(message(removeDesktopIntegration({})).find("XDG_DATA_HOME"), std::string::npos);
    EXPECT_NE(message(installDesktopIntegration(dataHome(), "solvara")).find("\"solvara\""),
              std::string::npos);

    // A data home that is a file holds no folders.
    testing::writeFile(dataHome(), "not a folder");
    EXPECT_NE(message(installDesktopIntegration(dataHome(), kProgram))
                  .find("Could not create the folder " + dataHome().string()),
              std::string::npos);
    EXPECT_NE(message(removeDesktopIntegration(dataHome()))
                  .find("Could not remove " + (dataHome() / kDesktopEntry).string()),
              std::string::npos);
}

TEST(UserDataHome, IsXdgDataHomeElseTheSharedFolderInHome) {
    using Environment = std::map<std::string, std::string>;
    const struct {
        Environment environment;
        fs::path dataHome;
    } cases[] = {
        {{{"XDG_DATA_HOME", "/data/me"}, {"HOME", "/home/me"}}, "/data/me"},
        {{{"XDG_DATA_HOME", "relative"}, {"HOME", "/home/me"}}, "/home/me/.local/share"},
        {{{"HOME", "/home/me"}}, "/home/me/.local/share"},
        {{}, ""},
    };
    for (const auto& [environment, dataHome] : cases) {
        const auto lookup = [&](const char* name) -> std::optional<std::string> {
            const auto found = environment.find(name);
            if (found == environment.end()) return std::nullopt;
            return found->second;
        };
        EXPECT_EQ(userDataHome(lookup), dataHome);
    }
}

// Installs into a data home of its own and puts the installed file types beside the standard
// ones, `standardTypes`, as a system-wide installation does; then prints the type the desktop's
// lookup gives each of a few files, and ends the process. (Qt 6.4 lets a system rule win over
// a per-user rule of higher priority, so the per-user folder alone would not show it there.)
[[noreturn]] void printFileTypesAfterInstalling(const fs::path& standardTypes) {
    std::string report;
    {
        testing::TemporaryFolder folder;
        const fs::path dataHome = folder.path() / "home";
        installDesktopIntegration(dataHome, kProgram);
        const fs::path system = folder.path() / "system";
        fs::create_directories(system / "mime/packages");
        fs::copy_file(standardTypes, system / "mime/packages/freedesktop.org.xml");
        fs::copy_file(dataHome / "mime/packages/com.orvane.Solvara.xml",
                      system / "mime/packages/com.orvane.Solvara.xml");
        qputenv("XDG_DATA_HOME", dataHome.c_str());
        qputenv("XDG_DATA_DIRS", system.c_str());
        qputenv("PKGSYSTEM_ENABLE_FSYNC", "0");  // a throwaway database need not reach the disk
        QProcess::execute("update-mime-database", {pathText(system / "mime")});

        const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
        CSolvaraDoc design(*program);
        writeBufferDocumentFile(design, folder.path() / "design.buf");
        fs::copy_file(folder.path() / "design.buf", folder.path() / "design.dat");
        testing::writeFile(folder.path() / "notes.buf", "Tris 50 mM\nNaCl 150 mM\n");
        testing::writeFile(folder.path() / "solution.phc", "any content");

        const QMimeDatabase fileTypes;
        for (const char* name : {"design.buf", "design.dat", "notes.buf", "solution.phc"}) {
            const QString type = fileTypes.mimeTypeForFile(pathText(folder.path() / name)).name();
            report += std::string(name) + " " + type.toStdString() + "\n";
        }
    }
    std::fputs(report.c_str(), stderr);
    std::exit(0);
}

TEST(DesktopFileTypes, BufferDocumentsAreKnownByTheirStartNotByTheirName) {
    const QString standardTypes = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                         "mime/packages/freedesktop.org.xml");
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty() ||
        standardTypes.isEmpty()) {
        GTEST_SKIP() << "the shared MIME database and its tools are not installed";
    }
    // QMimeDatabase reads its folders once, at its first use in a process: the lookup runs in a
    // process started afresh for it.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(printFileTypesAfterInstalling(QFile::encodeName(standardTypes).toStdString()),
                ::testing::ExitedWithCode(0),
                "design.buf application/x-solvara-buffer\n"
                "design.dat application/x-solvara-buffer\n"
                "notes.buf text/plain\n"
                "solution.phc application/x-solvara-ph-calculation\n");
}

}  // namespace
}  // namespace solvara
