#include "gui/app/help_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "gui/app/help_pages.h"

namespace solvara {
namespace {

QString resourceText(const QUrl& url) {
    QFile file(QLatin1Char(':') + url.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList titles(const QListWidget& list) {
    QStringList shown;
    for (int row = 0; row < list.count(); ++row) shown.append(list.item(row)->text());
    return shown;
}

QString titleOf(const QString& fileName) {
    for (const HelpPage& page : helpPages()) {
        if (page.fileName == fileName) return page.title;
    }
    return {};
}

TEST(HelpPages, EveryLinkLeadsToAShippedPageAndPlace) {
    const QStringList shipped =
        QDir(QStringLiteral(":/help/html")).entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_GE(shipped.size(), 7);
    ASSERT_EQ(helpPages().size(), std::size_t(shipped.size())) << "a page without a <title>?";
    EXPECT_EQ(helpPages().front().fileName, QStringLiteral("contents.htm"));

    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QStringList reachedFromContents;
    for (const QString& fileName : shipped) {
        const QUrl pageUrl = helpPageUrl(fileName);
        const QString html = resourceText(pageUrl);
        for (const QRegularExpressionMatch& match : reference.globalMatch(html)) {
            const QUrl target = pageUrl.resolved(QUrl(match.captured(1)));
            const std::string where =
                (fileName + QStringLiteral(": ") + match.captured(1)).toStdString();
            ASSERT_EQ(target.scheme(), QStringLiteral("qrc")) << where;
            const QString targetHtml = resourceText(target);
            EXPECT_FALSE(targetHtml.isEmpty()) << where;
            if (target.hasFragment()) {
                EXPECT_TRUE(targetHtml.contains(QStringLiteral("id=\"%1\"").arg(target.fragment())))
                    << where;
            }
            if (fileName == QStringLiteral("contents.htm"))
                reachedFromContents.append(target.fileName());
        }
    }
    for (const QString& fileName : shipped) {
        if (fileName != QStringLiteral("contents.htm")) {
            EXPECT_TRUE(reachedFromContents.contains(fileName)) << fileName.toStdString();
        }
    }
}

class HelpWindowTest : public ::testing::Test {
  protected:
    QTextBrowser& browser() { return *window.findChild<QTextBrowser*>(); }
    QString openPage() { return browser().source().fileName(); }
    void press(const char* button) {
        for (QToolButton* candidate : window.findChildren<QToolButton*>()) {
            if (candidate->text() == QLatin1String(button)) candidate->click();
        }
    }

    HelpWindow window;
};

TEST_F(HelpWindowTest, OpensTopicsNamedWithEitherSeparator) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Solvara Help"));
    EXPECT_EQ(openPage(), QStringLiteral("contents.htm"));
    for (const char* topic : {"html\\list_of_examples.htm", "html/tutorial_1st_run.htm",
                              "html\\high_and_low_pH_buffering.htm"}) {
        window.showTopic(QString::fromLatin1(topic));
        const QString page = QString::fromLatin1(topic).mid(5);
        EXPECT_EQ(openPage(), page) << topic;
        EXPECT_EQ(browser().documentTitle(), titleOf(page)) << topic;
        EXPECT_FALSE(titleOf(page).isEmpty()) << topic;
        auto* listed = window.findChild<QListWidget*>()->currentItem();
        ASSERT_NE(listed, nullptr) << topic;
        EXPECT_EQ(listed->text(), titleOf(page)) << "the contents mark the open page";
    }

    window.showTopic(QStringLiteral("html\\no_such_page.htm"));
    EXPECT_EQ(browser().documentTitle(), QStringLiteral("Page not found"));
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("no_such_page.htm")));
}

TEST_F(HelpWindowTest, BackAndForwardRetraceThePagesRead) {
    window.show();
    window.showTopic(QStringLiteral("html/list_of_examples.htm"));
    window.showTopic(QStringLiteral("html/example_phosphate_buffer.htm"));

    press("Back");
    EXPECT_EQ(openPage(), QStringLiteral("list_of_examples.htm"));
    QTest::keyClick(&browser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(openPage(), QStringLiteral("contents.htm"));
    press("Forward");
    EXPECT_EQ(openPage(), QStringLiteral("list_of_examples.htm"));
    QTest::keyClick(&browser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(openPage(), QStringLiteral("example_phosphate_buffer.htm"));
}

TEST_F(HelpWindowTest, SearchListsThePagesWithTheWordsAndMarksThem) {
    auto& pages = *window.findChild<QListWidget*>();
    EXPECT_EQ(std::size_t(pages.count()), helpPages().size()) << "all pages before a search";

    QTest::keyClicks(window.findChild<QLineEdit*>(), QStringLiteral("phosphate"));
    const QString phosphateExample = titleOf(QStringLiteral("example_phosphate_buffer.htm"));
    EXPECT_TRUE(titles(pages).contains(phosphateExample));
    EXPECT_FALSE(titles(pages).contains(titleOf(QStringLiteral("example_ph_of_mixture.htm"))));

    pages.setCurrentRow(int(titles(pages).indexOf(phosphateExample)));
    QTest::keyClick(&pages, Qt::Key_Return);
    EXPECT_EQ(openPage(), QStringLiteral("example_phosphate_buffer.htm"));
    ASSERT_FALSE(browser().extraSelections().isEmpty());
    EXPECT_EQ(browser().extraSelections().first().cursor.selectedText().toLower(),
              QStringLiteral("phosphate"));

    QTest::keyClicks(window.findChild<QLineEdit*>(), QStringLiteral(" xyzzy"));
    EXPECT_EQ(pages.count(), 0);
}

}  // namespace
}  // namespace solvara
