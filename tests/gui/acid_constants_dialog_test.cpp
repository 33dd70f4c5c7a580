#include "gui/dialogs/acid_constants_dialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "core/chemistry/bl_acid.h"
#include "editor_test_support.h"
#include "gui/widgets/f_edit.h"

namespace solvara {
namespace {

BLAcid triproticAcid() {
    BLAcid acid;
    acid.name = "test acid";
    acid.steps = 3;
    acid.pKa = {2, 7, 12, 0};
    acid.updateDerived();
    return acid;
}

double shown(const AcidConstantsDialog& dialog, const char* label) {
    const CFEdit* field = dialog.field(QString::fromLatin1(label));
    EXPECT_NE(field, nullptr) << label;
    return field == nullptr ? NAN : field->text().toDouble();
}

void type(AcidConstantsDialog& dialog, const char* label, const QString& text) {
    CFEdit* field = dialog.field(QString::fromLatin1(label));
    ASSERT_NE(field, nullptr) << label;
    field->selectAll();
    QTest::keyClicks(field, text);
}

TEST(AcidConstantsDialogTest, EveryFormFollowsTheTypedOneOnATriproticAcid) {
    AcidConstantsDialog dialog(triproticAcid(), false, 6);
    const double pKw = BLAcid::referencePKw();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("test acid"));
    struct Expected {
        const char* label;
        double value;
    };
    const Expected start[] = {{"pBa1", 2},     {"pBa2", 9},        {"pBa3", 21},    {"log KH1", 12},
                              {"log KH2", 7},  {"log KH3", 2},     {"log BH1", 12}, {"log BH2", 19},
                              {"log BH3", 21}, {"pKb1", pKw - 12}, {"Ka1", 0.01}};
    for (const Expected& e : start) EXPECT_NEAR(shown(dialog, e.label), e.value, 1e-4) << e.label;
    EXPECT_TRUE(dialog.field(QStringLiteral("pKa4"))->text().isEmpty());
    testing::saveEditorSnapshot(dialog, QStringLiteral("acid-constants.png"));
    EXPECT_FALSE(dialog.field(QStringLiteral("pKa4"))->isEnabled());

    // An overall acid constant moves one step and the overall values above it.
    type(dialog, "pBa2", QStringLiteral("10"));
    EXPECT_EQ(dialog.field(QStringLiteral("pBa2"))->text(), QStringLiteral("10"));  // as typed
    EXPECT_DOUBLE_EQ(dialog.acid().pKa[1], 8);
    EXPECT_NEAR(shown(dialog, "pBa3"), 22, 1e-4);

    // An overall base constant keeps the others, so the two steps beside it move.
    const double pBb1 = dialog.acid().pBb[0];
    const double pBb3 = dialog.acid().pBb[2];
    type(dialog, "pBb2", QString::number(dialog.acid().pBb[1] + 1, 'g', 17));
    EXPECT_NEAR(dialog.acid().pKa[1], 7, 1e-9);
    EXPECT_NEAR(dialog.acid().pKa[0], 3, 1e-9);
    EXPECT_DOUBLE_EQ(dialog.acid().pBb[0], pBb1);
    EXPECT_DOUBLE_EQ(dialog.acid().pBb[2], pBb3);

    // And back through the protonation and base forms to where it started.
    type(dialog, "log KH3", QStringLiteral("2"));
    type(dialog, "Kb1", QString::number(std::pow(10.0, -(pKw - 12)), 'g', 17));
    EXPECT_NEAR(dialog.acid().pKa[0], 2, 1e-9);
    EXPECT_NEAR(dialog.acid().pKa[2], 12, 1e-9);

    // The temperature coefficients mirror each other at once and move no constant.
    type(dialog, "dpKa1/dT", QStringLiteral("-0.0028"));
    EXPECT_NEAR(shown(dialog, "dpKb1/dT"), 0.0028, 1e-12);
    EXPECT_NEAR(dialog.acid().pKa[0], 2, 1e-9);
}

TEST(AcidConstantsDialogTest, ReadOnlyAcceptsNoInput) {
    AcidConstantsDialog dialog(triproticAcid(), true, 4);
    CFEdit* pKa1 = dialog.field(QStringLiteral("pKa1"));
    EXPECT_FALSE(pKa1->isEnabled());
    QTest::keyClicks(pKa1, QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(dialog.acid().pKa[0], 2);
}

}  // namespace
}  // namespace solvara
