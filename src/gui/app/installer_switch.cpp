#include "gui/app/installer_switch.h"

namespace solvara {

std::optional<InstallerSwitch> installerSwitchOf(const QString& argument) {
    QStringView word(argument);
    if (word.startsWith(QLatin1Char('/')) || word.startsWith(QLatin1Char('-'))) word = word.mid(1);
    if (word == QLatin1String("judal")) return InstallerSwitch::install;
    if (word == QLatin1String("nusu")) return InstallerSwitch::uninstall;
    return std::nullopt;
}

}  // namespace solvara
