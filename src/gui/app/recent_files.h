#pragma once

#include <QString>
#include <QStringList>

namespace solvara {

// The four most recently opened or saved files, most recent first. A file that comes again
// moves to the top.
class RecentFiles {
  public:
    static constexpr int capacity = 4;

    explicit RecentFiles(QStringList files = {});

    const QStringList& files() const noexcept { return files_; }
    void add(const QString& file);
    void remove(const QString& file);

    // How the File menu names a file: "&1 name", the name shortened to 30 characters by
    // leaving out the middle of its folder.
    static QString menuText(int index, const QString& file);

  private:
    QStringList files_;
};

}  // namespace solvara
