#include "gui/buffer/solvara_view.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "core/buffer/buffer_database.h"
#include "core/program/program_model.h"
#include "dialog_lookup.h"
#include "editor_fixture.h"
#include "gui/buffer/buffer_list_widget.h"
#include "gui/buffer/capacity_plot_widget.h"
#include "gui/buffer/reagent_group.h"
#include "gui/buffer/warning_frame.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "modal_answers.h"
#include "support/scripted_questions.h"

namespace solvara {
namespace {

using testing::ModalAnswers;

constexpr const char* phosphate = "sodium dihydrogenphosphate/disodium hydrogenphosphate";

// A new buffer document with its design form on screen.
class SolvaraViewTest : public ::testing::Test {
  protected:
    SolvaraViewTest()
        : document(std::make_unique<CSolvaraDoc>(session.program())), view(document, session) {
        QLocale::setDefault(QLocale::c());
        view.show();
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    // The widget of `Type` a screen reader finds by `name`.
    template <class Type>
    Type& named(const QString& name) {
        for (Type* widget : view.findChildren<Type*>()) {
            if (widget->accessibleName() == name) return *widget;
        }
        throw std::runtime_error("no widget named " + name.toStdString());
    }
    CFEdit& field(const QString& name) { return named<CFEdit>(name); }

    // Types `text` over what the field shows, as a person does after selecting it.
    static void type(QLineEdit& field, const QString& text) {
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&field, text);
    }

