#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace solvara {

// One page of the help shipped with the program.
struct HelpPage {
    QString fileName;  // "contents.htm"
    QString title;     // its <title>
    QString text;      // what it reads as plain text, for the search
};

// The shipped pages: the Help Topics page first, then in the order it links them, then any it
// does not link.
const std::vector<HelpPage>& helpPages();

QUrl helpPageUrl(const QString& fileName);

// The page of a help topic named as the program names them, "html\name.htm" or
// "html/name.htm". The page need not exist.
QUrl helpTopicUrl(const QString& topic);

// The file names of the pages that contain every word of `typed` (case does not matter); none
// when nothing is typed.
QStringList helpPagesContaining(const QString& typed);

// The words of a search, as the search and the highlighting take them.
QStringList searchWords(const QString& typed);

}  // namespace solvara
