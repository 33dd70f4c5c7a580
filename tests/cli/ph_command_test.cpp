#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/program/database_file.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::runCliWith;

nlohmann::json phJson(std::vector<std::string> arguments, int expectedStatus = 0) {
    arguments.insert(arguments.begin(), "ph");
    arguments.push_back("--json");
    const auto result = runCliWith(arguments);
    EXPECT_EQ(result.status, expectedStatus) << result.err;
    return nlohmann::json::parse(result.out);
}

TEST(PhCommand, DatabaseReagentByNameGivesPhCapacityAndSpecies) {
    const auto json = phJson({"--reagent", "acetic acid:0.1"});
    EXPECT_TRUE(json["valid"].get<bool>());
    EXPECT_NEAR(json["pH"].get<double>(), 2.88, 0.01);
    EXPECT_GT(json["bufferCapacity"].get<double>(), 0.0);
    EXPECT_NEAR(json["pKw"].get<double>(), 13.96, 0.01);
    ASSERT_EQ(json["reagents"].size(), 1u);
    EXPECT_EQ(json["reagents"][0]["formula"], "HAcetate");
    EXPECT_EQ(json["reagents"][0]["effectiveConcentration"], 0.1);
    ASSERT_EQ(json["species"].size(), 4u);
    EXPECT_EQ(json["species"][0]["formula"], "H^+");
    EXPECT_EQ(json["species"][0]["note"], "(pH)");
    EXPECT_EQ(json["species"][2]["formula"], "Acetate^-");
    EXPECT_EQ(json["species"][2]["acidId"], 1);
}

TEST(PhCommand, AnyFormulaIsAnalysedAndModesApply) {
    const auto forced =
        phJson({"--reagent", "H^+,Cl^-:0.01", "--ionic-strength", "0.1", "--temperature", "37"});
    EXPECT_EQ(forced["ionicStrength"], 0.1);
    EXPECT_EQ(forced["temperature"], 37.0);
    EXPECT_GT(forced["pH"].get<double>(), 2.0);
    EXPECT_LT(forced["pH"].get<double>(), 2.2);

    const auto summed =
        phJson({"--reagent", "HCl:0.1:10", "--reagent", "NaOH:0.1:30", "--volume-mode", "sum"});
    EXPECT_NEAR(summed["reagents"][0]["effectiveConcentration"].get<double>(), 0.025, 1e-15);
    EXPECT_GT(summed["pH"].get<double>(), 12.0);
}

TEST(PhCommand, CalculationsThatCannotBeDoneExitWithOne) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--reagent", "HCl:0.1", "--volume-mode", "sum"},
          std::vector<std::string>{"--reagent", "Xx:0.1"},
          std::vector<std::string>{"--reagent", "HCl:0"}}) {
        const auto json = phJson(arguments, 1);
        EXPECT_FALSE(json["success"].get<bool>());
        EXPECT_TRUE(json["pH"].is_null());
        EXPECT_FALSE(json["error"].get<std::string>().empty());
    }
}

// The refusals of a table of cases: exit status 2 and a message that holds `names`.
void expectRefused(const std::vector<std::string>& arguments, const std::string& names) {
    const auto result = runCliWith(arguments);
    EXPECT_EQ(result.status, 2) << result.out;
    EXPECT_NE(result.err.find(names), std::string::npos) << result.err;
}

TEST(PhCommand, NumbersAreReadStrictlyWhereverTheyAre) {
    // '#' stands for the number; the option named is the argument before it.
    const std::vector<std::vector<std::string>> places = {
        {"--temperature", "#"},
        {"--reagent", "HCl:0.1:5", "--volume-mode", "final", "--final-volume", "#"},
        {"--ionic-strength", "#"},
        {"--reagent", "HCl:#"},
        {"--volume-mode", "sum", "--reagent", "HCl:0.1:#"},
        {"--reagent", "HCl:#:5", "--volume-mode", "sum"},
    };
    const char* const notNumbers[] = {"",    " ",  "-",   ".",    "???",   "0x10", "inf",
                                      "nan", "5x", "1,5", "2.5e", "1e400", " 7"};
    for (const auto& place : places) {
        for (const char* text : notNumbers) {
            std::vector<std::string> arguments{"ph"};
            std::string option;
            for (std::string argument : place) {
                if (const auto at = argument.find('#'); at != std::string::npos) {
                    argument.replace(at, 1, text);
                    option = arguments.back();
                }
                arguments.push_back(argument);
            }
            SCOPED_TRACE(option + " " + text);
            expectRefused(arguments, option);
        }
    }
}

