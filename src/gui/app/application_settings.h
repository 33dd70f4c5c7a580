#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace solvara {

// The per-user settings of the program, each under its own name in the section "Settings", with
// the value a first start finds. Tests hand in a QSettings on a file of their own.
class ApplicationSettings {
  public:
    explicit ApplicationSettings(QSettings& store) : store_(store) {}

    QSettings& store() noexcept { return store_; }

    // 4 or 6; anything else stored reads as 4.
    int displayDigits() const;
    void setDisplayDigits(int digits);
    // Empty means the default database file.
    QString databasePath() const;
    void setDatabasePath(const QString& path);
    bool firstRun() const;
    void setFirstRun(bool firstRun);

    // The recently used files, most recent first, at most four.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);

  private:
    QSettings& store_;
};

}  // namespace solvara
