#include "gui/dialogs/acid_database_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "core/chemistry/acid_edit_check.h"
#include "core/program/integrity_rules.h"
#include "core/text/float_numbers_string.h"
#include "core/text/list_filter.h"
#include "core/text/parse_number.h"
#include "gui/dialogs/acid_constants_dialog.h"
#include "gui/dialogs/delete_key.h"
#include "gui/dialogs/editor_messages.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

constexpr int kFilterByName = 0;
constexpr int kIdRole = Qt::UserRole;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

QString noProblem() { return QStringLiteral("For Help, press F1"); }

QPushButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter in a field must not add, delete or modify anything.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

AcidDatabaseDialog::AcidDatabaseDialog(ProgramSession& session, Mode mode, QWidget* parent)
    : QDialog(parent), session_(session), mode_(mode), acids_(session.program().elements) {
    setWindowTitle(QStringLiteral("Bronsted-Lowry acid database"));
}

AcidDatabaseDialog::AcidDatabaseDialog(ProgramSession& session, QWidget* parent)
    : AcidDatabaseDialog(session, Mode::program, parent) {
    acids_.CopyFrom(session.program().acids);
    build();
}

AcidDatabaseDialog::AcidDatabaseDialog(ProgramSession& session, const BLAcidDatabase& documentAcids,
                                       ApplyEdits apply, QWidget* parent)
    : AcidDatabaseDialog(session, Mode::document, parent) {
    apply_ = std::move(apply);
    acids_.CopyFrom(documentAcids);
    build();
}

AcidDatabaseDialog::AcidDatabaseDialog(ProgramSession& session, const BLAcidDatabase& acids,
                                       std::vector<std::int32_t> candidateIds, QWidget* parent)
    : AcidDatabaseDialog(session, Mode::selection, parent) {
    candidates_ = std::move(candidateIds);
    acids_.CopyFrom(acids);
    build();
}

AcidDatabaseDialog::~AcidDatabaseDialog() = default;

void AcidDatabaseDialog::build() {
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildAcidFields());
    columns->addWidget(buildList(), 1);
    status_ = new QLabel(noProblem(), this);
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setAccessibleName(QStringLiteral("status"));
    status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(status_);
    connectFields();
    setTabOrderDownTheForm();

    const bool selecting = mode_ == Mode::selection;
    add_->setVisible(!selecting);
    delete_->setVisible(!selecting);
    modify_->setVisible(!selecting);
    use_->setVisible(selecting);
    for (QPushButton* button : {add_, delete_, modify_, use_}) button->setEnabled(false);
    if (selecting) use_->setDefault(true);
    showSteps();
    fillList();
}

QWidget* AcidDatabaseDialog::buildAcidFields() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    constexpr int kLabelColumn = 0;
    constexpr int kEditColumn = 1;
    constexpr int kSlopeLabelColumn = 2;
    constexpr int kSlopeColumn = 3;
    constexpr int kFrameColumn = 4;
    const ElementTable& table = session_.program().elements;

    auto* nameLabel = new QLabel(QStringLiteral("&name"), box);
    name_ = new QLineEdit(box);
    labelField(*nameLabel, *name_);
    grid->addWidget(nameLabel, 0, kLabelColumn);
    grid->addWidget(name_, 0, kEditColumn, 1, kFrameColumn);

    int row = 1;
    for (int form = 0; form <= BLAcid::kMaxSteps; ++form) {
        auto* formLabel = new QLabel(QStringLiteral("form &%1").arg(form), box);
        forms_[at(form)] = new QLineEdit(box);
        labelField(*formLabel, *forms_[at(form)]);
        frames_[at(form)] = new CStaticFormulaFrame(table, box);
        frames_[at(form)]->configure(false, true);
        frames_[at(form)]->setMinimumWidth(150);
        grid->addWidget(formLabel, row, kLabelColumn);
        grid->addWidget(forms_[at(form)], row, kEditColumn, 1, kSlopeColumn);
        grid->addWidget(frames_[at(form)], row, kFrameColumn, 2, 1);
        ++row;
        if (form == BLAcid::kMaxSteps) break;

        const int step = form + 1;
        auto* pKa = new CFEdit(box);
        auto* slope = new CFEdit(box);
        pKa->setDisplayDigits(session_.displayDigits());
        slope->setDisplayDigits(session_.displayDigits());
        pKa_[at(form)] = pKa;
        dpKadT_[at(form)] = slope;
        if (step == 1) {
            auto* pKaLabel = new QLabel(QStringLiteral("p&Ka1"), box);
            labelField(*pKaLabel, *pKa);
            grid->addWidget(pKaLabel, row, kLabelColumn);
        } else {
            auto* stepBox = new QCheckBox(QStringLiteral("pKa&%1").arg(step), box);
            pKa->setAccessibleName(QStringLiteral("pKa%1").arg(step));
            stepBoxes_[at(form)] = stepBox;
            grid->addWidget(stepBox, row, kLabelColumn);
        }
        auto* slopeLabel = new QLabel(QStringLiteral("dpKa/dT"), box);
        slopeLabel->setBuddy(slope);
        slope->setAccessibleName(QStringLiteral("dpKa%1/dT").arg(step));
        grid->addWidget(pKa, row, kEditColumn);
        grid->addWidget(slopeLabel, row, kSlopeLabelColumn);
        grid->addWidget(slope, row, kSlopeColumn);
        ++row;
    }
    otherConstants_ = makeButton(QStringLiteral("o&ther constants"), box);
    grid->addWidget(otherConstants_, row, kEditColumn, 1, kSlopeColumn);
    grid->setRowStretch(row + 1, 1);
    return box;
}

