#include "gui/app/defaults_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

namespace solvara {
namespace {

// Finds a control of the dialog as a screen reader does: by its accessible name.
template <class Control>
Control& control(QWidget& dialog, const QString& name) {
    for (Control* candidate : dialog.findChildren<Control*>()) {
        if (candidate->accessibleName() == name) return *candidate;
    }
    throw std::runtime_error("no control named " + name.toStdString());
}

// Answers the next message box with OK; `text` gets what it said.
void answerNextMessage(QString& text) {
    QTimer::singleShot(0, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
}

QPushButton& button(QWidget& dialog, const QString& text) {
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text) return *candidate;
    }
    throw std::runtime_error("no button " + text.toStdString());
}

void type(QLineEdit& field, const QString& text) {
    field.selectAll();
    QTest::keyClicks(&field, text);
}

class DefaultsDialogTest : public testing::Test {
  protected:
    QLineEdit& field(const QString& name) { return control<QLineEdit>(dialog, name); }
    QComboBox& list(const QString& name) { return control<QComboBox>(dialog, name); }
    QCheckBox& force() { return control<QCheckBox>(dialog, QStringLiteral("force")); }
    void clickOk() { QTest::mouseClick(&button(dialog, QStringLiteral("OK")), Qt::LeftButton); }

    ProgramDefaults given;
    DefaultsDialog dialog{given};
};

TEST_F(DefaultsDialogTest, UnitListsConvertTheirNumberAtOnce) {
    QLineEdit& concentration = field(QStringLiteral("initial buffer concentration"));
    QComboBox& concentrationUnit = list(QStringLiteral("concentration unit"));
    EXPECT_EQ(concentration.text(), QStringLiteral("0.025"));
    concentrationUnit.setCurrentText(QStringLiteral("mM"));
    EXPECT_EQ(concentration.text(), QStringLiteral("25"));
    concentrationUnit.setCurrentText(QStringLiteral("M"));
    EXPECT_EQ(concentration.text(), QStringLiteral("0.025"));

    QLineEdit& volume = field(QStringLiteral("initial volume"));
    QComboBox& volumeUnit = list(QStringLiteral("volume unit"));
    volumeUnit.setCurrentText(QStringLiteral("mL"));
    EXPECT_EQ(volume.text(), QStringLiteral("1000"));
    type(volume, QStringLiteral("250"));
    volumeUnit.setCurrentText(QStringLiteral("L"));
    EXPECT_EQ(volume.text(), QStringLiteral("0.25"));

    // 25 mM is within range although 25 M would not be.
    concentrationUnit.setCurrentText(QStringLiteral("mM"));
    clickOk();
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    EXPECT_EQ(dialog.result().concentrationUnit, ConcentrationUnit::millimolar);
    EXPECT_DOUBLE_EQ(dialog.result().concentration, 25);
    EXPECT_EQ(dialog.result().volumeUnit, VolumeUnit::litres);
    EXPECT_DOUBLE_EQ(dialog.result().volume, 0.25);
}

TEST_F(DefaultsDialogTest, UnitOfATextThatIsNoNumberStays) {
    QLineEdit& concentration = field(QStringLiteral("initial buffer concentration"));
    type(concentration, QStringLiteral("abc"));
    QString message;
    answerNextMessage(message);
    list(QStringLiteral("concentration unit")).setCurrentText(QStringLiteral("mM"));
    EXPECT_EQ(message, QStringLiteral("initial buffer concentration: Enter a number."));
    EXPECT_EQ(list(QStringLiteral("concentration unit")).currentText(), QStringLiteral("M"));
    EXPECT_EQ(concentration.text(), QStringLiteral("abc"));
}

TEST_F(DefaultsDialogTest, ForceEnablesTheInitialIonicStrength) {
    QLineEdit& ionicStrength = field(QStringLiteral("initial IS"));
    EXPECT_FALSE(ionicStrength.isEnabled());
    QTest::mouseClick(&force(), Qt::LeftButton);
    EXPECT_TRUE(ionicStrength.isEnabled());
    QTest::mouseClick(&force(), Qt::LeftButton);
    EXPECT_FALSE(ionicStrength.isEnabled());
}

TEST(DefaultsDialog, ResetPutsTheBuiltInValuesBack) {
    ProgramDefaults edited;
    edited.pH = 4.5;
    edited.concentration = 50;
    edited.concentrationUnit = ConcentrationUnit::millimolar;
    edited.volume = 500;
    edited.volumeUnit = VolumeUnit::millilitres;
    edited.forceIonicStrength = true;
    edited.ionicStrength = 0.2;
    edited.daviesC = -0.2;
    edited.startWith = StartDocument::ask;
    DefaultsDialog dialog(edited);
    auto text = [&dialog](const char* name) {
        return control<QLineEdit>(dialog, QString::fromLatin1(name)).text().toStdString();
    };
    auto choice = [&dialog](const char* name) {
        return control<QComboBox>(dialog, QString::fromLatin1(name)).currentText().toStdString();
    };
    ASSERT_EQ(text("initial buffer concentration"), "50");
    ASSERT_TRUE(control<QLineEdit>(dialog, QStringLiteral("initial IS")).isEnabled());

    QTest::mouseClick(&button(dialog, QStringLiteral("&Reset")), Qt::LeftButton);
    EXPECT_EQ(text("initial pH"), "7");
    EXPECT_EQ(text("initial buffer concentration"), "0.025");
    EXPECT_EQ(choice("concentration unit"), "M");
    EXPECT_EQ(text("initial volume"), "1");
    EXPECT_EQ(choice("volume unit"), "L");
    EXPECT_EQ(text("Davies equation C"), "-0.3");
    EXPECT_EQ(choice("Start with"), "Buffer");
    EXPECT_FALSE(control<QCheckBox>(dialog, QStringLiteral("force")).isChecked());
    EXPECT_FALSE(control<QLineEdit>(dialog, QStringLiteral("initial IS")).isEnabled());

    dialog.accept();
    const ProgramDefaults result = dialog.result();
    EXPECT_EQ(result.concentrationUnit, ConcentrationUnit::molar);
    EXPECT_EQ(result.concentration, 0.025);
    EXPECT_EQ(result.volume, 1.0);
    EXPECT_FALSE(result.forceIonicStrength);
    EXPECT_EQ(result.ionicStrength, 0.0);
    EXPECT_EQ(result.daviesC, -0.3);
    EXPECT_EQ(result.startWith, StartDocument::newBuffer);
}

TEST_F(DefaultsDialogTest, OkRefusesANumberOutOfItsRange) {
    struct Case {
        const char* field;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"initial pH", "15", "initial pH: Enter a number between 0 and 14."},
        {"initial pH", "abc", "initial pH: Enter a number between 0 and 14."},
        {"initial buffer concentration", "1,5",
         "initial buffer concentration: Enter a number between 0 and 1."},
        {"initial volume", "-1", "initial volume: Enter a number between 0 and 10."},
        {"initial preparation temperature", "101",
         "initial preparation temperature: Enter a number between 0 and 100."},
        {"Davies equation C", "0.1", "Davies equation C: Enter a number between -1 and 0."},
        {"high IS limit", "2", "high IS limit: Enter a number between 0 and 1."},
    };
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (const Case& c : cases) {
        QLineEdit& refused = field(QString::fromLatin1(c.field));
        const QString before = refused.text();
        type(refused, QString::fromLatin1(c.typed));
        field(QStringLiteral("initial temperature")).setFocus();
        QString message;
        answerNextMessage(message);
        clickOk();
        EXPECT_EQ(message.toStdString(), c.message);
        EXPECT_TRUE(dialog.isVisible()) << c.field;
        EXPECT_EQ(dialog.focusWidget(), &refused) << c.field;
        EXPECT_EQ(refused.selectedText(), refused.text()) << c.field;
        EXPECT_EQ(dialog.result().pH, given.pH) << "nothing taken from a refused form";
        refused.setText(before);
    }
}

