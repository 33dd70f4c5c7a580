#include "core/program/integrity_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/program/database_edit_notes.h"
#include "core/program/element_usage.h"

namespace solvara {
namespace {

using namespace integrity_messages;

class IntegrityRulesTest : public ::testing::Test {
  protected:
    std::int32_t acidId(const char* name) { return program->acids.FindByName(name)->id; }
    std::int32_t reagentId(const char* name) { return program->reagents.FindByName(name)->id; }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_F(IntegrityRulesTest, AcidsUsedByReagentsAndReagentsUsedByBuffersAreKept) {
    EXPECT_EQ(AcidRemovalRefusal(*program, acidId("acetic acid")), kAcidUsedInReagents);
    EXPECT_EQ(AcidChangeQuestion(*program, acidId("acetic acid")), kReferredObjectChange);
    EXPECT_EQ(AcidRemovalRefusal(*program, acidId("aniline")), std::nullopt);
    EXPECT_EQ(AcidChangeQuestion(*program, acidId("aniline")), std::nullopt);

    EXPECT_EQ(ReagentRemovalRefusal(*program, reagentId("HEPES free acid")), kReagentUsedInBuffers);
    EXPECT_EQ(ReagentChangeQuestion(*program, reagentId("sodium hydroxide")),
              kReferredObjectChange);
    EXPECT_EQ(ReagentRemovalRefusal(*program, reagentId("sodium acetate, solid")), std::nullopt);

    program->buffers.Remove("HEPES", "");
    EXPECT_EQ(ReagentRemovalRefusal(*program, reagentId("HEPES free acid")), std::nullopt);
}

TEST_F(IntegrityRulesTest, MoietiesUsedByAcidsSaltsOrDocumentsAreKept) {
    Element tris{"Tris", "C4H11NO3", "", 121.14, 2};
    const int trisPosition = program->elements.add(tris);
    const int hepes = program->elements.find("HEPES");
    const int chlorine = program->elements.find("Cl");

    std::vector<std::int64_t> usage = ElementUsage(*program, {});
    EXPECT_EQ(usage.size(), static_cast<std::size_t>(program->elements.count()));
    EXPECT_EQ(usage[0], 0);
    EXPECT_EQ(usage[static_cast<std::size_t>(hepes)], 1);  // the acid HEPES
    // Hydrochloric acid once, the salts' chloride ten times.
    EXPECT_EQ(usage[static_cast<std::size_t>(chlorine)], 11);
    EXPECT_EQ(MoietyRemovalRefusal(usage, hepes), kMoietyInUse);
    EXPECT_EQ(MoietyRemovalRefusal(usage, trisPosition), std::nullopt);
    EXPECT_EQ(MoietyRemovalRefusal(usage, 1000), std::nullopt);

    Composition document(program->elements.count() + 5, 0);
    document.set(trisPosition, 2);
    document.set(program->elements.count() + 4, 7);  // a slot beyond the table is ignored
    const std::vector<Composition> documents{document};
    usage = ElementUsage(*program, documents);
    EXPECT_EQ(usage[static_cast<std::size_t>(trisPosition)], 2);
    EXPECT_EQ(MoietyRemovalRefusal(usage, trisPosition), kMoietyInUse);
}

TEST(DatabaseEditNotes, EachNoteIsShownOnceAndTheChangeNoteOnlyWithBufferDocumentsOpen) {
    DatabaseEditNotes notes;
    EXPECT_EQ(notes.noteOnProgramAcidChange(), std::nullopt);
    notes.bufferDocumentOpened();
    notes.bufferDocumentOpened();
    notes.bufferDocumentClosed();
    EXPECT_EQ(notes.openBufferDocuments(), 1);
    EXPECT_EQ(notes.noteOnProgramAcidChange(), kChangesApplyToFutureDocuments);
    EXPECT_EQ(notes.noteOnProgramAcidChange(), std::nullopt);

    EXPECT_EQ(notes.noteOnAcidAdded(), kAddReagentsForNewAcids);
    EXPECT_EQ(notes.noteOnAcidAdded(), std::nullopt);
}

}  // namespace
}  // namespace solvara