QWidget* AcidDatabaseDialog::buildList() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* filterRow = new QHBoxLayout;
    filterType_ = new QComboBox(box);
    filterType_->addItems({QStringLiteral("name"), QStringLiteral("formula")});
    filterType_->setAccessibleName(QStringLiteral("filter type"));
    auto* filterLabel = new QLabel(QStringLiteral("&filter"), box);
    filter_ = new QLineEdit(QStringLiteral("."), box);
    labelField(*filterLabel, *filter_);
    filterRow->addWidget(filterType_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    layout->addLayout(filterRow);

    list_ = new QListWidget(box);
    list_->setAccessibleName(QStringLiteral("acids"));
    list_->setMinimumWidth(220);
    layout->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    add_ = makeButton(QStringLiteral("&Add"), box);
    delete_ = makeButton(QStringLiteral("&Delete"), box);
    modify_ = makeButton(QStringLiteral("&Modify"), box);
    use_ = makeButton(QStringLiteral("&Use"), box);
    exit_ = makeButton(QStringLiteral("E&xit"), box);
    for (QPushButton* button : {add_, delete_, modify_, use_}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(exit_);
    layout->addLayout(buttons);
    return box;
}

// Each step's box comes before its fields, then the list side from the filter to Exit.
void AcidDatabaseDialog::setTabOrderDownTheForm() {
    std::vector<QWidget*> chain = {name_, forms_[0]};
    for (int step = 1; step <= BLAcid::kMaxSteps; ++step) {
        if (QCheckBox* stepBox = stepBoxes_[at(step - 1)]) chain.push_back(stepBox);
        chain.insert(chain.end(), {pKa_[at(step - 1)], dpKadT_[at(step - 1)], forms_[at(step)]});
    }
    chain.insert(chain.end(), {otherConstants_, filterType_, filter_, list_, add_, delete_, modify_,
                               use_, exit_});
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void AcidDatabaseDialog::connectFields() {
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        working_.name = toWindows1252(text);
        updateButtons();
    });
    for (int form = 0; form <= BLAcid::kMaxSteps; ++form) {
        connect(forms_[at(form)], &QLineEdit::textEdited, this,
                [this, form](const QString& text) { formEdited(form, text); });
    }
    for (int step = 1; step <= BLAcid::kMaxSteps; ++step) {
        connect(pKa_[at(step - 1)], &QLineEdit::textEdited, this,
                [this, step](const QString& text) { pKaEdited(step, text); });
        connect(dpKadT_[at(step - 1)], &QLineEdit::textEdited, this,
                [this, step](const QString& text) { dpKadTEdited(step, text); });
        if (QCheckBox* stepBox = stepBoxes_[at(step - 1)]) {
            connect(stepBox, &QCheckBox::clicked, this,
                    [this, step](bool on) { stepToggled(step, on); });
        }
    }
    connect(otherConstants_, &QPushButton::clicked, this, &AcidDatabaseDialog::openOtherConstants);
    connect(filter_, &QLineEdit::textChanged, this, &AcidDatabaseDialog::fillList);
    connect(filterType_, &QComboBox::currentIndexChanged, this, [this] {
        {
            const QSignalBlocker quiet(filter_);
            filter_->setText(QStringLiteral("."));
        }
        fillList();
    });
    connect(list_, &QListWidget::itemSelectionChanged, this, &AcidDatabaseDialog::loadSelectedAcid);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (mode_ == Mode::selection) useAcid();
    });
    onDeleteKey(*list_, [this] { deleteAcid(); });
    connect(add_, &QPushButton::clicked, this, &AcidDatabaseDialog::addAcid);
    connect(delete_, &QPushButton::clicked, this, &AcidDatabaseDialog::deleteAcid);
    connect(modify_, &QPushButton::clicked, this, &AcidDatabaseDialog::modifyAcid);
    connect(use_, &QPushButton::clicked, this, &AcidDatabaseDialog::useAcid);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
}

