#include "gui/dialogs/buffer_database_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <stdexcept>
#include <string>

#include "core/program/buffer_variant_edits.h"
#include "dialog_lookup.h"
#include "editor_fixture.h"
#include "modal_answers.h"

namespace solvara {
namespace {

namespace messages = buffer_editor_messages;
using testing::buttonNamed;
using testing::fieldLabelled;
using testing::ModalAnswers;

constexpr const char* kAcetate = "acetate buffer";
constexpr const char* kAceticDefault = "acetic acid/sodium acetate";

class BufferDatabaseDialogTest : public testing::EditorTest {
  protected:
    void open(CBufferDatabaseDlg::Mode mode = CBufferDatabaseDlg::Mode::browsing,
              const Buffer* preloaded = nullptr) {
        dialog = std::make_unique<CBufferDatabaseDlg>(session, chooser, mode, preloaded);
        dialog->show();
    }
    QTreeWidget& tree() { return *dialog->findChild<QTreeWidget*>(); }
    QPushButton& button(const char* text) {
        QPushButton* found = buttonNamed<QPushButton>(*dialog, QString::fromLatin1(text));
        if (found == nullptr) throw std::runtime_error(std::string("no button ") + text);
        return *found;
    }
    QLineEdit& field(const char* label) {
        QLineEdit* found = fieldLabelled(*dialog, QString::fromLatin1(label));
        if (found == nullptr) throw std::runtime_error(std::string("no field ") + label);
        return *found;
    }
    // Selects the group, or the variant in it, as a click would.
    void select(const char* group, const char* variant = nullptr) {
        const QList<QTreeWidgetItem*> groups =
            tree().findItems(QString::fromLatin1(group), Qt::MatchExactly);
        ASSERT_EQ(groups.size(), 1) << group;
        QTreeWidgetItem* item = groups.front();
        if (variant != nullptr) {
            item = nullptr;
            for (int child = 0; child < groups.front()->childCount(); ++child) {
                if (groups.front()->child(child)->text(0) == QString::fromLatin1(variant))
                    item = groups.front()->child(child);
            }
            ASSERT_NE(item, nullptr) << variant;
        }
        tree().setCurrentItem(item);
    }
    int defaults(const char* group) {
        int count = 0;
        for (const auto& [name, buffer] : program().buffers.FindGroup(group)->variants)
            count += buffer->isDefaultVariant ? 1 : 0;
        return count;
    }
    QString treeCaption() { return qobject_cast<QGroupBox*>(tree().parentWidget())->title(); }

