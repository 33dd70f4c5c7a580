#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bufferdoc/solvara_doc.h"
#include "core/phcalc/ph_calculator_doc.h"
#include "core/program/program_database.h"
#include "support/scripted_questions.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

// Records what it is told, with the model it was shown each time.
class RecordingListener : public ProgramModelListener {
  public:
    void programModelAboutToBeReplaced(ProgramModel& old) override {
        calls.push_back({"before", &old});
    }
    void programModelReplaced(ProgramModel& current) override {
        calls.push_back({"after", &current});
    }

    struct Call {
        std::string when;
        const ProgramModel* model;
    };
    std::vector<Call> calls;
};

class ModelReplacementTest : public ::testing::Test {
  protected:
    testing::TemporaryFolder folder;
    testing::ScriptedQuestions questions;
    ProgramDatabase database{questions};
};

// Documents point into the model they were made with; loading another database must not pull it
// away from under them (AddressSanitizer reports a use after free otherwise).
TEST_F(ModelReplacementTest, OpenDocumentsKeepWorkingAfterTheModelIsReplaced) {
    const std::filesystem::path path = folder.path() / "other.dat";
    ASSERT_TRUE(database.SaveDatabase(path, true));

    CSolvaraDoc design(database.program());
    design.setPH(7.4);
    design.setConcentrationUnit(ConcentrationUnit::molar);
    design.setConcentrationShown(0.1);
    design.setVolumeUnit(VolumeUnit::litres);
    design.setVolumeShown(1.0);
    design.PickBuffer(*database.program().buffers.FindVariant(
        "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate"));
    CpHCalculatorDoc solution(database.program());
    solution.replaceReagent(0, *database.program().reagents.FindByName("acetic acid"));
    solution.recalculate();
    ASSERT_TRUE(solution.resultsValid());
    const std::string pHBefore = solution.pHLabel();
    const ProgramModel* old = &database.program();

    ASSERT_TRUE(database.LoadDatabase(path));
    ASSERT_NE(&database.program(), old);
    EXPECT_EQ(&design.program(), old);

    EXPECT_GT(design.Recalculate(), 0);
    EXPECT_TRUE(design.results().prepared);
    solution.recalculate();
    EXPECT_TRUE(solution.resultsValid());
    EXPECT_EQ(solution.pHLabel(), pHBefore);
}

TEST_F(ModelReplacementTest, ListenersAreToldBeforeAndAfterEveryReplacementUntilRemoved) {
    RecordingListener listener;
    database.addListener(listener);
    const ProgramModel* first = &database.program();

    // A file that is not there also replaces the model: by fresh starter content.
    database.LoadDatabase(folder.path() / "missing.dat");
    const ProgramModel* second = &database.program();
    ASSERT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(listener.calls[0].when, "before");
    EXPECT_EQ(listener.calls[0].model, first);
    EXPECT_EQ(listener.calls[1].when, "after");
    EXPECT_EQ(listener.calls[1].model, second);
    EXPECT_NE(first, second);

    database.removeListener(listener);
    database.LoadDatabase(folder.path() / "missing.dat");
    EXPECT_EQ(listener.calls.size(), 2u);
}

}  // namespace
}  // namespace solvara