    void pick(const QString& variant) {
        auto& list = *view.findChild<BufferListWidget*>();
        const auto found = list.findItems(variant, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << variant.toStdString();
        list.scrollToItem(found.front());
        const QRect row = list.visualItemRect(found.front());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    }

    QString amount(const QString& name) {
        return QAccessible::queryAccessibleInterface(&named<QLineEdit>(name))
            ->text(QAccessible::Value);
    }

    // The button called `name` in the group whose title begins with `group`.
    QPushButton& button(const QString& group, const QString& name) {
        for (QGroupBox* box : view.findChildren<QGroupBox*>()) {
            if (!box->title().startsWith(group)) continue;
            for (QPushButton* candidate : box->findChildren<QPushButton*>()) {
                if (candidate->accessibleName() == name) return *candidate;
            }
        }
        throw std::runtime_error("no button " + name.toStdString() + " in " + group.toStdString());
    }

    void designPhosphate() {
        pick(phosphate);
        type(field("pH"), "7.4");
        type(field("C"), "0.1");
        type(field("V"), "1");
    }

    testing::ScriptedQuestions questions;
    ProgramSession session{questions};
    BufferDocumentModel document;
    CSolvaraView view;
};

TEST_F(SolvaraViewTest, DesignsThePhosphateBufferFromTheKeyboard) {
    designPhosphate();
    EXPECT_EQ(amount("1st reagent amount"), "31.85");
    EXPECT_EQ(amount("2nd reagent amount"), "84.08");
    EXPECT_TRUE(view.findChildren<ReagentGroup*>().front()->title().startsWith("1st reagent (pH="));
    EXPECT_EQ(document.title(), fromWindows1252(phosphate));
    EXPECT_TRUE(document.isModified());
}

TEST_F(SolvaraViewTest, RecalculatesOnEveryKeystrokeWithoutRewritingTheTypedText) {
    pick(phosphate);
    CFEdit& pH = field("pH");
    QSignalSpy changes(&document, &DocumentModel::changed);
    type(pH, "7,");
    EXPECT_EQ(pH.text(), "7,") << "the field being typed in keeps its text";
    type(pH, "7,20");
    EXPECT_EQ(document.core().inputs().pH, 7.2);
    const qsizetype typed = changes.count();
    EXPECT_EQ(typed, 6) << "one recalculation per keystroke, selecting all included";
    QTest::keyClick(&pH, Qt::Key_Tab);
    EXPECT_EQ(pH.text(), "7.20") << "the field rewrites itself on leaving";
    EXPECT_EQ(changes.count(), typed) << "leaving it recalculates nothing";
    type(field("C"), "0.05");
    EXPECT_EQ(pH.text(), "7.20") << "other fields keep the digits they were typed with";

    type(pH, "7.");
    document.refreshViews();
    EXPECT_EQ(pH.text(), "7.") << "a redraw for another reason leaves the typing alone";
}

TEST_F(SolvaraViewTest, PickingARowReplacesTheBufferOnceAndLeavesTheDocumentUnmodified) {
    designPhosphate();
    QSignalSpy changes(&document, &DocumentModel::changed);
    pick(phosphate);
    EXPECT_EQ(changes.count(), 0) << "picking the same row again does nothing";
    EXPECT_TRUE(document.isModified());

    auto& list = *view.findChild<BufferListWidget*>();
    const QString other = fromWindows1252(list.rows().back().entry.variantName);
    ASSERT_NE(other, fromWindows1252(phosphate));
    pick(other);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(fromWindows1252(document.core().buffer().name), other);
    EXPECT_EQ(named<QLineEdit>("name").text(), other);
    EXPECT_EQ(list.currentItem()->text(0), other) << "the pick stays selected after re-ranking";
}

TEST_F(SolvaraViewTest, TheListIsRankedByCapacityAndReRankedWithThePH) {
    designPhosphate();
    auto& list = *view.findChild<BufferListWidget*>();
    const auto capacities = [&] {
        std::vector<double> values;
        for (const BufferListRow& row : list.rows()) values.push_back(row.capacity);
        return values;
    };
    const std::vector<double> atNeutral = capacities();
    EXPECT_TRUE(std::is_sorted(atNeutral.rbegin(), atNeutral.rend()));
    type(field("pH"), "4");
    EXPECT_NE(capacities(), atNeutral);
    EXPECT_EQ(list.topLevelItem(0)->text(1).toStdString(), list.rows().front().capacityText);
}

TEST_F(SolvaraViewTest, ForcingBringsInTheDefaultSaltAndTakesItAway) {
    designPhosphate();
    auto& force = *view.findChild<QCheckBox*>();
    CFEdit& ionicStrength = field("IS");
    EXPECT_FALSE(ionicStrength.isEnabled());
    QTest::mouseClick(&force, Qt::LeftButton);
    EXPECT_TRUE(ionicStrength.isEnabled());
    ASSERT_FALSE(document.core().salt().name.empty());
    type(ionicStrength, "0.3");
    EXPECT_NE(amount("salt amount"), "");
    QTest::mouseClick(&force, Qt::LeftButton);
    EXPECT_TRUE(document.core().salt().name.empty());
    EXPECT_EQ(amount("salt amount"), "");
}

TEST_F(SolvaraViewTest, TheIonicStrengthTurnsRedAboveTheLimitAndBlueBelowTheBuffersOwn) {
    designPhosphate();
    type(field("C"), "0.01");
    QTest::mouseClick(view.findChild<QCheckBox*>(), Qt::LeftButton);
    CFEdit& ionicStrength = field("IS");
    const auto& frame = *view.findChild<WarningFrame*>();
    const struct {
        const char* typed;
        QColor colour;
    } cases[] = {{"5", QColor(255, 0, 0)}, {"0.001", QColor(0, 0, 255)}};
    for (const auto& c : cases) {
        type(ionicStrength, c.typed);
        EXPECT_EQ(ionicStrength.palette().color(QPalette::Text), c.colour) << c.typed;
        EXPECT_EQ(frame.frameColour(), c.colour) << c.typed;
    }
    type(ionicStrength, "0.05");
    EXPECT_EQ(frame.frameColour(), std::nullopt);
    EXPECT_EQ(ionicStrength.palette().color(QPalette::Text), view.palette().color(QPalette::Text));
}

TEST_F(SolvaraViewTest, UnitSwitchesShowTheStoredValueInTheNewUnit) {
    designPhosphate();
    QTest::keyClick(&field("V"), Qt::Key_Tab);
    auto& volumeUnit = named<QComboBox>("V unit");
    volumeUnit.setFocus();
    QTest::keyClick(&volumeUnit, Qt::Key_Down);
    EXPECT_EQ(field("V").text(), "1000");
    EXPECT_EQ(document.core().inputs().volume, 1.0);
    auto& concentrationUnit = named<QComboBox>("C unit");
    concentrationUnit.setFocus();
    QTest::keyClick(&concentrationUnit, Qt::Key_Down);
    EXPECT_EQ(field("C").text().toDouble(), 100.0);
    EXPECT_EQ(amount("1st reagent amount"), "31.85");
}

TEST_F(SolvaraViewTest, AFailedPreparationShowsNoAmountsAndZeroCapacity) {
    designPhosphate();
    type(field("pH"), "1");
    EXPECT_EQ(amount("1st reagent amount"), "");
    EXPECT_EQ(amount("2nd reagent amount"), "");
    EXPECT_EQ(named<QLineEdit>("capacity").text(), "0");
    EXPECT_EQ(view.findChild<QLabel*>("preparationPh")->text(), "deg C pH can't be calculated.");
}

TEST_F(SolvaraViewTest, ANonNumberOrAValueOutOfRangeIsRefusedAndNothingElseIsLost) {
    designPhosphate();
    ModalAnswers answers;
    answers.pressInMessageBox(QMessageBox::Ok);
    answers.pressInMessageBox(QMessageBox::Ok);
    CFEdit& pH = field("pH");
    type(pH, "x");
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, "Enter a number.");
    EXPECT_EQ(pH.text(), "x");
    EXPECT_EQ(document.core().inputs().pH, 7.4);
    EXPECT_EQ(amount("1st reagent amount"), "31.85");

