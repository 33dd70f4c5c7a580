#include "gui/dialogs/buffer_database_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

#include "core/chemistry/bl_acid.h"
#include "core/program/buffer_variant_edits.h"
#include "core/text/message_format.h"
#include "gui/dialogs/buffer_reagent_box.h"
#include "gui/dialogs/delete_key.h"
#include "gui/dialogs/editor_layout.h"
#include "gui/dialogs/editor_messages.h"
#include "gui/dialogs/new_group_dialog.h"
#include "gui/dialogs/reagent_database_dialog.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

namespace messages = buffer_editor_messages;

// Marks a variant item as its group's default, for the icon and for screen readers.
constexpr int kDefaultRole = Qt::UserRole;

void showVariantIcon(QTreeWidgetItem& item, const QStyle& style) {
    const bool isDefault = item.data(0, kDefaultRole).toBool();
    item.setIcon(
        0, style.standardIcon(isDefault ? QStyle::SP_DialogApplyButton : QStyle::SP_FileIcon));
    item.setData(0, Qt::AccessibleDescriptionRole,
                 isDefault ? QObject::tr("default variant") : QString());
}

void showGroupIcon(QTreeWidgetItem& item, const QStyle& style) {
    item.setIcon(0, style.standardIcon(item.isExpanded() ? QStyle::SP_DirOpenIcon
                                                         : QStyle::SP_DirClosedIcon));
}

}  // namespace

CBufferDatabaseDlg::CBufferDatabaseDlg(ProgramSession& session, AcidChooser& chooser, Mode mode,
                                       const Buffer* preloaded, QWidget* parent)
    : QDialog(parent),
      session_(session),
      program_(session.program()),
      chooser_(chooser),
      mode_(mode),
      scratch_(preloaded != nullptr ? *preloaded : Buffer(program_)) {
    setWindowTitle(tr("Buffer details and database"));
    buildForm();
    fillTree();
    showDetails();
    connectControls();
    updateButtons();
}

void CBufferDatabaseDlg::buildForm() {
    auto* form = new QGridLayout;
    int row = 0;
    const auto addField = [&](const QString& label, QWidget& field) {
        auto* caption = new QLabel(label, this);
        labelField(*caption, field);
        form->addWidget(caption, row, 0);
        form->addWidget(&field, row++, 1);
    };
    groupField_ = new QLineEdit(this);
    addField(tr("buffer &group name"), *groupField_);
    variantField_ = new QLineEdit(this);
    // Variant names such as "sodium dihydrogenphosphate/disodium hydrogenphosphate" are long.
    variantField_->setMinimumWidth(320);
    addField(tr("&variant name"), *variantField_);
    first_ = new BufferReagentBox(1, program_.elements, this);
    second_ = new BufferReagentBox(2, program_.elements, this);
    form->addWidget(first_, row++, 0, 1, 2);
    form->addWidget(second_, row++, 0, 1, 2);
    mainComponent_ = new QComboBox(this);
    addField(tr("main &component"), *mainComponent_);
    default_ = new QCheckBox(tr("de&fault variant"), this);
    form->addWidget(default_, row++, 1);
    form->setRowStretch(row, 1);
    form->setColumnStretch(1, 1);

    treeBox_ = new QGroupBox(this);
    tree_ = new QTreeWidget(treeBox_);
    tree_->setHeaderHidden(true);
    tree_->setAccessibleName(tr("buffer database"));
    tree_->setMinimumWidth(300);
    auto* treeLayout = new QVBoxLayout(treeBox_);
    treeLayout->addWidget(tree_);

    EditorButtons buttons(*this, mode_ == Mode::choosing);
    addGroup_ = buttons.addAction(tr("Add &group"));
    addVariant_ = buttons.addAction(tr("Add v&ariant"));
    delete_ = buttons.addAction(tr("D&elete"));
    modify_ = buttons.addAction(tr("&Modify"));
    use_ = buttons.use();
    layOutEditor(*this, form, treeBox_, buttons);
}

