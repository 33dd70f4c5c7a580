#include "core/program/data_paths.h"

#include <cstdlib>

namespace solvara {

std::filesystem::path applicationDataFolder(const EnvironmentLookup& environment) {
    std::filesystem::path base;
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (const auto xdg = environment("XDG_DATA_HOME");
        xdg && !xdg->empty() && xdg->front() == '/') {
        base = *xdg;
    } else if (const auto home = environment("HOME"); home && !home->empty()) {
        base = std::filesystem::path(*home) / ".local" / "share";
    } else {
        return {};
    }
    return base / "Orvane" / "Solvara";
}

std::filesystem::path DefaultDatabasePath(const EnvironmentLookup& environment) {
    const std::filesystem::path folder = applicationDataFolder(environment);
    return folder.empty() ? folder : folder / "Solvaradatabase.dat";
}

std::filesystem::path DatabasePath(const std::string& setting,
                                   const EnvironmentLookup& environment) {
    return setting.empty() ? DefaultDatabasePath(environment) : std::filesystem::path(setting);
}

std::filesystem::path defaultsPath(const EnvironmentLookup& environment) {
    const std::filesystem::path folder = applicationDataFolder(environment);
    return folder.empty() ? folder : folder / "config.dat";
}

EnvironmentLookup processEnvironment() {
    return [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
}

}  // namespace solvara