    std::unique_ptr<CBufferDatabaseDlg> dialog;
};

TEST_F(BufferDatabaseDialogTest, AGroupIsRenamedWithItsVariantsAndDeletedWithThem) {
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Buffer database (15 items)"));
    EXPECT_EQ(treeCaption(), QStringLiteral("Buffer database (8 types/15 variants)"));
    select(kAcetate, kAceticDefault);
    EXPECT_EQ(field("variant name").text(), QString::fromLatin1(kAceticDefault));
    EXPECT_EQ(dialog->findChild<QComboBox*>()->currentText(), QStringLiteral("acetic acid"));
    testing::saveSnapshot(*dialog, QStringLiteral("buffer-editor.png"));

    select(kAcetate);
    EXPECT_TRUE(field("variant name").text().isEmpty());
    EXPECT_EQ(field("buffer group name").text(), QString::fromLatin1(kAcetate));
    QTest::keyClicks(&field("buffer group name"), QStringLiteral("s"));
    button("Modify").click();
    EXPECT_EQ(program().buffers.FindGroup(kAcetate), nullptr);
    ASSERT_NE(program().buffers.FindGroup("acetate buffers"), nullptr);
    EXPECT_EQ(program().buffers.FindGroup("acetate buffers")->variants.size(), 2u);
    EXPECT_EQ(tree().currentItem()->text(0), QStringLiteral("acetate buffers"));

    {
        ModalAnswers answers;
        answers.pressInMessageBox(QMessageBox::Yes);
        QTest::keyClick(&tree(), Qt::Key_Delete);
        ASSERT_EQ(answers.boxes.size(), 1u);
        EXPECT_EQ(answers.boxes[0].text.toStdString(), messages::kDeleteGroup);
    }
    EXPECT_EQ(program().buffers.FindGroup("acetate buffers"), nullptr);
    EXPECT_EQ(treeCaption(), QStringLiteral("Buffer database (7 types/13 variants)"));
    EXPECT_FALSE(button("Delete").isEnabled());
}

TEST_F(BufferDatabaseDialogTest, ANewDefaultVariantAsksAndLeavesOneDefault) {
    open();
    select(kAcetate, "acetic acid/sodium hydroxide");
    // Its own name is taken in the group.
    EXPECT_FALSE(button("Add variant").isEnabled());
    QTest::keyClicks(&field("variant name"), QStringLiteral(", strong"));
    dialog->findChild<QCheckBox*>()->click();
    ASSERT_TRUE(button("Add variant").isEnabled());
    {
        ModalAnswers answers;
        answers.pressInMessageBox(QMessageBox::No);
        button("Add variant").click();
    }
    EXPECT_EQ(program().buffers.FindVariant(kAcetate, "acetic acid/sodium hydroxide, strong"),
              nullptr);
    EXPECT_FALSE(program().buffers.isModified());
    {
        ModalAnswers answers;
        answers.pressInMessageBox(QMessageBox::Yes);
        button("Add variant").click();
        ASSERT_EQ(answers.boxes.size(), 1u);
        EXPECT_EQ(answers.boxes[0].text.toStdString(), messages::kReplaceDefault);
    }
    EXPECT_EQ(defaults(kAcetate), 1);
    EXPECT_EQ(program().buffers.DefaultVariant(kAcetate)->name,
              "acetic acid/sodium hydroxide, strong");
    EXPECT_EQ(tree().currentItem()->text(0),
              QStringLiteral("acetic acid/sodium hydroxide, strong"));
    EXPECT_EQ(treeCaption(), QStringLiteral("Buffer database (8 types/16 variants)"));
}

TEST_F(BufferDatabaseDialogTest, PickedReagentsNameTheVariant) {
    open();
    select("HEPES");
    const auto pickRow = [this](const char* name) {
        return [this, name](QWidget& picker) {
            ASSERT_TRUE(selectRow(picker, QString::fromLatin1(name)));
            buttonNamed(picker, QStringLiteral("Use"))->click();
        };
    };
    {
        ModalAnswers answers;
        answers.then(pickRow("acetic acid"));
        answers.then(pickRow("sodium acetate"));
        for (const char* name : {"1st reagent database...", "2nd reagent database..."}) {
            auto* database =
                testing::namedForScreenReaders<QPushButton>(*dialog, QString::fromLatin1(name));
            ASSERT_NE(database, nullptr) << name;
            database->click();
        }
    }
    EXPECT_EQ(field("variant name").text(), QStringLiteral("acetic acid+sodium acetate"));
    auto* main = dialog->findChild<QComboBox*>();
    ASSERT_GE(main->findText(QStringLiteral("acetic acid")), 0);
    main->setCurrentIndex(main->findText(QStringLiteral("acetic acid")));
    Q_EMIT main->activated(main->currentIndex());
    ASSERT_TRUE(button("Add variant").isEnabled());
    button("Add variant").click();
    const Buffer* added = program().buffers.FindVariant("HEPES", "acetic acid+sodium acetate");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->firstReagentId, program().reagents.FindByName("acetic acid")->id);
    EXPECT_EQ(added->mainComponentId, program().acids.FindByName("acetic acid")->id);
}

TEST_F(BufferDatabaseDialogTest, ThePickerReturnsTheVariantOnUseAndExitChangesNothing) {
    QSignalSpy edited(&session, &ProgramSession::databaseEdited);
    const Buffer current = *program().buffers.FindVariant(kAcetate, kAceticDefault);
    open(CBufferDatabaseDlg::Mode::choosing, &current);
    EXPECT_EQ(tree().currentItem()->text(0), QString::fromLatin1(kAceticDefault));
    EXPECT_TRUE(button("Use").isEnabled());
    QTest::keyClicks(&field("variant name"), QStringLiteral(" (edited)"));
    dialog->reject();
    EXPECT_NE(program().buffers.FindVariant(kAcetate, kAceticDefault), nullptr);

    ModalAnswers answers;
    answers.then([this](QWidget& picker) {
        auto* pickerTree = picker.findChild<QTreeWidget*>();
        pickerTree->setCurrentItem(pickerTree
                                       ->findItems(QStringLiteral("HEPES/sodium hydroxide"),
                                                   Qt::MatchExactly | Qt::MatchRecursive)
                                       .front());
        buttonNamed(picker, QStringLiteral("Use"))->click();
    });
    answers.then([](QWidget& picker) { qobject_cast<QDialog*>(&picker)->reject(); });
    const std::optional<Buffer> picked = pickBuffer(session, chooser, current, nullptr);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->name, "HEPES/sodium hydroxide");
    EXPECT_EQ(pickBuffer(session, chooser, current, nullptr), std::nullopt);
    EXPECT_FALSE(program().buffers.isModified());
    EXPECT_EQ(edited.count(), 0);
}

}  // namespace
}  // namespace solvara
