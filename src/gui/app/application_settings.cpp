#include "gui/app/application_settings.h"

namespace solvara {

namespace {

const QString displayDigitsKey = QStringLiteral("Settings/DisplayDigits");
const QString databasePathKey = QStringLiteral("Settings/DatabasePath");
const QString firstRunKey = QStringLiteral("Settings/FirstRun");
constexpr int recentFileCount = 4;

QString recentFileKey(int number) { return QStringLiteral("Recent File List/File%1").arg(number); }

}  // namespace

int ApplicationSettings::displayDigits() const {
    return store_.value(displayDigitsKey, 4).toInt() == 6 ? 6 : 4;
}

void ApplicationSettings::setDisplayDigits(int digits) {
    store_.setValue(displayDigitsKey, digits);
}

QString ApplicationSettings::databasePath() const {
    return store_.value(databasePathKey).toString();
}

void ApplicationSettings::setDatabasePath(const QString& path) {
    store_.setValue(databasePathKey, path);
}

bool ApplicationSettings::firstRun() const { return store_.value(firstRunKey, 0).toInt() != 0; }

void ApplicationSettings::setFirstRun(bool firstRun) {
    store_.setValue(firstRunKey, firstRun ? 1 : 0);
}

QStringList ApplicationSettings::recentFiles() const {
    QStringList files;
    for (int number = 1; number <= recentFileCount; ++number) {
        const QString file = store_.value(recentFileKey(number)).toString();
        if (!file.isEmpty()) files.append(file);
    }
    return files;
}

void ApplicationSettings::setRecentFiles(const QStringList& files) {
    for (int number = 1; number <= recentFileCount; ++number) {
        if (number <= files.size()) {
            store_.setValue(recentFileKey(number), files.at(number - 1));
        } else {
            store_.remove(recentFileKey(number));
        }
    }
}

}  // namespace solvara
