#include "gui/dialogs/concentration_calculator.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <vector>

#include "core/program/program_model.h"
#include "dialog_lookup.h"

namespace solvara {
namespace {

using testing::fieldLabelled;
using testing::namedForScreenReaders;

// One thing a person does in the calculator: types into a field, picks an option or a unit.
struct Step {
    enum class Kind { type, option, unit } kind;
    const char* target;  // a field's label, an option's or a unit list's accessible name
    const char* text;    // what is typed, or the unit chosen
};

Step type(const char* field, const char* keys) { return {Step::Kind::type, field, keys}; }
Step option(const char* name) { return {Step::Kind::option, name, ""}; }
Step unit(const char* list, const char* chosen) { return {Step::Kind::unit, list, chosen}; }

struct Shown {
    const char* field;
    const char* text;
};

struct CalculatorCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<Shown> shown;
};

class ConcentrationCalculatorDialog : public ::testing::TestWithParam<CalculatorCase> {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }

    void perform(QWidget& dialog, const Step& step) {
        switch (step.kind) {
            case Step::Kind::type: {
                QLineEdit* field = fieldLabelled(dialog, QString::fromLatin1(step.target));
                ASSERT_NE(field, nullptr) << step.target;
                ASSERT_TRUE(field->isEnabled()) << step.target;
                field->setFocus();
                field->selectAll();
                const QString keys = QString::fromLatin1(step.text);
                if (keys.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
                for (qsizetype typed = 0; typed < keys.size(); ++typed) {
                    QTest::keyClicks(field, keys.mid(typed, 1));
                    // The field keeps what was typed and where the caret is.
                    ASSERT_EQ(field->text(), keys.left(typed + 1));
                    ASSERT_EQ(field->cursorPosition(), typed + 1);
                }
                break;
            }
            case Step::Kind::option: {
                auto* button =
                    namedForScreenReaders<QRadioButton>(dialog, QString::fromLatin1(step.target));
                ASSERT_NE(button, nullptr) << step.target;
                button->click();
                break;
            }
            case Step::Kind::unit: {
                auto* list =
                    namedForScreenReaders<QComboBox>(dialog, QString::fromLatin1(step.target));
                ASSERT_NE(list, nullptr) << step.target;
                list->setCurrentText(QString::fromLatin1(step.text));
                break;
            }
        }
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_P(ConcentrationCalculatorDialog, RecalculatesOnEveryKeystroke) {
    const CalculatorCase& c = GetParam();
    CConcentrationCalculator dialog(CCDataSet(), CConcentrationCalculator::Mode::standalone,
                                    program->elements, 4);
    dialog.show();
    for (const Step& step : c.steps) {
        SCOPED_TRACE(step.target);
        ASSERT_NO_FATAL_FAILURE(perform(dialog, step));
    }
    testing::saveSnapshot(dialog,
                          QStringLiteral("calculator-%1.png").arg(QString::fromLatin1(c.name)));
    for (const Shown& shown : c.shown) {
        QLineEdit* field = fieldLabelled(dialog, QString::fromLatin1(shown.field));
        ASSERT_NE(field, nullptr) << shown.field;
        EXPECT_EQ(field->text().toStdString(), shown.text) << shown.field;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConcentrationCalculatorDialog,
    ::testing::Values(
        CalculatorCase{"SodiumChlorideStock",
                       {type("formula", "NaCl"), type("mass", "5.844"), type("V", "100")},
                       {{"molar mass", "58.44"}, {"n", "0.1"}, {"C", "1"}}},
        CalculatorCase{"UnitSwitches",
                       {type("formula", "NaCl"), type("mass", "5.844"), type("V", "100"),
                        unit("concentration unit", "mmol/L"), unit("volume unit", "L")},
                       {{"C", "1000"}, {"V", "0.1"}, {"n", "0.1"}}},
        CalculatorCase{"ConcentrationConstant",
                       {type("formula", "NaCl"), type("V", "100"), type("C", "0.5"),
                        option("C = const"), type("n", "0.25")},
                       {{"V", "500"}, {"C", "0.5"}, {"mass", "14.61"}}},
        CalculatorCase{"AmountConstant",
                       {type("V", "100"), type("n", "0.1"), option("n = const"), type("V", "250")},
                       {{"C", "0.4"}, {"n", "0.1"}}},
        CalculatorCase{
            "BeSmartVolumeFillsTheAmount",
            {type("formula", "NaCl"), type("C", "1"), unit("volume unit", "L"), type("V", "2")},
            {{"n", "2"}, {"mass", "116.9"}}}),
    [](const ::testing::TestParamInfo<CalculatorCase>& row) { return row.param.name; });

TEST_F(ConcentrationCalculatorDialog, OptionsAndAmountDecideWhatCanBeTyped) {
    CConcentrationCalculator dialog(CCDataSet(), CConcentrationCalculator::Mode::standalone,
                                    program->elements, 4);
    dialog.show();
    QLineEdit* formula = fieldLabelled(dialog, QStringLiteral("formula"));
    ASSERT_NO_FATAL_FAILURE(perform(dialog, type("n", "1")));
    EXPECT_FALSE(formula->isEnabled());
    ASSERT_NO_FATAL_FAILURE(perform(dialog, type("n", "")));
    EXPECT_TRUE(formula->isEnabled());

    ASSERT_NO_FATAL_FAILURE(perform(dialog, option("n = const")));
    EXPECT_FALSE(fieldLabelled(dialog, QStringLiteral("mass"))->isEnabled());
    EXPECT_FALSE(fieldLabelled(dialog, QStringLiteral("n"))->isEnabled());
    EXPECT_TRUE(fieldLabelled(dialog, QStringLiteral("V"))->isEnabled());
    EXPECT_FALSE(testing::buttonNamed(dialog, QStringLiteral("Use"))->isEnabled());
}

TEST_F(ConcentrationCalculatorDialog, EmbeddedWorksOnACopyAndClearKeepsTheSubstance) {
    CCDataSet stock;
    stock.formula = "Na^+,Cl^-";
    stock.SetConcentration(0.5);
    CConcentrationCalculator dialog(stock, CConcentrationCalculator::Mode::embedded,
                                    program->elements, 4);
    dialog.show();
    EXPECT_FALSE(fieldLabelled(dialog, QStringLiteral("formula"))->isEnabled());
    EXPECT_FALSE(fieldLabelled(dialog, QStringLiteral("molar mass"))->isEnabled());
    EXPECT_FALSE(testing::buttonNamed(dialog, QStringLiteral("Clear all"))->isVisible());
    EXPECT_NEAR(dialog.data().molarMass, 58.44, 0.01);

    ASSERT_NO_FATAL_FAILURE(perform(dialog, type("V", "20")));
    EXPECT_DOUBLE_EQ(dialog.data().volumeLitres, 0.02);
    EXPECT_DOUBLE_EQ(dialog.data().amount, 0.01);
    EXPECT_DOUBLE_EQ(stock.volumeLitres, 0.0);

    testing::buttonNamed(dialog, QStringLiteral("Clear"))->click();
    EXPECT_EQ(dialog.data().amount, 0.0);
    EXPECT_EQ(dialog.data().formula, "Na^+,Cl^-");
    EXPECT_EQ(fieldLabelled(dialog, QStringLiteral("V"))->text(), QStringLiteral("0"));
}

}  // namespace
}  // namespace solvara
