#include "gui/app/desktop_integration.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <optional>
#include <string_view>
#include <system_error>

namespace solvara {

namespace {

namespace fs = std::filesystem;

// A file the integration installs: its compiled-in source and its place below the data home,
// where the desktop looks for it under the program's id and the file type names.
struct InstalledFile {
    std::string_view resource;
    const char* target;
};

constexpr std::string_view kDesktopEntry = ":/desktop/com.orvane.Solvara.desktop";

constexpr InstalledFile kInstalledFiles[] = {
    {kDesktopEntry, "applications/com.orvane.Solvara.desktop"},
    {":/desktop/com.orvane.Solvara.xml", "mime/packages/com.orvane.Solvara.xml"},
    {":/icons/solvara.svg", "icons/hicolor/scalable/apps/com.orvane.Solvara.svg"},
    {":/icons/buffer-document.svg",
     "icons/hicolor/scalable/mimetypes/application-x-solvara-buffer.svg"},
    {":/icons/ph-document.svg",
     "icons/hicolor/scalable/mimetypes/application-x-solvara-ph-calculation.svg"},
};

constexpr int kUpdaterTimeoutMs = 60000;

QString pathText(const fs::path& path) { return QFile::decodeName(path.c_str()); }

QString resourceName(std::string_view resource) {
    return QString::fromLatin1(resource.data(), static_cast<qsizetype>(resource.size()));
}

std::optional<QByteArray> resourceBytes(std::string_view resource) {
    QFile file(resourceName(resource));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

// The Exec line that starts `programPath` with the files it is given. The path goes in double
// quotes, inside which ", `, $ and \ are escaped; % is doubled, as it starts a field code; and
// since the entry's values are escaped strings themselves, every backslash is written twice.
QByteArray execLine(const QString& programPath) {
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        if (c == u'%') quoted += u'%';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return ("Exec=\"" + quoted + "\" %F").toUtf8();
}

QByteArray withExecLine(const QByteArray& entry, const QByteArray& exec) {
    QList<QByteArray> lines = entry.split('\n');
    for (QByteArray& line : lines) {
        if (line.startsWith("Exec=")) line = exec;
    }
    return lines.join('\n');
}

// Writes through a temporary file renamed over the target, so a failure leaves the old file or
// none, never half of one.
std::optional<QString> writeAtomically(const fs::path& path, const QByteArray& content) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error) {
        return QStringLiteral("Could not create the folder %1: %2")
            .arg(pathText(path.parent_path()), QString::fromStdString(error.message()));
    }
    QSaveFile file(pathText(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        return QStringLiteral("Could not write %1: %2").arg(pathText(path), file.errorString());
    }
    return std::nullopt;
}

// Runs `tool` on `folder`. A tool that is not installed is no fault: the desktop then reads
// the files as they are, or rebuilds its databases itself.
std::optional<QString> runUpdater(const QString& tool, const fs::path& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty() || !fs::is_directory(folder)) return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {pathText(folder)});
    if (!process.waitForFinished(kUpdaterTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("%1 did not finish: %2").arg(tool, process.errorString());
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return QStringLiteral("%1 failed: %2")
            .arg(tool, QString::fromLocal8Bit(process.readAll()).trimmed());
    }
    return std::nullopt;
}

// What went wrong updating the desktop's databases, one line per tool; empty when nothing did.
QString updateDesktopDatabases(const fs::path& dataHome) {
    QStringList problems;
    if (auto problem = runUpdater(QStringLiteral("update-mime-database"), dataHome / "mime")) {
        problems << *problem;
    }
    if (auto problem =
            runUpdater(QStringLiteral("update-desktop-database"), dataHome / "applications")) {
        problems << *problem;
    }
    return problems.join(u'\n');
}

DesktopIntegrationResult withoutDataHome() {
    return {false, QStringLiteral("There is no data folder for the desktop's files: neither "
                                  "XDG_DATA_HOME nor HOME is set.")};
}

}  // namespace

fs::path userDataHome(const EnvironmentLookup& environment) {
    // The program's own data folder is "Orvane/Solvara" in the data home; going up from it
    // keeps one reading of the environment (a relative XDG_DATA_HOME is ignored there).
    const fs::path programData = applicationDataFolder(environment);
    return programData.empty() ? programData : programData.parent_path().parent_path();
}

DesktopIntegrationResult installDesktopIntegration(const fs::path& dataHome,
                                                   const QString& programPath) {
    if (dataHome.empty()) return withoutDataHome();
    if (!QDir::isAbsolutePath(programPath) || programPath.contains(u'\n') ||
        programPath.contains(u'\r')) {
        return {false, QStringLiteral("The program's path \"%1\" cannot be started from the "
                                      "desktop's menu.")
                           .arg(programPath)};
    }
    for (const InstalledFile& file : kInstalledFiles) {
        std::optional<QByteArray> content = resourceBytes(file.resource);
        if (!content) {
            return {false, QStringLiteral("The program lacks its built-in file %1.")
                               .arg(resourceName(file.resource))};
        }
        if (file.resource == kDesktopEntry) {
            content = withExecLine(*content, execLine(programPath));
        }
        if (auto problem = writeAtomically(dataHome / file.target, *content)) {
            return {false, *problem};
        }
    }
    return {true, updateDesktopDatabases(dataHome)};
}

DesktopIntegrationResult removeDesktopIntegration(const fs::path& dataHome) {
    if (dataHome.empty()) return withoutDataHome();
    QStringList problems;
    for (const InstalledFile& file : kInstalledFiles) {
        const fs::path path = dataHome / file.target;
        std::error_code error;
        fs::remove(path, error);
        if (error) {
            problems << QStringLiteral("Could not remove %1: %2")
                            .arg(pathText(path), QString::fromStdString(error.message()));
        }
    }
    const QString updateProblems = updateDesktopDatabases(dataHome);
    if (problems.isEmpty()) return {true, updateProblems};
    if (!updateProblems.isEmpty()) problems << updateProblems;
    return {false, problems.join(u'\n')};
}

}  // namespace solvara
