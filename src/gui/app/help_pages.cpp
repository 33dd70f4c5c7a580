#include "gui/app/help_pages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace solvara {
namespace {

const QString pagesFolder = QStringLiteral(":/help/html");
const QString contentsPage = QStringLiteral("contents.htm");

QString readPage(const QString& fileName) {
    QFile file(pagesFolder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString titleOf(const QString& html, const QString& fileName) {
    static const QRegularExpression title(
        QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(html);
    return match.hasMatch() ? match.captured(1).simplified() : fileName;
}

QString plainTextOf(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// The pages a page links to, in the order of the links, each once.
QStringList linkedPages(const QString& html) {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.htm)[\"#]"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList pages;
    for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
        if (!pages.contains(match.captured(1))) pages.append(match.captured(1));
    }
    return pages;
}

std::vector<HelpPage> loadPages() {
    QStringList shipped = QDir(pagesFolder).entryList({QStringLiteral("*.htm")}, QDir::Files);
    QStringList ordered{contentsPage};
    for (const QString& page : linkedPages(readPage(contentsPage))) {
        if (shipped.contains(page) && !ordered.contains(page)) ordered.append(page);
    }
    for (const QString& page : shipped) {
        if (!ordered.contains(page)) ordered.append(page);
    }
    std::vector<HelpPage> pages;
    for (const QString& fileName : ordered) {
        const QString html = readPage(fileName);
        if (html.isEmpty()) continue;
        pages.push_back({fileName, titleOf(html, fileName), plainTextOf(html)});
    }
    return pages;
}

}  // namespace

const std::vector<HelpPage>& helpPages() {
    static const std::vector<HelpPage> pages = loadPages();
    return pages;
}

QUrl helpPageUrl(const QString& fileName) {
    return QUrl(QStringLiteral("qrc:/help/html/")).resolved(QUrl(fileName));
}

QUrl helpTopicUrl(const QString& topic) {
    QString path = topic;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QUrl(QStringLiteral("qrc:/help/")).resolved(QUrl(path));
}

QStringList searchWords(const QString& typed) {
    return typed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList helpPagesContaining(const QString& typed) {
    const QStringList words = searchWords(typed);
    QStringList found;
    if (words.isEmpty()) return found;
    for (const HelpPage& page : helpPages()) {
        const bool hasEveryWord = std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return page.text.contains(word, Qt::CaseInsensitive);
        });
        if (hasEveryWord) found.append(page.fileName);
    }
    return found;
}

}  // namespace solvara
