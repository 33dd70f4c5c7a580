#pragma once

#include <QStringList>
#include <optional>

namespace solvara {

// The two switches a package's installer passes: register the program with the desktop for this
// user, or remove it again.
enum class InstallerSwitch { install, uninstall };

// "judal" or "nusu", case-sensitively, bare or after one "/" or "-"; none for anything else.
std::optional<InstallerSwitch> installerSwitchOf(const QString& argument);

}  // namespace solvara
