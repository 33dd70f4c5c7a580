#include "gui/app/installer_switch.h"

#include <QCoreApplication>
#include <QSettings>
#include <iostream>

#include "core/program/data_paths.h"
#include "gui/app/application_settings.h"
#include "gui/app/desktop_integration.h"

namespace solvara {

std::optional<InstallerSwitch> installerSwitchOf(const QString& argument) {
    QStringView word(argument);
    if (word.startsWith(QLatin1Char('/')) || word.startsWith(QLatin1Char('-'))) word = word.mid(1);
    if (word == QLatin1String("judal")) return InstallerSwitch::install;
    if (word == QLatin1String("nusu")) return InstallerSwitch::uninstall;
    return std::nullopt;
}

int runInstallerSwitch(InstallerSwitch installer, QSettings& settings) {
    const std::filesystem::path dataHome = userDataHome(processEnvironment());
    const DesktopIntegrationResult result =
        installer == InstallerSwitch::install
            ? installDesktopIntegration(dataHome, QCoreApplication::applicationFilePath())
            : removeDesktopIntegration(dataHome);
    if (!result.message.isEmpty()) std::cerr << result.message.toStdString() << '\n';
    if (installer == InstallerSwitch::install && result.ok) {
        ApplicationSettings(settings).setFirstRun(true);
        settings.sync();
    }
    return result.ok ? 0 : 1;
}

}  // namespace solvara
