#include "core/program/data_paths.h"

#include <gtest/gtest.h>

#include <map>

namespace solvara {
namespace {

EnvironmentLookup environmentOf(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

TEST(DataPaths, XdgDataHomeComesFirstThenTheHomeFolder) {
    const auto both = environmentOf({{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/ann"}});
    EXPECT_EQ(DefaultDatabasePath(both), "/data/Orvane/Solvara/Solvaradatabase.dat");
    EXPECT_EQ(defaultsPath(both), "/data/Orvane/Solvara/config.dat");

    const auto homeOnly = environmentOf({{"HOME", "/home/ann"}});
    EXPECT_EQ(DefaultDatabasePath(homeOnly),
              "/home/ann/.local/share/Orvane/Solvara/Solvaradatabase.dat");
}

TEST(DataPaths, EmptyOrRelativeXdgDataHomeIsIgnored) {
    for (const char* value : {"", "relative/data"}) {
        const auto environment = environmentOf({{"XDG_DATA_HOME", value}, {"HOME", "/h"}});
        EXPECT_EQ(DefaultDatabasePath(environment),
                  "/h/.local/share/Orvane/Solvara/Solvaradatabase.dat")
            << value;
    }
}

TEST(DataPaths, NoHomeAtAllGivesNoPath) {
    EXPECT_TRUE(DefaultDatabasePath(environmentOf({})).empty());
    EXPECT_TRUE(defaultsPath(environmentOf({})).empty());
}

TEST(DataPaths, DatabasePathSettingOverridesTheDefault) {
    const auto environment = environmentOf({{"HOME", "/h"}});
    EXPECT_EQ(DatabasePath("", environment), "/h/.local/share/Orvane/Solvara/Solvaradatabase.dat");
    EXPECT_EQ(DatabasePath("/shared/lab.dat", environment), "/shared/lab.dat");
}

}  // namespace
}  // namespace solvara