    type(pH, "15");
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[1].text, "Enter a number between 0 and 14.");
    EXPECT_EQ(pH.text(), "15");
    EXPECT_EQ(document.core().inputs().pH, 1.0) << "the last number typed that was in range";
    EXPECT_EQ(document.core().inputs().concentration, 0.1);
}

TEST_F(SolvaraViewTest, ThePlotMarksTheWantedPhAndDrawsTheCurveSharplyAtAnyPixelRatio) {
    designPhosphate();
    const auto& plot = *view.findChild<CapacityPlotWidget*>();
    ASSERT_FALSE(plot.picture().curve.empty());
    EXPECT_EQ(plot.picture().label, "0.1");
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage image = plot.render(ratio);
        ASSERT_EQ(image.width(), qRound(CapacityPlotWidget::plotWidth * ratio));
        const auto dark = [&](PixelPoint point) {
            return qGray(image.pixel(qFloor((point.x + 0.5) * ratio),
                                     qFloor((point.y + 0.5) * ratio))) < 100;
        };
        EXPECT_TRUE(dark({148, 6})) << "the triangle at pH 7.4, ratio " << ratio;
        EXPECT_FALSE(dark({100, 6})) << "beside the triangle";
        const PixelPoint peak =
            *std::min_element(plot.picture().curve.begin(), plot.picture().curve.end(),
                              [](PixelPoint a, PixelPoint b) { return a.y < b.y; });
        EXPECT_TRUE(dark(peak)) << "the curve's top, ratio " << ratio;
        EXPECT_FALSE(dark({peak.x, peak.y - 4})) << "above the curve";
    }
}

// What a person does in a dialog before closing it.
using DialogAnswer = testing::ModalAnswers::Answer;