void CBufferDatabaseDlg::connectControls() {
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { itemSelected(item); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (use_->isEnabled()) accept();
    });
    connect(tree_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { showGroupIcon(*item, *style()); });
    connect(tree_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { showGroupIcon(*item, *style()); });
    onDeleteKey(*tree_, [this] {
        if (delete_->isEnabled()) deleteSelected();
    });
    connect(groupField_, &QLineEdit::textEdited, this, &CBufferDatabaseDlg::updateButtons);
    connect(variantField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        scratch_.name = toWindows1252(text);
        updateButtons();
    });
    connect(default_, &QCheckBox::clicked, this, [this](bool marked) {
        scratch_.isDefaultVariant = marked;
        updateButtons();
    });
    connect(mainComponent_, &QComboBox::activated, this, &CBufferDatabaseDlg::mainComponentChosen);
    connect(first_, &BufferReagentBox::databaseClicked, this, [this] { pickReagent(1); });
    connect(second_, &BufferReagentBox::databaseClicked, this, [this] { pickReagent(2); });
    connect(addGroup_, &QPushButton::clicked, this, &CBufferDatabaseDlg::addGroup);
    connect(addVariant_, &QPushButton::clicked, this, &CBufferDatabaseDlg::addVariant);
    connect(delete_, &QPushButton::clicked, this, &CBufferDatabaseDlg::deleteSelected);
    connect(modify_, &QPushButton::clicked, this, &CBufferDatabaseDlg::modifySelected);
}

void CBufferDatabaseDlg::fillTree() {
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    QTreeWidgetItem* found = nullptr;
    for (const auto& [groupName, group] : program_.buffers.groups()) {
        auto* groupItem = new QTreeWidgetItem(tree_, {fromWindows1252(groupName)});
        showGroupIcon(*groupItem, *style());
        for (const auto& [variantName, variant] : group->variants) {
            auto* item = new QTreeWidgetItem(groupItem, {fromWindows1252(variantName)});
            item->setData(0, kDefaultRole, variant->isDefaultVariant);
            showVariantIcon(*item, *style());
            if (variant->id == scratch_.id) found = item;
        }
    }
    tree_->sortItems(0, Qt::AscendingOrder);
    groupSelected_ = false;
    variantSelected_ = false;
    if (found != nullptr) {
        tree_->setCurrentItem(found);
        variantName_ = toWindows1252(found->text(0));
        groupName_ = toWindows1252(found->parent()->text(0));
        variantSelected_ = true;
    }
    updateCaptions();
}

void CBufferDatabaseDlg::itemSelected(QTreeWidgetItem* item) {
    groupSelected_ = false;
    variantSelected_ = false;
    groupName_.clear();
    variantName_.clear();
    if (item != nullptr) {
        groupSelected_ = item->parent() == nullptr;
        groupName_ = toWindows1252(groupSelected_ ? item->text(0) : item->parent()->text(0));
        if (!groupSelected_) variantName_ = toWindows1252(item->text(0));
    }
    const Buffer* stored = program_.buffers.FindVariant(groupName_, variantName_);
    variantSelected_ = stored != nullptr;
    scratch_ = stored != nullptr ? *stored : Buffer(program_);
    showDetails();
    updateButtons();
}

void CBufferDatabaseDlg::pickReagent(int ordinal) {
    Reagent* current = ordinal == 1 ? scratch_.FirstReagent() : scratch_.SecondReagent();
    const std::optional<Reagent> picked = solvara::pickReagent(
        session_, chooser_, current != nullptr ? *current : Reagent(program_), this);
    if (!picked) return;
    if (ordinal == 1) {
        scratch_.SetFirstReagent(*picked);
    } else {
        scratch_.SetSecondReagent(*picked);
    }
    scratch_.MakeNameFromReagents();
    showDetails();
    updateButtons();
}

void CBufferDatabaseDlg::mainComponentChosen(int index) {
    scratch_.SetMainComponent(mainComponent_->itemData(index).toInt());
    updateButtons();
}

void CBufferDatabaseDlg::addGroup() {
    const std::optional<std::string> name = askNewGroupName(program_.buffers, this);
    if (!name) return;
    program_.buffers.AddGroup(*name);
    changesMade_ = true;
    fillTree();
    updateButtons();
}

bool CBufferDatabaseDlg::mayTakeDefault(std::string_view replacedVariantName) {
    if (DisplacedDefault(program_.buffers, groupName_, scratch_, replacedVariantName) == nullptr)
        return true;
    return askYesNo(*this, messages::kReplaceDefault);
}

void CBufferDatabaseDlg::addVariant() {
    if (!mayTakeDefault({})) return;
    const Buffer* added = AddVariantAsOnlyDefault(program_.buffers, groupName_, scratch_);
    if (added == nullptr) return;
    scratch_.id = added->id;
    changesMade_ = true;
    fillTree();
    updateButtons();
}

void CBufferDatabaseDlg::deleteSelected() {
    if (program_.buffers.VariantCount() == 0) return;
    if (!askYesNo(*this, groupSelected_ ? messages::kDeleteGroup : messages::kDeleteVariant))
        return;
    program_.buffers.Remove(groupName_, groupSelected_ ? std::string() : variantName_);
    changesMade_ = true;
    scratch_ = Buffer(program_);
    fillTree();
    itemSelected(nullptr);
}

