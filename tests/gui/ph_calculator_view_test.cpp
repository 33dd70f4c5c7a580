#include "gui/phcalc/ph_calculator_view.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <memory>

#include "core/phcalc/ph_calculator_doc.h"
#include "dialog_lookup.h"
#include "editor_fixture.h"
#include "gui/model/program_session.h"
#include "gui/widgets/formula_list_ctrl.h"
#include "modal_answers.h"
#include "support/scripted_questions.h"

namespace solvara {
namespace {

using testing::buttonNamed;
using testing::fieldLabelled;
using testing::ModalAnswers;

QString accessibleText(QObject* object, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(kind) : QString();
}

// The field a screen reader finds by its label.
// Its accessible name, or on Linux, where a drop-down list is named by what it shows, the label
// it is related to.
bool named(QWidget* field, const QString& name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
    if (face->text(QAccessible::Name) == name) return true;
    for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
        if (label->text(QAccessible::Name) == name) return true;
    }
    return false;
}

template <class Field>
Field* fieldNamed(QWidget& form, const QString& name) {
    for (Field* field : form.findChildren<Field*>()) {
        if (named(field, name)) return field;
    }
    ADD_FAILURE() << "no field named " << name.toStdString();
    return nullptr;
}

void saveSnapshot(QWidget& window, const QString& name) {
    const QString snapshots = qEnvironmentVariable("SOLVARA_GUI_SNAPSHOT_DIR");
    if (snapshots.isEmpty()) return;
    ASSERT_TRUE(QDir().mkpath(snapshots));
    EXPECT_TRUE(window.grab().save(snapshots + QLatin1Char('/') + name));
}

// A new pH calculation in its form, shown offscreen.
class PhCalculatorViewTest : public ::testing::Test {
  protected:
    PhCalculatorViewTest()
        : session(questions),
          document(std::make_unique<CpHCalculatorDoc>(session.program())),
          view(document, session) {
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QLineEdit* field(const char* name) {
        return fieldNamed<QLineEdit>(view, QString::fromUtf8(name));
    }
    QComboBox* box(const char* name) {
        return fieldNamed<QComboBox>(view, QString::fromUtf8(name));
    }
    QTabBar* tabs() { return view.findChild<QTabBar*>(); }
    CCFListCtrl* species() { return view.findChild<CCFListCtrl*>(); }
    QLabel* labelStartingWith(const QString& start) {
        for (QLabel* label : view.findChildren<QLabel*>()) {
            if (label->text().startsWith(start)) return label;
        }
        return nullptr;
    }
    QString pHText() { return accessibleText(labelStartingWith(QStringLiteral("pH = "))); }
    QPushButton* button(const QString& text) {
        for (QPushButton* candidate : view.findChildren<QPushButton*>()) {
            if (candidate->text().remove(QLatin1Char('&')) == text) return candidate;
        }
        return nullptr;
    }
    // Replaces the text of a field by typing, as a person does.
    static void type(QLineEdit* target, const QString& text) {
        target->setFocus();
        target->selectAll();
        QTest::keyClicks(target, text);
    }
    // What a screen reader reads in the cells of one column of the species list.
    std::vector<QString> column(int which) {
        QCoreApplication::processEvents();  // the list lays its rows out once events are handled
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(species());
        QAccessibleTableInterface* table = list->tableInterface();
        std::vector<QString> cells;
        for (int row = 0; row < table->rowCount(); ++row) {
            cells.push_back(table->cellAt(row, which)->text(QAccessible::Name));
        }
        return cells;
    }
    // The cell of the species whose formula reads `formula` to a screen reader.
    QString cell(const QString& formula, int which) {
        const std::vector<QString> formulas = column(0);
        const auto row = std::find(formulas.begin(), formulas.end(), formula);
        return row == formulas.end()
                   ? QString()
                   : column(which)[static_cast<std::size_t>(row - formulas.begin())];
    }
    const CpHCalculatorDoc& core() { return document.core(); }

    testing::ScriptedQuestions questions;
    ProgramSession session;
    PhCalculatorDocumentModel document;
    CpHCalculatorView view;
};

TEST_F(PhCalculatorViewTest, AceticAcidTypedAsAFormulaGivesItsPH) {
    EXPECT_EQ(pHText(), QStringLiteral("pH = 7.00"));
    EXPECT_EQ(tabs()->count(), 1);
    EXPECT_EQ(tabs()->tabText(0), QStringLiteral("reagent 1"));
    EXPECT_EQ(field("temperature")->text(), QStringLiteral("25"));
    EXPECT_EQ(field("formula")->placeholderText(), QStringLiteral("H_3PO_4 or 2Na^+,HPO_4^{2-}"));
    type(field("formula"), QStringLiteral("HAcetate"));
    type(field("concentration"), QStringLiteral("0.1"));

    EXPECT_EQ(pHText(), QStringLiteral("pH = 2.88"));
    EXPECT_EQ(tabs()->tabText(0), QStringLiteral("reagent 1"));
    EXPECT_TRUE(
        view.findChild<QPlainTextEdit*>()->toPlainText().contains(QStringLiteral("pH = 2.88")));
    // Sorted by formula at first.
    EXPECT_EQ(column(0), (std::vector<QString>{"Acetate-", "H+", "HAcetate", "OH-"}));
    EXPECT_EQ(cell("H+", 5), QStringLiteral("2.88 (pH)"));
    EXPECT_EQ(cell("HAcetate", 1), QStringLiteral("0.09863"));
    EXPECT_EQ(cell("HAcetate", 2), QStringLiteral("98.63%"));
    EXPECT_TRUE(core().IsModified());
    saveSnapshot(view, QStringLiteral("ph-calculator-acetic.png"));
}

TEST_F(PhCalculatorViewTest, ChoosingAReagentByNameTakesItFromTheDatabase) {
    QLineEdit* name = field("name");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("acetic a"));
    QAbstractItemView* offered = name->completer()->popup();
    ASSERT_TRUE(offered->isVisible());
    QTest::keyClick(offered, Qt::Key_Down);
    QTest::keyClick(offered, Qt::Key_Return);