TEST(PhCommand, ValuesOutsideTheirRangesAreRefused) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"ph", "--temperature", "-0.5"}, "--temperature: \"-0.5\" is not a number from 0 to 100"},
        {{"ph", "--temperature", "100.5"}, "--temperature"},
        {{"ph", "--ionic-strength", "-1"}, "--ionic-strength"},
        {{"ph", "--reagent", "HCl:0.1:5", "--volume-mode", "final", "--final-volume", "0"},
         "--final-volume: \"0\" is not a number above 0"},
        // A negative row is refused wherever it stands in the mixture.
        {{"ph", "--reagent", "NaOH:0.1", "--reagent", "HCl:-0.1"},
         "--reagent \"HCl:-0.1\": concentration \"-0.1\" is not a number of 0 or more"},
        {{"ph", "--reagent", "NaOH:0.1:5", "--reagent", "HCl:0.1:-5", "--volume-mode", "sum"},
         "--reagent \"HCl:0.1:-5\": volume \"-5\" is not a number of 0 or more"},
    };
    for (const Case& c : cases) expectRefused(c.arguments, c.message);
    EXPECT_EQ(runCliWith({"ph", "--reagent", "HCl:0.01", "--temperature", "100"}).status, 0);
}

TEST(PhCommand, OptionsThatCannotActInTheChosenModeAreRefused) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"ph", "--reagent", "HCl:0.1:5", "--final-volume", "10"},
         "--final-volume acts only with --volume-mode final"},
        {{"ph", "--reagent", "HCl:0.1:5", "--volume-mode", "final"},
         "--volume-mode final needs --final-volume"},
        {{"ph", "--reagent", "HCl:0.1:5"},
         "--reagent \"HCl:0.1:5\": a volume acts only with --volume-mode sum or final"},
        {{"ph", "--reagent", "HCl:0.1", "--save", ""}, "--save: needs a file name"},
        {{"ph", "--reagent", "HCl:0.1", "--csv", "--digits", "6"}, "--digits acts only on text"},
        {{"ph", "--reagent", "HCl"}, "--reagent \"HCl\": expected NAME_OR_FORMULA:CONC[:VOLUME]"},
        {{"ph", "--reagent", "HCl:0.1", "--volume-mode", "half"}, "--volume-mode"},
    };
    for (const Case& c : cases) expectRefused(c.arguments, c.message);
}

TEST(PhCommand, AReagentNameHoldsColonsOnlyWhenTheDatabaseHasIt) {
    testing::TemporaryFolder folder;
    const std::string database = (folder.path() / "lab.dat").string();
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    Reagent renamed = *program->reagents.FindByName("acetic acid");
    renamed.name = "stock: acetic acid";
    ASSERT_TRUE(program->reagents.Add(renamed));
    writeDatabaseFile(database, *program, "");

    const auto known =
        runCliWith({"--database", database, "ph", "--reagent", "stock: acetic acid:0.1", "--json"});
    ASSERT_EQ(known.status, 0) << known.err;
    EXPECT_EQ(nlohmann::json::parse(known.out)["reagents"][0]["formula"], "HAcetate");
    // Elsewhere the second colon starts the concentration.
    expectRefused({"--database", database, "ph", "--reagent", "acetic acid:x:5"},
                  "--reagent \"acetic acid:x:5\": concentration \"x\" is not a number");
}

TEST(PhCommand, WithoutReagentsTheSolutionIsPureWater) {
    const auto at25 = phJson({"--ionic-strength", "ignore"});
    EXPECT_NEAR(at25["pH"].get<double>(), 6.9985, 1e-4);
    EXPECT_TRUE(at25["reagents"].empty());
    ASSERT_EQ(at25["species"].size(), 2u);
    EXPECT_EQ(at25["species"][1]["formula"], "OH^-");

    EXPECT_NEAR(phJson({"--temperature", "37"})["pH"].get<double>(), 6.81, 0.005);
    EXPECT_EQ(runCliWith({"ph"}).out.rfind("pH = 7.00\n", 0), 0u);
}

TEST(PhCommand, TextOutputShowsThePhLabelAndSpeciesTable) {
    const auto result = runCliWith({"ph", "--reagent", "NaOH:0.01"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("pH = 11.", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("species"), std::string::npos);
    EXPECT_NE(result.out.find("(pOH)"), std::string::npos);
}

TEST(PhCommand, CsvAndReportPrintTheExportAndTheDetailsReport) {
    const auto csv =
        runCliWith({"ph", "--reagent", "HCl:0.01", "--ionic-strength", "ignore", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("Results of pH calculation for solution containing:\r\n"
                            "name/formula,molarity,volume (mL)\r\n"
                            "HCl (HCl),0.01000,\r\n\r\n"
                            "at temperature,25,\xB0"
                            "C\r\n"
                            "ionic strength ignored (forced to be,0.0)\r\n",
                            0),
              0u)
        << csv.out;

    const auto report = runCliWith({"ph", "--reagent", "HCl:0.01", "--report"});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find("at temperature 25 \xC2\xB0"
                              "C."),
              std::string::npos)
        << "UTF-8 for the terminal: " << report.out;
    EXPECT_NE(report.out.find("Dissociation constants:"), std::string::npos) << report.out;

    EXPECT_EQ(runCliWith({"ph", "--reagent", "HCl:0.01", "--csv", "--json"}).status, 2);
    EXPECT_EQ(runCliWith({"ph", "--reagent", "HCl:0.01", "--save", "/nonexistent/x.phc"}).status,
              2);
}

}  // namespace
}  // namespace solvara
