#pragma once

#include <QStringList>

class QSettings;
#include <optional>

namespace solvara {

// The two switches a package's installer passes: register the program with the desktop for this
// user, or remove it again.
enum class InstallerSwitch { install, uninstall };

// "judal" or "nusu", case-sensitively, bare or after one "/" or "-"; none for anything else.
std::optional<InstallerSwitch> installerSwitchOf(const QString& argument);

// Carries out the switch for the user, without a window: installing puts the desktop entry, the
// file types and the icons in place and sets "FirstRun", so the next start opens the tutorial;
// removing takes them away. Says on standard error what went wrong; the exit status.
int runInstallerSwitch(InstallerSwitch installer, QSettings& settings);

}  // namespace solvara