QString AcidDatabaseDialog::statusText() const { return status_->text(); }

// Refilling selects the working acid's entry again without taking the stored acid over it, so
// edits of the working acid survive a change of the filter.
void AcidDatabaseDialog::fillList() {
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
        const ListFilter filter(toWindows1252(filter_->text()));
        const bool byName = filterType_->currentIndex() == kFilterByName;
        auto shownText = [byName](const BLAcid& acid) -> const std::string& {
            return byName ? acid.name : acid.formula;
        };
        auto consider = [&](const BLAcid& acid) {
            if (!filter.passes(shownText(acid))) return;
            auto* item = new QListWidgetItem(fromWindows1252(shownText(acid)), list_);
            item->setData(kIdRole, acid.id);
        };
        if (mode_ == Mode::selection) {
            for (const std::int32_t id : candidates_) {
                if (const BLAcid* acid = acids_.FindById(id)) consider(*acid);
            }
        } else {
            for (int position = 0; position < acids_.Count(); ++position) {
                consider(acids_.At(position));
            }
        }
        const QString current = fromWindows1252(shownText(working_));
        for (int row = 0; row < list_->count(); ++row) {
            if (list_->item(row)->text() == current) {
                list_->setCurrentRow(row);
                break;
            }
        }
    }
    if (mode_ != Mode::selection) {
        const int count = acids_.Count();
        setWindowTitle(QStringLiteral("Acid database (%1 item%2/%3 listed)")
                           .arg(count)
                           .arg(count == 1 ? QString() : QStringLiteral("s"))
                           .arg(list_->count()));
    }
    showFrames();
    updateButtons();
}

QListWidgetItem* AcidDatabaseDialog::selectedItem() const {
    QListWidgetItem* item = list_->currentItem();
    return item != nullptr && item->isSelected() ? item : nullptr;
}

void AcidDatabaseDialog::loadSelectedAcid() {
    if (QListWidgetItem* item = selectedItem()) {
        if (const BLAcid* acid = acids_.FindById(item->data(kIdRole).toInt())) {
            working_ = *acid;
            showWorkingAcid();
        }
    }
    updateButtons();
}

void AcidDatabaseDialog::showWorkingAcid() {
    name_->setText(fromWindows1252(working_.name));
    CFloatNumbersString number(session_.displayDigits());
    for (int form = 0; form <= BLAcid::kMaxSteps; ++form) {
        forms_[at(form)]->setText(fromWindows1252(working_.forms[at(form)]));
    }
    for (int step = 1; step <= BLAcid::kMaxSteps; ++step) {
        const bool used = working_.stepsValid() && step <= working_.steps;
        const std::size_t index = at(step - 1);
        pKa_[index]->setText(
            used ? QString::fromStdString(number.formatSignificant(working_.pKa[index], 0))
                 : QString());
        dpKadT_[index]->setText(
            used ? QString::fromStdString(number.formatSignificant(working_.dpKadT[index], 0))
                 : QString());
    }
    showSteps();
    showFrames();
}

// In selection mode the fields show the acid but take no input.
void AcidDatabaseDialog::showSteps() {
    const bool editable = mode_ != Mode::selection;
    name_->setEnabled(editable);
    forms_[0]->setEnabled(editable);
    for (int step = 1; step <= BLAcid::kMaxSteps; ++step) {
        const bool used = working_.stepsValid() && step <= working_.steps;
        const std::size_t index = at(step - 1);
        forms_[at(step)]->setEnabled(editable && used);
        pKa_[index]->setEnabled(editable && used);
        dpKadT_[index]->setEnabled(editable && used);
        if (QCheckBox* stepBox = stepBoxes_[index]) {
            stepBox->setChecked(used);
            stepBox->setEnabled(editable);
        }
    }
}

void AcidDatabaseDialog::showFrames() {
    for (int form = 0; form <= BLAcid::kMaxSteps; ++form) {
        frames_[at(form)]->setFormula(working_.forms[at(form)], true);
    }
}

