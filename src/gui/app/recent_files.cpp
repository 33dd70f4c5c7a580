#include "gui/app/recent_files.h"

#include <QDir>
#include <QFileInfo>

namespace solvara {

namespace {

constexpr int shownLength = 30;
const QString ellipsis = QStringLiteral("...");

// The file name stays whole; the folder in front of it loses its middle.
QString shortened(const QString& file) {
    const QString native = QDir::toNativeSeparators(file);
    if (native.size() <= shownLength) return native;
    const QString name = QFileInfo(file).fileName();
    const qsizetype folderRoom = shownLength - name.size() - ellipsis.size() - 1;
    if (folderRoom <= 0) return name;
    return native.left(folderRoom) + ellipsis + QDir::separator() + name;
}

}  // namespace

RecentFiles::RecentFiles(QStringList files) : files_(std::move(files)) {
    files_.removeDuplicates();
    while (files_.size() > capacity) files_.removeLast();
}

void RecentFiles::add(const QString& file) {
    files_.removeAll(file);
    files_.prepend(file);
    while (files_.size() > capacity) files_.removeLast();
}

void RecentFiles::remove(const QString& file) { files_.removeAll(file); }

QString RecentFiles::menuText(int index, const QString& file) {
    QString text = shortened(file);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(text);
}

}  // namespace solvara
