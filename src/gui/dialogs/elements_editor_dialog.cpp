#include "gui/dialogs/elements_editor_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <utility>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/moiety_edit_check.h"
#include "core/program/element_usage.h"
#include "core/program/integrity_rules.h"
#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"
#include "gui/dialogs/delete_key.h"
#include "gui/dialogs/editor_messages.h"
#include "gui/model/program_session.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {

namespace {

constexpr int kPositionRole = Qt::UserRole;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

QPushButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

// Orders two table entries by a column: positions, case-insensitive texts, masses.
bool entryBefore(const ElementTable& table, int column, int left, int right) {
    const Element& a = table[left];
    const Element& b = table[right];
    auto lower = [](const std::string& text) { return fromWindows1252(text).toLower(); };
    switch (column) {
        case ElementsEditorDialog::symbolColumn:
            return lower(a.symbol) < lower(b.symbol);
        case ElementsEditorDialog::massColumn:
            return a.molarMass < b.molarMass;
        case ElementsEditorDialog::formulaColumn:
            return lower(a.composition) < lower(b.composition);
        default:
            return left < right;
    }
}

}  // namespace

ElementsEditorDialog::ElementsEditorDialog(ProgramSession& session, DocumentUsage documentUsage,
                                           QWidget* parent)
    : QDialog(parent),
      session_(session),
      documentUsage_(std::move(documentUsage)),
      table_(session.program().elements),
      originalPositions_(at(table_.count())) {
    std::iota(originalPositions_.begin(), originalPositions_.end(), 0);
    setWindowTitle(QStringLiteral("Element and abbreviation/moiety editor"));
    build();
    fillList();
    fitColumns();
    updateButtons();
}

ElementsEditorDialog::~ElementsEditorDialog() = default;

// The columns' widths as the original dialog had them, wider where today's fonts need more.
void ElementsEditorDialog::fitColumns() {
    const int widths[] = {30, 90, 70, 103};
    for (int column = numberColumn; column <= formulaColumn; ++column) {
        list_->resizeColumnToContents(column);
        list_->setColumnWidth(column, std::max(widths[column], list_->columnWidth(column) + 8));
    }
}