    EXPECT_EQ(core().reagentAt(0).name, "acetic acid");
    EXPECT_EQ(field("formula")->text(), QStringLiteral("HAcetate"));
    EXPECT_EQ(tabs()->tabText(0), QStringLiteral("acetic acid"));
    type(field("concentration"), QStringLiteral("0.1"));
    EXPECT_EQ(pHText(), QStringLiteral("pH = 2.88"));
}

// Every keystroke recalculates, and what is typed stays as typed, caret included.
TEST_F(PhCalculatorViewTest, TypingANumberRecalculatesWithoutRewritingTheField) {
    type(field("formula"), QStringLiteral("HAcetate"));
    QLineEdit* concentration = field("concentration");
    concentration->setFocus();
    concentration->selectAll();
    struct Step {
        Qt::Key key;
        const char* text;
        double value;
        const char* pH;
    };
    for (const Step& step :
         {Step{Qt::Key_1, "1", 1.0, "pH = 2.38"}, Step{Qt::Key_Period, "1.", 1.0, "pH = 2.38"},
          Step{Qt::Key_5, "1.5", 1.5, "pH = 2.29"}}) {
        QTest::keyClick(concentration, step.key);
        EXPECT_EQ(concentration->text(), QString::fromLatin1(step.text));
        EXPECT_EQ(concentration->cursorPosition(), concentration->text().size());
        EXPECT_EQ(core().reagentAt(0).concentration, step.value);
        EXPECT_EQ(pHText(), QString::fromLatin1(step.pH));
    }
    // Leaving the field rewrites it without another calculation.
    QSignalSpy changes(&document, &DocumentModel::changed);
    field("filter")->setFocus();
    EXPECT_EQ(concentration->text(), QStringLiteral("1.5"));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(PhCalculatorViewTest, TextThatIsNoNumberIsSaidSoAndKeepsTheOtherFields) {
    type(field("formula"), QStringLiteral("HCl"));
    type(field("concentration"), QStringLiteral("0.01"));
    ModalAnswers answers;
    answers.pressInMessageBox(QMessageBox::Ok);
    QLineEdit* temperature = field("temperature");
    temperature->setFocus();
    temperature->end(false);
    QTest::keyClick(temperature, Qt::Key_X);

    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, QStringLiteral("Enter a number."));
    EXPECT_EQ(temperature->text(), QStringLiteral("25x"));
    EXPECT_EQ(temperature->cursorPosition(), 3);
    EXPECT_EQ(core().temperature(), 25.0);
    EXPECT_EQ(core().reagentAt(0).concentration, 0.01);
    EXPECT_EQ(pHText(), QStringLiteral("pH = 2.05"));
}

TEST_F(PhCalculatorViewTest, RowsAreAddedAndRemovedWithTheirTabs) {
    QPushButton* remove = button(QStringLiteral("Remove reagent"));
    EXPECT_FALSE(remove->isEnabled());
    type(field("formula"), QStringLiteral("HAcetate"));
    type(field("concentration"), QStringLiteral("0.1"));

    view.addReagent();
    EXPECT_EQ(tabs()->count(), 2);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("reagent 2"));
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_TRUE(field("formula")->text().isEmpty());
    EXPECT_EQ(field("concentration")->text(), QStringLiteral("0"));
    type(field("name"), QStringLiteral("lye"));
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("lye"));
    type(field("formula"), QStringLiteral("NaOH"));
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("lye (?)"));
    EXPECT_EQ(pHText(), QStringLiteral("pH = ???"));
    EXPECT_EQ(column(1), std::vector<QString>(column(1).size(), QStringLiteral("???")));
    type(field("concentration"), QStringLiteral("0.05"));
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("lye"));
    EXPECT_EQ(pHText(), QStringLiteral("pH = 4.65"));

    tabs()->setCurrentIndex(0);
    EXPECT_EQ(field("formula")->text(), QStringLiteral("HAcetate"));
    EXPECT_EQ(field("concentration")->text(), QStringLiteral("0.1"));
    remove->click();
    EXPECT_EQ(tabs()->count(), 1);
    EXPECT_EQ(tabs()->tabText(0), QStringLiteral("lye"));
    EXPECT_EQ(field("formula")->text(), QStringLiteral("NaOH"));
    EXPECT_FALSE(remove->isEnabled());
    saveSnapshot(view, QStringLiteral("ph-calculator-two-rows.png"));
}

