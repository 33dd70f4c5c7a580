#include "gui/app/help_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <algorithm>

#include "gui/app/help_pages.h"

namespace solvara {
namespace {

// Shows a page that says so for a page the help does not have, rather than an empty window.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (resource.isNull() && type == QTextDocument::HtmlResource) return notFoundPage(name);
        return resource;
    }

  private:
    static QString notFoundPage(const QUrl& name) {
        return QStringLiteral(
                   "<html><head><title>Page not found</title>"
                   "<link rel=\"stylesheet\" type=\"text/css\" href=\"%3\"></head><body>"
                   "<h1>Page not found</h1><p>The help has no page \"%1\".</p>"
                   "<p>See the <a href=\"%2\">Help Topics</a> for the pages there are.</p>"
                   "</body></html>")
            .arg(name.fileName().toHtmlEscaped(),
                 helpPageUrl(QStringLiteral("contents.htm")).toString(),
                 helpPageUrl(QStringLiteral("style.css")).toString());
    }
};

constexpr int pageRole = Qt::UserRole;

QToolButton* historyButton(QAction& action) {
    auto* button = new QToolButton;
    button->setDefaultAction(&action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      search_(new QLineEdit),
      listCaption_(new QLabel),
      pages_(new QListWidget),
      browser_(new HelpBrowser) {
    setWindowTitle(QStringLiteral("Solvara Help"));

    auto* searchLabel = new QLabel(QStringLiteral("&Search for:"));
    searchLabel->setBuddy(search_);
    search_->setAccessibleName(QStringLiteral("Search for:"));
    search_->setClearButtonEnabled(true);
    search_->setPlaceholderText(QStringLiteral("words on the page"));
    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::listPages);
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::openFirstFound);
    listCaption_->setBuddy(pages_);
    // Long titles wrap rather than hide behind a scroll bar.
    pages_->setWordWrap(true);
    pages_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(pages_, &QListWidget::itemActivated, this, &HelpWindow::openListedPage);
    connect(pages_, &QListWidget::itemClicked, this, &HelpWindow::openListedPage);

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(searchLabel);
    sideLayout->addWidget(search_);
    sideLayout->addWidget(listCaption_);
    sideLayout->addWidget(pages_, 1);

    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::markCurrentPage);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::highlightSearchWords);

    auto* back =
        new QAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"), this);
    back->setShortcuts(QKeySequence::Back);
    back->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    auto* forward = new QAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                QStringLiteral("Forward"), this);
    forward->setShortcuts(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    auto* contents = new QAction(QStringLiteral("Help Topics"), this);
    connect(contents, &QAction::triggered, this, &HelpWindow::showContents);
    addActions({back, forward});

    auto* history = new QHBoxLayout;
    history->addWidget(historyButton(*back));
    history->addWidget(historyButton(*forward));
    history->addWidget(historyButton(*contents));
    history->addStretch();
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(history);
    pageLayout->addWidget(browser_, 1);

    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 650});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(900, 650);

    listPages();
    showContents();
}

void HelpWindow::showTopic(const QString& topic) { browser_->setSource(helpTopicUrl(topic)); }

void HelpWindow::showContents() { showTopic(QStringLiteral("html/contents.htm")); }

void HelpWindow::listPages() {
    const bool searching = !searchWords(search_->text()).isEmpty();
    const QStringList found = helpPagesContaining(search_->text());
    pages_->clear();
    for (const HelpPage& page : helpPages()) {
        if (searching && !found.contains(page.fileName)) continue;
        auto* item = new QListWidgetItem(page.title, pages_);
        item->setData(pageRole, page.fileName);
    }
    listCaption_->setText(searching ? QStringLiteral("&Pages found: %1").arg(found.size())
                                    : QStringLiteral("&Contents"));
    pages_->setAccessibleName(QString(listCaption_->text()).remove(QLatin1Char('&')));
    markCurrentPage(browser_->source());
    highlightSearchWords();
}

void HelpWindow::openListedPage() {
    if (const QListWidgetItem* item = pages_->currentItem()) {
        browser_->setSource(helpPageUrl(item->data(pageRole).toString()));
    }
}

void HelpWindow::openFirstFound() {
    if (pages_->count() == 0) return;
    pages_->setCurrentRow(0);
    openListedPage();
}

void HelpWindow::markCurrentPage(const QUrl& source) {
    const QSignalBlocker quiet(pages_);
    pages_->setCurrentItem(nullptr);
    for (int row = 0; row < pages_->count(); ++row) {
        if (helpPageUrl(pages_->item(row)->data(pageRole).toString()) == source) {
            pages_->setCurrentRow(row);
        }
    }
}

// Marks every place of the words searched for in the open page and shows the first.
void HelpWindow::highlightSearchWords() {
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 236, 120));
    for (const QString& word : searchWords(search_->text())) {
        QTextCursor found = browser_->document()->find(word);
        while (!found.isNull()) {
            marks.append({found, marked});
            found = browser_->document()->find(word, found);
        }
    }
    browser_->setExtraSelections(marks);
    const auto first = std::min_element(
        marks.begin(), marks.end(),
        [](const auto& a, const auto& b) { return a.cursor.position() < b.cursor.position(); });
    if (first != marks.end()) browser_->setTextCursor(first->cursor);
}

}  // namespace solvara
