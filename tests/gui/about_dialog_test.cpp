#include "gui/app/about_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

namespace solvara {
namespace {

TEST(AboutDialog, VersionTextHasFourParts) {
    const std::pair<const char*, const char*> cases[] = {
        {"0.1.0", "Version 0.1.0.0"},     {"1.2.3.4", "Version 1.2.3.4"},
        {"1.2.3.4.5", "Version 1.2.3.4"}, {"2", "Version 2.0.0.0"},
        {"", "Version 0.0.0.0"},          {"1.x.3", "Version 1.0.3.0"},
    };
    for (const auto& [version, text] : cases) {
        EXPECT_EQ(versionText(QString::fromLatin1(version)).toStdString(), text) << version;
    }
}

TEST(AboutDialog, ShowsNameVersionAndNotice) {
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Solvara"));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Solvara"))) << texts.join('|').toStdString();
    EXPECT_EQ(
        texts.filter(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+\\.\\d+$")))
            .size(),
        1);
    EXPECT_EQ(texts.filter(QStringLiteral("Orvane")).size(), 1);
}

}  // namespace
}  // namespace solvara
