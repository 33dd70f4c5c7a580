#pragma once

#include <QString>
#include <filesystem>

#include "core/program/data_paths.h"

namespace solvara {

// What an installation or removal came to. `ok` is false when a file could not be written or
// removed, and `message` then says which and why. With `ok` true, `message` is empty, or says
// that a desktop database could not be updated afterwards: the files are in place and the
// desktop picks them up at its next update.
struct DesktopIntegrationResult {
    bool ok = true;
    QString message;
};

// The user's data folder the desktop reads applications, file types and icons from:
// $XDG_DATA_HOME, else ~/.local/share. Empty when neither XDG_DATA_HOME nor HOME is set.
std::filesystem::path userDataHome(const EnvironmentLookup& environment);

// Makes the program known to the user's desktop: its menu entry, starting `programPath` (an
// absolute path, QCoreApplication::applicationFilePath()), the two document types with their
// icons, and the program icon; then updates the desktop's file type and application databases
// where their tools are installed. Installing again replaces the files.
DesktopIntegrationResult installDesktopIntegration(const std::filesystem::path& dataHome,
                                                   const QString& programPath);

// Removes exactly the files installDesktopIntegration writes, where they are, and updates the
// desktop's databases again. Other files in the same folders stay.
DesktopIntegrationResult removeDesktopIntegration(const std::filesystem::path& dataHome);

}  // namespace solvara
