#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace solvara {

// The program's help: the pages listed on the left (all of them, or those holding the words
// typed in the search field), the open page on the right with Back and Forward.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens a topic named as "html\name.htm" or "html/name.htm"; a topic that is not shipped
    // shows a page saying so.
    void showTopic(const QString& topic);
    void showContents();

  private:
    void listPages();
    void openListedPage();
    void openFirstFound();
    void markCurrentPage(const QUrl& source);
    void highlightSearchWords();

    QLineEdit* search_;
    QLabel* listCaption_;
    QListWidget* pages_;
    QTextBrowser* browser_;
};

}  // namespace solvara