void AcidDatabaseDialog::updateButtons() {
    const bool selected = selectedItem() != nullptr;
    if (mode_ == Mode::selection) {
        use_->setEnabled(selected);
        return;
    }
    const bool documentList = mode_ == Mode::document;
    const AcidEditCheck check = CheckAcidEdit(working_, acids_, selected, documentList);
    delete_->setEnabled(selected && !documentList);
    modify_->setEnabled(check.canModify);
    add_->setEnabled(check.canAdd);
    status_->setText(check.problem.empty() ? noProblem() : fromWindows1252(check.problem));
}

// Ticking a step brings in every step below it; unticking drops it and every step above.
void AcidDatabaseDialog::stepToggled(int step, bool on) {
    working_.steps = on ? step : step - 1;
    if (!on) {
        for (int form = step; form <= BLAcid::kMaxSteps; ++form) {
            working_.forms[at(form)].clear();
            forms_[at(form)]->clear();
        }
        for (int cleared = step; cleared <= BLAcid::kMaxSteps; ++cleared) {
            pKa_[at(cleared - 1)]->clear();
            dpKadT_[at(cleared - 1)]->clear();
        }
    }
    working_.updateDerived();
    working_.updateCharges(session_.program().elements);
    showSteps();
    showFrames();
    updateButtons();
}

void AcidDatabaseDialog::formEdited(int form, const QString& text) {
    working_.forms[at(form)] = toWindows1252(text);
    frames_[at(form)]->setFormula(working_.forms[at(form)], true);
    working_.updateCharges(session_.program().elements);
    updateButtons();
}

void AcidDatabaseDialog::pKaEdited(int step, const QString& text) {
    double value = 0;
    if (!parseNumber(toWindows1252(text), value)) return;
    working_.pKa[at(step - 1)] = value;
    working_.updateDerived();
}

void AcidDatabaseDialog::dpKadTEdited(int step, const QString& text) {
    double value = 0;
    if (!parseNumber(toWindows1252(text), value)) return;
    working_.setDpKadT(step, value);
}

void AcidDatabaseDialog::openOtherConstants() {
    const bool readOnly = mode_ == Mode::selection;
    AcidConstantsDialog converter(working_, readOnly, session_.displayDigits(), this);
    if (converter.exec() != QDialog::Accepted || readOnly) return;
    working_ = converter.acid();
    showWorkingAcid();
    updateButtons();
}

void AcidDatabaseDialog::addAcid() {
    if (!add_->isEnabled()) return;
    if (!acids_.Add(working_, true)) return;
    listChanged_ = true;
    fillList();
    loadSelectedAcid();  // the working acid takes the new acid's id, so Modify changes it
    if (const auto note = session_.notes().noteOnAcidAdded()) tellUser(*this, *note);
}

void AcidDatabaseDialog::deleteAcid() {
    QListWidgetItem* item = selectedItem();
    if (!delete_->isEnabled() || item == nullptr) return;
    const std::int32_t id = item->data(kIdRole).toInt();
    if (const auto refusal = AcidRemovalRefusal(session_.program(), id)) {
        tellUser(*this, *refusal);
        return;
    }
    acids_.Remove(id);
    listChanged_ = true;
    fillList();
}

void AcidDatabaseDialog::modifyAcid() {
    if (!modify_->isEnabled()) return;
    if (mode_ == Mode::program) {
        if (const auto note = session_.notes().noteOnProgramAcidChange()) {
            tellUser(*this, *note);
        }
        if (const auto question = AcidChangeQuestion(session_.program(), working_.id)) {
            if (!askOkCancel(*this, *question)) return;
        }
    }
    acids_.Replace(working_);
    listChanged_ = true;
    fillList();
    loadSelectedAcid();
}

void AcidDatabaseDialog::useAcid() {
    QListWidgetItem* item = selectedItem();
    if (item == nullptr) return;
    chosenId_ = item->data(kIdRole).toInt();
    accept();
}

void AcidDatabaseDialog::done(int result) {
    if (listChanged_) applyEdits();
    QDialog::done(result);
}

void AcidDatabaseDialog::applyEdits() {
    listChanged_ = false;
    if (mode_ == Mode::program) {
        session_.program().acids.CopyFrom(acids_);
        session_.announceDatabaseEdited();
    } else if (mode_ == Mode::document && apply_) {
        apply_(acids_);
    }
}

}  // namespace solvara