TEST_F(DefaultsDialogTest, OkReturnsTheEditedRecordAndCancelNothing) {
    type(field(QStringLiteral("initial pH")), QStringLiteral("8,5"));
    type(field(QStringLiteral("initial temperature")), QStringLiteral("37"));
    QTest::mouseClick(&force(), Qt::LeftButton);
    type(field(QStringLiteral("initial IS")), QStringLiteral("0.15"));
    list(QStringLiteral("Start with")).setCurrentText(QStringLiteral("always ask"));

    DefaultsDialog cancelled{given};
    type(control<QLineEdit>(cancelled, QStringLiteral("initial pH")), QStringLiteral("3"));
    cancelled.reject();
    EXPECT_EQ(cancelled.result().pH, given.pH);

    clickOk();
    const ProgramDefaults result = dialog.result();
    EXPECT_EQ(result.pH, 8.5);
    EXPECT_EQ(result.temperature, 37.0);
    EXPECT_TRUE(result.forceIonicStrength);
    EXPECT_EQ(result.ionicStrength, 0.15);
    EXPECT_EQ(result.startWith, StartDocument::ask);
    EXPECT_EQ(result.highIonicStrengthLimit, given.highIonicStrengthLimit);
}

TEST(DefaultsDialog, UntouchedFieldsKeepEveryDigit) {
    ProgramDefaults precise;
    precise.pH = 7.123456789;
    precise.concentration = 0.0123456789;
    precise.ionicStrength = 1.5;  // out of range but not forced, as a defaults file may hold it
    DefaultsDialog dialog(precise);
    ASSERT_EQ(control<QLineEdit>(dialog, QStringLiteral("initial pH")).text(),
              QStringLiteral("7.1235"));
    dialog.accept();
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    EXPECT_EQ(dialog.result().pH, precise.pH);
    EXPECT_EQ(dialog.result().concentration, precise.concentration);
    EXPECT_EQ(dialog.result().ionicStrength, precise.ionicStrength);
}

}  // namespace
}  // namespace solvara