void ElementsEditorDialog::build() {
    auto* fields = new QGridLayout;
    auto addField = [this, fields](const QString& text, QLineEdit* field, int row, int column,
                                   int span) {
        auto* label = new QLabel(text, this);
        labelField(*label, *field);
        fields->addWidget(label, row, column);
        fields->addWidget(field, row, column + 1, 1, span);
    };
    symbol_ = new QLineEdit(this);
    massField_ = new CFEdit(this);
    massField_->setDisplayDigits(session_.displayDigits());
    composition_ = new QLineEdit(this);
    comment_ = new QLineEdit(this);
    addField(QStringLiteral("&symbol"), symbol_, 0, 0, 1);
    addField(QStringLiteral("molar m&ass"), massField_, 0, 2, 1);
    addField(QStringLiteral("&composition"), composition_, 1, 0, 3);
    addField(QStringLiteral("co&mment"), comment_, 2, 0, 3);

    frame_ = new CStaticFormulaFrame(session_.program().elements, this);
    frame_->configure(false, false);
    frame_->setAccessibleName(QStringLiteral("composition as drawn"));
    frame_->setMinimumHeight(40);

    list_ = new QTreeWidget(this);
    list_->setAccessibleName(QStringLiteral("elements and moieties"));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({QStringLiteral("no"), QStringLiteral("symbol"),
                            QStringLiteral("molar mass"), QStringLiteral("formula")});
    list_->headerItem()->setTextAlignment(numberColumn, Qt::AlignRight | Qt::AlignVCenter);
    list_->headerItem()->setTextAlignment(massColumn, Qt::AlignRight | Qt::AlignVCenter);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSortIndicatorShown(true);
    list_->header()->setSortIndicator(numberColumn, Qt::AscendingOrder);
    list_->setMinimumHeight(260);

    add_ = makeButton(QStringLiteral("&Add"), this);
    modify_ = makeButton(QStringLiteral("M&odify"), this);
    delete_ = makeButton(QStringLiteral("&Delete"), this);
    auto* exit = makeButton(QStringLiteral("E&xit"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, modify_, delete_}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(frame_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(symbol_, &QLineEdit::textEdited, this, &ElementsEditorDialog::updateButtons);
    connect(comment_, &QLineEdit::textEdited, this, &ElementsEditorDialog::updateButtons);
    connect(massField_, &QLineEdit::textEdited, this, &ElementsEditorDialog::massEdited);
    connect(composition_, &QLineEdit::textEdited, this, &ElementsEditorDialog::compositionEdited);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &ElementsEditorDialog::rowSelected);
    connect(list_->header(), &QHeaderView::sectionClicked, this, &ElementsEditorDialog::sortBy);
    onDeleteKey(*list_, [this] { deleteEntry(); });
    connect(add_, &QPushButton::clicked, this, &ElementsEditorDialog::addEntry);
    connect(modify_, &QPushButton::clicked, this, &ElementsEditorDialog::modifyEntry);
    connect(delete_, &QPushButton::clicked, this, &ElementsEditorDialog::deleteEntry);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
}

// Every entry but the electron, in the order of the last sort; the selected entry stays
// selected and in view.
void ElementsEditorDialog::fillList() {
    std::vector<int> positions(at(std::max(table_.count() - 1, 0)));
    std::iota(positions.begin(), positions.end(), 1);
    std::stable_sort(positions.begin(), positions.end(), [this](int left, int right) {
        return ascending_ ? entryBefore(table_, sortColumn_, left, right)
                          : entryBefore(table_, sortColumn_, right, left);
    });
    const QSignalBlocker quiet(list_);
    list_->clear();
    QTreeWidgetItem* selectedRow = nullptr;
    for (const int position : positions) {
        const Element& entry = table_[position];
        auto* row = new QTreeWidgetItem(
            list_, {QString::number(position), fromWindows1252(entry.symbol),
                    QString::fromStdString(formatFixedDecimals(entry.molarMass, entry.decimals)),
                    fromWindows1252(entry.composition)});
        row->setTextAlignment(numberColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(massColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setData(numberColumn, kPositionRole, position);
        if (position == selected_) selectedRow = row;
    }
    if (selectedRow != nullptr) {
        list_->setCurrentItem(selectedRow);
        list_->scrollToItem(selectedRow);
    }
}

void ElementsEditorDialog::sortBy(int column) {
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    list_->header()->setSortIndicator(column,
                                      ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    fillList();
}

void ElementsEditorDialog::rowSelected() {
    const QList<QTreeWidgetItem*> rows = list_->selectedItems();
    if (rows.isEmpty()) return;
    selected_ = rows.front()->data(numberColumn, kPositionRole).toInt();
    const Element& entry = table_[selected_];
    // An element has no composition of its own: it draws as its symbol.
    const std::string& composition = entry.composition.empty() ? entry.symbol : entry.composition;
    symbol_->setText(fromWindows1252(entry.symbol));
    composition_->setText(fromWindows1252(composition));
    comment_->setText(fromWindows1252(entry.comment));
    mass_ = entry.molarMass;
    massField_->setText(
        QString::fromStdString(formatFixedDecimals(entry.molarMass, entry.decimals)));
    frame_->setFormula(composition, true);
    add_->setEnabled(false);
    modify_->setEnabled(false);
    delete_->setEnabled(CanRemoveEntry(selected_));
}

void ElementsEditorDialog::compositionEdited(const QString& text) {
    const std::string composition = toWindows1252(text);
    frame_->setFormula(composition, true);
    mass_ = ChemicalFormula(table_, composition).molarMassOfList();
    CFloatNumbersString number(session_.displayDigits());
    massField_->setText(QString::fromStdString(number.formatSignificant(mass_, 0)));
    updateButtons();
}

void ElementsEditorDialog::massEdited(const QString& text) {
    double value = 0;
    if (parseNumber(toWindows1252(text), value)) mass_ = value;
    updateButtons();
}

void ElementsEditorDialog::updateButtons() {
    const std::string symbol = toWindows1252(symbol_->text());
    add_->setEnabled(CanAddMoiety(table_, symbol, mass_));
    modify_->setEnabled(CanModifyMoiety(selected_, symbol, mass_));
    delete_->setEnabled(CanRemoveEntry(selected_));
}

Element ElementsEditorDialog::typedEntry() const {
    return Element(toWindows1252(symbol_->text()), toWindows1252(composition_->text()),
                   toWindows1252(comment_->text()), mass_,
                   countDecimals(toWindows1252(massField_->text())));
}

void ElementsEditorDialog::addEntry() {
    if (!add_->isEnabled()) return;
    const int position = table_.add(typedEntry());
    if (position < 0) {
        tellUser(*this, kMoietySymbolTaken);
        return;
    }
    originalPositions_.push_back(-1);
    changed_ = true;
    selected_ = position;
    fillList();
    updateButtons();
}

void ElementsEditorDialog::modifyEntry() {
    if (!modify_->isEnabled()) return;
    if (const auto note = session_.notes().noteOnProgramAcidChange()) tellUser(*this, *note);
    if (table_.modify(selected_, typedEntry()) < 0) {
        tellUser(*this, kMoietySymbolTaken);
        return;
    }
    changed_ = true;
    fillList();
    updateButtons();
}

void ElementsEditorDialog::deleteEntry() {
    if (!delete_->isEnabled() || !CanRemoveEntry(selected_)) return;
    const int original = originalPositions_[at(selected_)];
    if (original >= 0) {
        const std::vector<Composition> documents =
            documentUsage_ ? documentUsage_() : std::vector<Composition>();
        const std::vector<std::int64_t> usage = ElementUsage(session_.program(), documents);
        if (const auto refusal = MoietyRemovalRefusal(usage, original)) {
            tellUser(*this, *refusal);
            return;
        }
    }
    table_.remove(selected_);
    originalPositions_.erase(originalPositions_.begin() + selected_);
    changed_ = true;
    selected_ = -1;
    fillList();
    updateButtons();
}

void ElementsEditorDialog::done(int result) {
    if (changed_) {
        changed_ = false;
        session_.program().elements = table_;
        session_.announceDatabaseEdited();
    }
    QDialog::done(result);
}

void showElementsEditor(ProgramSession& session, ElementsEditorDialog::DocumentUsage documentUsage,
                        QWidget* parent) {
    ElementsEditorDialog dialog(session, std::move(documentUsage), parent);
    dialog.exec();
}

}  // namespace solvara