TEST_F(PhCalculatorViewTest, ModesEnableTheirFieldsAndIgnoringTheIonicStrengthSetsItTo0) {
    type(field("formula"), QStringLiteral("H^+,Cl^-"));
    type(field("concentration"), QStringLiteral("0.2"));
    QLineEdit* ionicStrength = field("ionic strength (M)");
    EXPECT_FALSE(ionicStrength->isEnabled());
    EXPECT_EQ(ionicStrength->text(), QStringLiteral("0.2"));
    // Above the limit for reliable results: a red field and a framed pH.
    EXPECT_EQ(ionicStrength->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_FALSE(accessibleText(labelStartingWith("pH = "), QAccessible::Description).isEmpty());

    QComboBox* ionic = box("ionic strength");
    ionic->setCurrentIndex(1);
    Q_EMIT ionic->activated(1);
    EXPECT_EQ(core().ionicStrength(), 0.0);
    EXPECT_EQ(ionicStrength->text(), QStringLiteral("0"));
    EXPECT_EQ(pHText(), QStringLiteral("pH = 0.70"));
    EXPECT_NE(ionicStrength->palette().color(QPalette::Text), QColor(Qt::red));
    ionic->setCurrentIndex(2);
    Q_EMIT ionic->activated(2);
    EXPECT_TRUE(ionicStrength->isEnabled());
    type(ionicStrength, QStringLiteral("0.05"));
    EXPECT_EQ(core().ionicStrength(), 0.05);

    QLineEdit* volume = field("volume");
    QLineEdit* solutionVolume = field("solution volume (mL)");
    EXPECT_FALSE(volume->isEnabled());
    QComboBox* volumes = box("solution volume");
    Q_EMIT volumes->activated(1);
    EXPECT_TRUE(volume->isEnabled());
    EXPECT_FALSE(solutionVolume->isEnabled());
    type(volume, QStringLiteral("10"));
    EXPECT_EQ(solutionVolume->text(), QStringLiteral("10"));
    Q_EMIT volumes->activated(2);
    EXPECT_TRUE(solutionVolume->isEnabled());
    type(solutionVolume, QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(core().reagentAt(0).effectiveConcentration, 0.02);
    EXPECT_EQ(pHText(), QStringLiteral("pH = 1.81"));
}

TEST_F(PhCalculatorViewTest, TheFilterNarrowsTheListAndTotalsItAndColumnsSort) {
    type(field("formula"), QStringLiteral("HAcetate"));
    type(field("concentration"), QStringLiteral("0.1"));
    view.addReagent();
    type(field("formula"), QStringLiteral("Na^+,Acetate^-"));
    type(field("concentration"), QStringLiteral("0.05"));
    QLabel* total = labelStartingWith(QStringLiteral("Total"));
    EXPECT_EQ(total, nullptr);

    type(field("filter"), QStringLiteral("Acetate"));
    EXPECT_EQ(column(0), (std::vector<QString>{"Acetate-", "HAcetate"}));
    total = labelStartingWith(QStringLiteral("Total"));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(accessibleText(total), QStringLiteral("Total: 0.1500 M"));
    EXPECT_TRUE(total->isVisible());

    type(field("filter"), QStringLiteral("."));
    EXPECT_FALSE(total->isVisible());
    QHeaderView* header = species()->header();
    // By concentration, ascending, then descending on a second click.
    header->sectionClicked(1);
    std::vector<QString> names = column(0);
    EXPECT_EQ(names.front(), QStringLiteral("NaOH"));
    header->sectionClicked(1);
    names = column(0);
    EXPECT_EQ(names.back(), QStringLiteral("NaOH"));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    // Texts sort without regard to case.
    header->sectionClicked(0);
    EXPECT_EQ(column(0),
              (std::vector<QString>{"Acetate-", "H+", "HAcetate", "Na+", "NaOH", "OH-"}));
}

void reject(QWidget& modal) { qobject_cast<QDialog*>(&modal)->reject(); }

TEST_F(PhCalculatorViewTest, ADatabaseReagentReplacesTheRowsAndTheRowKeepsItsVolume) {
    Q_EMIT box("solution volume")->activated(1);
    type(field("volume"), QStringLiteral("10"));
    {
        ModalAnswers answers;
        answers.then(reject);
        button(QStringLiteral("database..."))->click();
    }
    EXPECT_TRUE(core().reagentAt(0).formula.empty()) << "Exit takes nothing";

    ModalAnswers answers;
    answers.then([](QWidget& picker) {
        ASSERT_TRUE(testing::selectSubstanceRow(picker, QStringLiteral("sodium hydroxide")));
        buttonNamed(picker, QStringLiteral("Use"))->click();
    });
    button(QStringLiteral("database..."))->click();
    EXPECT_EQ(core().reagentAt(0).name, "sodium hydroxide");
    EXPECT_EQ(core().reagentAt(0).volume, 10.0);
    EXPECT_EQ(field("volume")->text(), QStringLiteral("10"));
    EXPECT_EQ(field("formula")->text(), QStringLiteral("NaOH"));
    EXPECT_EQ(tabs()->tabText(0), QStringLiteral("sodium hydroxide"));
    EXPECT_EQ(pHText(), QStringLiteral("pH = 13.97"));
}

TEST_F(PhCalculatorViewTest, TheCalculatorsStockGivesTheConcentrationAndTheVolumeInMillilitres) {
    type(field("formula"), QStringLiteral("Na^+,Cl^-"));
    type(field("concentration"), QStringLiteral("0.1"));
    QSignalSpy changed(&document, &DocumentModel::changed);
    {
        ModalAnswers answers;
        answers.then(reject);
        button(QStringLiteral("C"))->click();
    }
    EXPECT_EQ(changed.count(), 0) << "Cancel changes nothing";

    ModalAnswers answers;
    answers.then([](QWidget& calculator) {
        // Opens on the stock as typed.
        EXPECT_EQ(fieldLabelled(calculator, QStringLiteral("C"))->text(), QStringLiteral("0.1"));
        QTest::keyClicks(fieldLabelled(calculator, QStringLiteral("C")), QStringLiteral("5"));
        testing::namedForScreenReaders<QComboBox>(calculator, QStringLiteral("volume unit"))
            ->setCurrentText(QStringLiteral("L"));
        QTest::keyClicks(fieldLabelled(calculator, QStringLiteral("V")), QStringLiteral("0.02"));
        buttonNamed(calculator, QStringLiteral("Use"))->click();
    });
    button(QStringLiteral("C"))->click();
    EXPECT_DOUBLE_EQ(core().reagentAt(0).volume, 20.0);
    EXPECT_DOUBLE_EQ(core().reagentAt(0).concentration, 0.15);
    EXPECT_EQ(field("volume")->text(), QStringLiteral("20"));
    EXPECT_EQ(field("concentration")->text(), QStringLiteral("0.15"));
}

TEST_F(PhCalculatorViewTest, AcidsDetailsChangeTheDocumentsAcidAndNotTheProgramsDatabase) {
    type(field("formula"), QStringLiteral("HAcetate"));
    type(field("concentration"), QStringLiteral("0.1"));
    ASSERT_EQ(pHText(), QStringLiteral("pH = 2.88"));
    QSignalSpy changed(&document, &DocumentModel::changed);
    {
        ModalAnswers answers;
        answers.then([](QWidget& editor) { buttonNamed(editor, QStringLiteral("Exit"))->click(); });
        button(QStringLiteral("Acids details"))->click();
    }
    EXPECT_EQ(changed.count(), 0) << "closing without a change changes nothing";

    ModalAnswers answers;
    answers.then([](QWidget& editor) {
        auto* acids = editor.findChild<QListWidget*>();
        const QList<QListWidgetItem*> acetic =
            acids->findItems(QStringLiteral("acetic acid"), Qt::MatchExactly);
        ASSERT_EQ(acetic.size(), 1);
        acids->setCurrentItem(acetic.front());
        QLineEdit* pKa = testing::namedForScreenReaders<QLineEdit>(editor, QStringLiteral("pKa1"));
        pKa->selectAll();
        QTest::keyClicks(pKa, QStringLiteral("5.9"));
        buttonNamed(editor, QStringLiteral("Modify"))->click();
        buttonNamed(editor, QStringLiteral("Exit"))->click();
    });
    button(QStringLiteral("Acids details"))->click();
    EXPECT_DOUBLE_EQ(core().acids().FindByName("acetic acid")->pKa[0], 5.9);
    EXPECT_DOUBLE_EQ(session.program().acids.FindByName("acetic acid")->pKa[0], 4.757);
    EXPECT_EQ(pHText(), QStringLiteral("pH = 3.45"));
}

// A form two acids share is asked about through the program's chooser when typed, and not
// again when the row's stock or reagent is replaced.
TEST_F(PhCalculatorViewTest, ASharedAcidFormIsAskedAboutOnlyWhenTheFormulaIsTyped) {
    BLAcid twin = *session.program().acids.FindByName("hydrochloric acid");
    twin.name = "hydrochloric acid, twin";
    session.program().acids.Add(twin, true);
    testing::FirstAcidChooser chooser;
    session.program().acidChooser = &chooser;
    type(field("formula"), QStringLiteral("H^+,Cl^-"));
    ASSERT_EQ(chooser.asked, 1);

    ModalAnswers answers;
    answers.then([](QWidget& calculator) {
        QTest::keyClicks(fieldLabelled(calculator, QStringLiteral("C")), QStringLiteral("1"));
        buttonNamed(calculator, QStringLiteral("Use"))->click();
    });
    answers.then([](QWidget& picker) {
        QTest::keyClicks(
            testing::namedForScreenReaders<QLineEdit>(picker, QStringLiteral("reagent name")),
            QStringLiteral("hydrochloric acid, own"));
        buttonNamed(picker, QStringLiteral("Use"))->click();
    });
    button(QStringLiteral("C"))->click();
    button(QStringLiteral("database..."))->click();
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(core().reagentAt(0).name, "hydrochloric acid, own");
    EXPECT_EQ(core().reagentAt(0).concentration, 1.0);
    EXPECT_EQ(session.program().acidChooser, &chooser);
    session.program().acidChooser = nullptr;
}

}  // namespace
}  // namespace solvara