void press(QWidget& dialog, const char* button) {
    QAbstractButton* found = testing::buttonNamed(dialog, QString::fromLatin1(button));
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

DialogAnswer pickListRow(const char* row) {
    return [row](QWidget& picker) {
        ASSERT_TRUE(testing::selectSubstanceRow(picker, QString::fromLatin1(row))) << row;
        press(picker, "Use");
    };
}

DialogAnswer typeConcentration(const char* molar) {
    return [molar](QWidget& calculator) {
        QLineEdit* concentration = testing::fieldLabelled(calculator, QStringLiteral("C"));
        ASSERT_NE(concentration, nullptr);
        concentration->selectAll();
        QTest::keyClicks(concentration, QString::fromLatin1(molar));
        press(calculator, "Use");
    };
}

TEST_F(SolvaraViewTest, TheBufferFromTheDatabaseIsAChangeAndTheListPickIsForgotten) {
    designPhosphate();
    auto& list = *view.findChild<BufferListWidget*>();
    testing::ModalAnswers answers;
    answers.then([](QWidget& picker) {
        auto* tree = picker.findChild<QTreeWidget*>();
        tree->setCurrentItem(tree->findItems(QStringLiteral("HEPES/sodium hydroxide"),
                                             Qt::MatchExactly | Qt::MatchRecursive)
                                 .front());
        press(picker, "Use");
    });
    button("Buffer selection", "database...").click();
    EXPECT_EQ(document.title(), QStringLiteral("HEPES/sodium hydroxide"));
    EXPECT_EQ(named<QLineEdit>("name").text(), QStringLiteral("HEPES/sodium hydroxide"));
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(list.selectedItems().isEmpty());
    EXPECT_NE(amount("1st reagent amount"), "31.85");

    pick(phosphate);  // the entry picked before loads again
    EXPECT_EQ(document.core().buffer().name, phosphate);
    EXPECT_EQ(amount("1st reagent amount"), "31.85");
}

TEST_F(SolvaraViewTest, AReagentFromTheDatabaseRenamesTheBufferAndKeepsTheDesign) {
    designPhosphate();
    testing::ModalAnswers answers;
    answers.then(pickListRow("sodium hydroxide"));
    button("2nd reagent", "database...").click();
    const StandaloneBuffer& buffer = document.core().buffer();
    EXPECT_EQ(buffer.SecondReagent()->name, "sodium hydroxide");
    EXPECT_EQ(buffer.name, "sodium dihydrogenphosphate+sodium hydroxide");
    EXPECT_EQ(buffer.id, -1);
    EXPECT_EQ(document.title(), fromWindows1252(buffer.name));
    EXPECT_EQ(named<QLineEdit>("name").text(), document.title());
    EXPECT_EQ(document.core().inputs().volume, 1.0);
    EXPECT_EQ(document.core().inputs().pH, 7.4);
    EXPECT_TRUE(view.findChildren<ReagentGroup*>()[1]->title().startsWith("2nd reagent (pH="));
    // All the phosphate now comes from the 1st reagent, 0.1 mol of its 0.5 M stock.
    EXPECT_EQ(amount("1st reagent amount"), "200.00");
    EXPECT_TRUE(view.findChild<BufferListWidget*>()->selectedItems().isEmpty());
}

TEST_F(SolvaraViewTest, TheCalculatorDefinesTheReagentStock) {
    designPhosphate();
    testing::ModalAnswers answers;
    answers.then(typeConcentration("0.25"));
    button("1st reagent", "C").click();
    const Reagent& reagent = *document.core().buffer().FirstReagent();
    EXPECT_EQ(reagent.concentration, 0.25);
    EXPECT_EQ(reagent.concentrationData.concentrationMolar, 0.25);
    EXPECT_EQ(view.findChildren<ReagentGroup*>().front()->stockField().text(), "0.2500");
    EXPECT_EQ(amount("1st reagent amount"), "63.70");  // half as strong: twice as much
}

TEST_F(SolvaraViewTest, TheSaltComesFromTheDatabaseAndItsStockFromTheCalculator) {
    designPhosphate();
    ReagentGroup& salt = *view.findChildren<ReagentGroup*>()[2];
    EXPECT_FALSE(button("Inert salt", "C").isEnabled()) << "no salt, no stock";
    testing::ModalAnswers answers;
    answers.then(pickListRow("potassium chloride, 1M"));
    answers.then(typeConcentration("2"));
    button("Inert salt", "database...").click();
    EXPECT_EQ(document.core().salt().name, "potassium chloride, 1M");
    EXPECT_TRUE(salt.stockField().isEnabled());
    ASSERT_TRUE(button("Inert salt", "C").isEnabled());
    button("Inert salt", "C").click();
    EXPECT_EQ(document.core().salt().concentration, 2.0);
    EXPECT_EQ(salt.stockField().text(), "2.000");
}

TEST_F(SolvaraViewTest, AcidsDetailsChangeOnlyTheDesignsOwnAcids) {
    designPhosphate();
    const QString firstAmount = amount("1st reagent amount");
    testing::ModalAnswers answers;
    answers.then([](QWidget& editor) {
        auto* acids = editor.findChild<QListWidget*>();
        acids->setCurrentItem(
            acids->findItems(QStringLiteral("phosphoric acid"), Qt::MatchExactly).front());
        QLineEdit* pKa2 = testing::namedForScreenReaders<QLineEdit>(editor, QStringLiteral("pKa2"));
        ASSERT_NE(pKa2, nullptr);
        pKa2->selectAll();
        QTest::keyClicks(pKa2, QStringLiteral("7.5"));
        press(editor, "Modify");
        press(editor, "Exit");
    });
    button("Buffer preparation", "acids details").click();
    EXPECT_EQ(document.core().buffer().acidDatabase().FindByName("phosphoric acid")->pKa[1], 7.5);
    EXPECT_NE(session.program().acids.FindByName("phosphoric acid")->pKa[1], 7.5);
    EXPECT_NE(amount("1st reagent amount"), firstAmount);
}

TEST_F(SolvaraViewTest, ClosingAnyButtonsDialogWithoutTakingChangesNothing) {
    designPhosphate();
    QTest::mouseClick(view.findChild<QCheckBox*>(), Qt::LeftButton);  // brings in a salt stock
    ASSERT_FALSE(document.core().salt().name.empty());
    QSignalSpy changes(&document, &DocumentModel::changed);
    const std::pair<const char*, const char*> buttons[] = {{"Buffer selection", "database..."},
                                                           {"1st reagent", "database..."},
                                                           {"2nd reagent", "database..."},
                                                           {"Inert salt", "database..."},
                                                           {"1st reagent", "C"},
                                                           {"2nd reagent", "C"},
                                                           {"Inert salt", "C"},
                                                           {"Buffer preparation", "acids details"}};
    for (const auto& [group, name] : buttons) {
        testing::ModalAnswers answers;
        answers.then([](QWidget& dialog) { qobject_cast<QDialog*>(&dialog)->reject(); });
        button(group, name).click();
    }
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(document.core().buffer().name, phosphate);
}

TEST_F(SolvaraViewTest, TheBufferListFollowsTheEditedDatabase) {
    designPhosphate();
    BufferDatabase& buffers = session.program().buffers;
    auto added = std::make_unique<Buffer>(*buffers.FindVariant("phosphate buffer 7.2", phosphate));
    added->name = "my phosphate";
    added->isDefaultVariant = true;
    buffers.AddGroup("my buffers");
    buffers.AddVariant("my buffers", std::move(added));
    session.announceDatabaseEdited();

    auto& list = *view.findChild<BufferListWidget*>();
    const auto mine = list.findItems(QStringLiteral("my phosphate"), Qt::MatchExactly);
    ASSERT_EQ(mine.size(), 1);
    EXPECT_FALSE(mine.front()->text(1).isEmpty()) << "ranked with the others";
    EXPECT_EQ(list.currentItem()->text(0), fromWindows1252(phosphate)) << "the pick stays";
}

TEST_F(SolvaraViewTest, EveryResultIsReadableWithWhatItIs) {
    designPhosphate();
    const auto read = [](QWidget& widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
        return std::pair(accessible->text(QAccessible::Name), accessible->text(QAccessible::Value));
    };
    EXPECT_EQ(read(named<QLineEdit>("1st reagent amount")).second, "31.85");
    EXPECT_EQ(read(named<QLineEdit>("capacity")).second, named<QLineEdit>("capacity").text());
    EXPECT_FALSE(named<QLineEdit>("capacity").text().isEmpty());
    EXPECT_TRUE(read(*view.findChild<QLabel*>("preparationPh"))
                    .first.startsWith("deg C pH of this solution is "));
    for (const char* label : {"name", "pH", "work temp (deg C)", "C", "V", "IS", "At temperature"})
        EXPECT_EQ(read(named<QLineEdit>(label)).first, label);
    EXPECT_EQ(named<QLineEdit>("1st reagent amount").accessibleDescription(), "mL");

    const QString snapshots = qEnvironmentVariable("SOLVARA_GUI_SNAPSHOT_DIR");
    if (!snapshots.isEmpty()) {
        view.resize(view.sizeHint());
        view.grab().save(QDir(snapshots).filePath("design-view.png"));
        const QFont usual = QApplication::font();
        QFont larger = usual;
        larger.setPointSizeF(usual.pointSizeF() * 1.5);
        QApplication::setFont(larger);
        CSolvaraView large(document, session);
        large.resize(large.sizeHint());
        large.grab().save(QDir(snapshots).filePath("design-view-large-font.png"));
        QApplication::setFont(usual);
    }
}

}  // namespace
}  // namespace solvara
