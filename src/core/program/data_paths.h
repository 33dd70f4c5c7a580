#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace solvara {

// Reads an environment variable; empty optional when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The per-user data folder of the program: $XDG_DATA_HOME, else
// ~/.local/share, followed by "Orvane/Solvara". Empty when neither
// XDG_DATA_HOME nor HOME is set.
std::filesystem::path applicationDataFolder(const EnvironmentLookup& environment);

// "Solvaradatabase.dat" in that folder.
std::filesystem::path DefaultDatabasePath(const EnvironmentLookup& environment);

// The database file in use: the "DatabasePath" setting when it is not
// empty, else the default path.
std::filesystem::path DatabasePath(const std::string& setting,
                                   const EnvironmentLookup& environment);

// "config.dat", the program defaults, beside the default database file.
std::filesystem::path defaultsPath(const EnvironmentLookup& environment);

// The process environment.
EnvironmentLookup processEnvironment();

}  // namespace solvara