void CBufferDatabaseDlg::modifySelected() {
    if (const auto note = session_.notes().noteOnProgramAcidChange()) tellUser(*this, *note);
    const bool renamingGroup = groupSelected_;
    if (renamingGroup) {
        const std::string newName = toWindows1252(groupField_->text());
        if (!program_.buffers.RenameGroup(groupName_, newName)) return;
        groupName_ = newName;
    } else {
        if (!mayTakeDefault(variantName_)) return;
        if (!ReplaceVariantAsOnlyDefault(program_.buffers, groupName_, variantName_, scratch_))
            return;
    }
    changesMade_ = true;
    fillTree();
    if (renamingGroup) {
        const QList<QTreeWidgetItem*> renamed =
            tree_->findItems(fromWindows1252(groupName_), Qt::MatchExactly);
        if (!renamed.isEmpty()) tree_->setCurrentItem(renamed.front());
    }
    updateButtons();
}

void CBufferDatabaseDlg::showDetails() {
    groupField_->setText(fromWindows1252(groupName_));
    variantField_->setText(fromWindows1252(scratch_.name));
    default_->setChecked(scratch_.isDefaultVariant);
    first_->showReagent(scratch_.FirstReagent());
    second_->showReagent(scratch_.SecondReagent());
    fillMainComponents();
}

void CBufferDatabaseDlg::fillMainComponents() {
    mainComponent_->clear();
    std::set<std::string> listed;
    for (Reagent* reagent : {scratch_.FirstReagent(), scratch_.SecondReagent()}) {
        if (reagent == nullptr) continue;
        for (int i = 0; i < reagent->acidCount(); ++i) {
            const BLAcid* acid = reagent->acid(i);
            if (acid == nullptr || !listed.insert(acid->name).second) continue;
            mainComponent_->addItem(fromWindows1252(acid->name), acid->id);
        }
    }
    const BLAcid* main = scratch_.MainComponent();
    mainComponent_->setCurrentIndex(
        main == nullptr ? -1 : mainComponent_->findText(fromWindows1252(main->name)));
}

void CBufferDatabaseDlg::updateCaptions() {
    const int groups = static_cast<int>(program_.buffers.groups().size());
    const int variants = static_cast<int>(program_.buffers.VariantCount());
    setWindowTitle(fromWindows1252(formatMessage(
        "Buffer database (%i item%s)",
        {static_cast<double>(variants), std::string_view(variants == 1 ? "" : "s")})));
    treeBox_->setTitle(fromWindows1252(
        formatMessage("Buffer database (%i types/%i variants)",
                      {static_cast<double>(groups), static_cast<double>(variants)})));
}

bool CBufferDatabaseDlg::complete() const {
    return scratch_.FirstReagent() != nullptr && scratch_.SecondReagent() != nullptr &&
           scratch_.HasMainComponent();
}

void CBufferDatabaseDlg::updateButtons() {
    const BufferVariants* group = program_.buffers.FindGroup(groupName_);
    const bool nameFree =
        group != nullptr && !scratch_.name.empty() && !group->variants.contains(scratch_.name);
    const bool itemSelected = tree_->currentItem() != nullptr;
    addVariant_->setEnabled(itemSelected && complete() && nameFree);
    delete_->setEnabled(groupSelected_ || variantSelected_);
    const std::string newGroupName = toWindows1252(groupField_->text());
    const bool groupRenamable =
        !newGroupName.empty() &&
        (newGroupName == groupName_ || program_.buffers.FindGroup(newGroupName) == nullptr);
    // A variant keeps its name or takes one no other variant of the group has.
    const bool variantStorable = complete() && (nameFree || scratch_.name == variantName_);
    modify_->setEnabled((groupSelected_ && groupRenamable) ||
                        (variantSelected_ && variantStorable));
    use_->setEnabled(mode_ == Mode::choosing && variantSelected_ && complete());
}

void showBufferDatabaseEditor(ProgramSession& session, AcidChooser& chooser, QWidget* parent) {
    CBufferDatabaseDlg dialog(session, chooser, CBufferDatabaseDlg::Mode::browsing, nullptr,
                              parent);
    dialog.exec();
    if (dialog.changedDatabase()) Q_EMIT session.databaseEdited();
}

std::optional<Buffer> pickBuffer(ProgramSession& session, AcidChooser& chooser,
                                 const Buffer& current, QWidget* parent) {
    CBufferDatabaseDlg dialog(session, chooser, CBufferDatabaseDlg::Mode::choosing, &current,
                              parent);
    const bool used = dialog.exec() == QDialog::Accepted;
    if (dialog.changedDatabase()) Q_EMIT session.databaseEdited();
    if (!used) return std::nullopt;
    return dialog.scratchBuffer();
}

}  // namespace solvara
