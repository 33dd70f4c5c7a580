#include <gtest/gtest.h>

#include "gui/app/installer_switch.h"
#include "gui/app/recent_files.h"
#include "gui/app/window_size_commands.h"

namespace solvara {
namespace {

TEST(WindowSizeCommands, ResizeAsTheSpecialKeysSay) {
    struct Case {
        QSize (*command)(QSize);
        QSize before;
        QSize after;
    };
    const Case cases[] = {
        {&widenedToMultipleOf16, {1000, 700}, {1008, 700}},
        {&widenedToMultipleOf16, {1008, 700}, {1024, 700}},
        {&narrowedToMultipleOf16, {1000, 700}, {976, 700}},
        {&narrowedToMultipleOf16, {1008, 700}, {992, 700}},
        {&nextPresetSize, {640, 480}, {720, 576}},
        {&nextPresetSize, {1000, 700}, {1280, 720}},
        {&nextPresetSize, {1280, 720}, {1920, 1080}},
        {&nextPresetSize, {1920, 1080}, {720, 576}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.command(c.before), c.after) << c.before.width();
    EXPECT_EQ(windowSizeStatusText({1280, 720}), "1280/720 - 704/720, 1280");
}

TEST(RecentFiles, KeepsFourMostRecentFirstAndShortensLongNames) {
    RecentFiles recent({"/a.buf", "/b.phc"});
    recent.add("/c.buf");
    recent.add("/a.buf");
    recent.add("/d.buf");
    recent.add("/e.phc");
    EXPECT_EQ(recent.files(), (QStringList{"/e.phc", "/d.buf", "/a.buf", "/c.buf"}));
    recent.remove("/d.buf");
    EXPECT_EQ(recent.files(), (QStringList{"/e.phc", "/a.buf", "/c.buf"}));

    EXPECT_EQ(RecentFiles::menuText(0, "/tmp/a&b.buf"), "&1 /tmp/a&&b.buf");
    const QString shown =
        RecentFiles::menuText(1, "/home/chemist/projects/enzymes/2026/phosphate.buf");
    EXPECT_EQ(shown, "&2 /home/chemist.../phosphate.buf");
}

TEST(InstallerSwitch, RecognisesBothSwitchesBareOrAfterOneSlashOrDash) {
    struct Case {
        const char* argument;
        std::optional<InstallerSwitch> expected;
    };
    const Case cases[] = {
        {"judal", InstallerSwitch::install},
        {"/judal", InstallerSwitch::install},
        {"-judal", InstallerSwitch::install},
        {"nusu", InstallerSwitch::uninstall},
        {"-nusu", InstallerSwitch::uninstall},
        {"JUDAL", std::nullopt},
        {"--judal", std::nullopt},
        {"judal.buf", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(installerSwitchOf(c.argument), c.expected) << c.argument;
}

}  // namespace
}  // namespace solvara
