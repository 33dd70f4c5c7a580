#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/ph_document_output.h"
#include "core/program/program_model.h"
#include "support/cli_runner.h"

namespace solvara {
namespace {

using testing::runCliWith;

constexpr const char* kHighIonicStrengthLine =
    "Warning: ionic strength of the solution is too high for thermodynamically reliable results!";

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Solutions far outside what the program can calculate, and some just inside: every output of
// one solution tells the same story, and none passes a failure or an unreliable figure off as a
// plain result.
TEST(PhResultsTruth, AbsurdSolutionsFailOrAreFlaggedAlikeInEveryOutput) {
    struct Case {
        std::vector<std::string> arguments;
        bool calculated;
        bool highIonicStrength;
        bool capacity;
    };
    const Case cases[] = {
        {{"--reagent", "sodium hydroxide:1000"}, false, false, false},
        {{"--reagent", "sodium hydroxide:1e300"}, false, false, false},
        {{"--reagent", "hydrochloric acid:1e300"}, false, false, false},
        // A finite pH far outside the activity model, and a capacity that comes out negative.
        {{"--reagent", "hydrochloric acid:12"}, true, true, false},
        {{"--reagent", "hydrochloric acid:12", "--ionic-strength", "ignore"}, true, false, true},
        {{"--reagent", "hydrochloric acid:0.01"}, true, false, true},
        {{"--reagent", "hydrochloric acid:0.01", "--ionic-strength", "0.5"}, true, true, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"ph"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(c.arguments[1] + (c.arguments.size() > 2 ? " " + c.arguments[3] : ""));
        const int status = c.calculated ? exitSuccess : exitCalculationFailed;
        const auto run = [&](const char* output) {
            std::vector<std::string> withOutput = arguments;
            if (*output != '\0') withOutput.push_back(output);
            const auto result = runCliWith(withOutput);
            EXPECT_EQ(result.status, status) << output << '\n' << result.err;
            EXPECT_EQ(result.err.empty(), c.calculated) << output << '\n' << result.err;
            return result.out;
        };

        const auto json = nlohmann::json::parse(run("--json"));
        EXPECT_EQ(json["success"], c.calculated);
        EXPECT_EQ(json["pH"].is_number(), c.calculated);
        EXPECT_EQ(json["ionicStrength"].is_number(), c.calculated);
        EXPECT_EQ(json["highIonicStrength"], c.highIonicStrength);
        EXPECT_EQ(json["bufferCapacity"].is_number(), c.capacity);
        if (c.capacity) {
            EXPECT_GT(json["bufferCapacity"].get<double>(), 0.0);
        }
        for (const auto& species : json["species"]) {
            EXPECT_TRUE(species["concentration"].is_number()) << species.dump();
            EXPECT_FALSE(contains(species["logActivityText"].get<std::string>(), "inf"));
        }

        const std::string text = run("");
        EXPECT_EQ(text.starts_with("pH = ???\n"), !c.calculated) << text;
        EXPECT_EQ(contains(text, kHighIonicStrengthLine), c.highIonicStrength) << text;
        if (c.calculated) {
            EXPECT_EQ(contains(text, "buffer capacity: ??? M/pH"), !c.capacity) << text;
        }

        const std::string report = run("--report");
        EXPECT_EQ(contains(report, "(too high for reliable results)"), c.highIonicStrength);
        EXPECT_EQ(contains(report, "Buffering capacity of the solution is "), c.capacity);
        EXPECT_FALSE(contains(report, "nan")) << report;
        EXPECT_FALSE(contains(report, "inf")) << report;

        const std::string csv = run("--csv");
        EXPECT_EQ(csv.empty(), !c.calculated);
        EXPECT_EQ(contains(csv, ",(too high for reliable results)"), c.highIonicStrength);
    }
}

// Water alone: a document without rows, as the command line makes one when no reagent is given.
TEST(PhResultsTruth, ASolutionWithoutReagentsIsPureWaterInEveryOutput) {
    const auto program = makeStarterProgramModel();
    for (const PhOutput output :
         {PhOutput::text, PhOutput::json, PhOutput::csv, PhOutput::report}) {
        CpHCalculatorDoc document(*program);
        document.removeReagent(0);
        document.setIonicStrengthMode(IonicStrengthMode::ignoreIonicStrength);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(printPhResults(document, output, 4, out, err), exitSuccess) << err.str();
        EXPECT_NEAR(document.pH(), 6.9985, 1e-9);
        const std::string printed = out.str();
        switch (output) {
            case PhOutput::text:
                EXPECT_TRUE(printed.starts_with("pH = 7.00\n")) << printed;
                EXPECT_TRUE(contains(printed, "\nreagents: none (pure water)\n")) << printed;
                EXPECT_TRUE(contains(printed, "\nOH^-")) << printed;
                break;
            case PhOutput::json: {
                const auto json = nlohmann::json::parse(printed);
                EXPECT_TRUE(json["reagents"].empty());
                EXPECT_EQ(json["species"].size(), 2u);
                EXPECT_NEAR(json["pH"].get<double>(), 6.9985, 1e-9);
                EXPECT_FALSE(json["highIonicStrength"].get<bool>());
                break;
            }
            case PhOutput::csv:
                EXPECT_TRUE(printed.starts_with("Results of pH calculation\r\n")) << printed;
                EXPECT_TRUE(contains(printed, "\r\npH =,7.00\r\n")) << printed;
                break;
            case PhOutput::report:
                EXPECT_TRUE(contains(printed, "Buffering capacity of the solution is 7.0"))
                    << printed;
                break;
        }
    }
}

}  // namespace
}  // namespace solvara
