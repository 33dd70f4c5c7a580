#include "gui/dialogs/filtered_substance_list.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <utility>

#include "core/text/list_filter.h"
#include "gui/dialogs/delete_key.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

void SubstanceListModel::setRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int SubstanceListModel::rowOf(const QString& text) const {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].text == text) return static_cast<int>(row);
    }
    return -1;
}

int SubstanceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant SubstanceListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
    return rowAt(index.row()).text;
}

FilteredSubstanceList::FilteredSubstanceList(QWidget* parent)
    : QWidget(parent),
      model_(new SubstanceListModel(this)),
      view_(new QListView(this)),
      shownChoice_(new QComboBox(this)),
      filter_(new QLineEdit(QStringLiteral("."), this)) {
    view_->setModel(model_);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has the same height: the view need not measure ten thousand of them.
    view_->setUniformItemSizes(true);
    view_->setAccessibleName(tr("database list"));
    shownChoice_->addItems({tr("name"), tr("formula")});
    shownChoice_->setAccessibleName(tr("list shows"));

    auto* filterLabel = new QLabel(tr("&filter"), this);
    labelField(*filterLabel, *filter_);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 0, 0, 1, 3);
    layout->addWidget(shownChoice_, 1, 0);
    layout->addWidget(filterLabel, 1, 1);
    layout->addWidget(filter_, 1, 2);
    layout->setColumnStretch(2, 1);

    connect(filter_, &QLineEdit::textChanged, this, &FilteredSubstanceList::refill);
    connect(shownChoice_, &QComboBox::currentIndexChanged, this,
            &FilteredSubstanceList::filterTypeChosen);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { Q_EMIT selectedChanged(selectedId()); });
    connect(view_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { Q_EMIT activated(model_->rowAt(index.row()).id); });
    onDeleteKey(*view_, [this] { Q_EMIT deletePressed(); });
}

void FilteredSubstanceList::setEntries(std::vector<SubstanceEntry> entries) {
    entries_ = std::move(entries);
    refill();
}

void FilteredSubstanceList::refill() {
    const ListFilter filter(toWindows1252(filter_->text()));
    const bool byName = shown() == Shown::name;
    std::vector<SubstanceListModel::Row> rows;
    for (const SubstanceEntry& entry : entries_) {
        const std::string& text = byName ? entry.name : entry.formula;
        if (filter.passes(text)) rows.push_back({entry.id, fromWindows1252(text)});
    }
    {
        // A refill is no choice of the user's.
        const QSignalBlocker blocker(view_->selectionModel());
        model_->setRows(std::move(rows));
    }
    Q_EMIT refilled();
}

void FilteredSubstanceList::selectText(const std::string& text) {
    const int row = model_->rowOf(fromWindows1252(text));
    const QSignalBlocker blocker(view_->selectionModel());
    if (row < 0) {
        view_->selectionModel()->clear();
        return;
    }
    const QModelIndex index = model_->index(row);
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view_->scrollTo(index);
}

void FilteredSubstanceList::clearSelection() {
    const QSignalBlocker blocker(view_->selectionModel());
    view_->selectionModel()->clear();
}

FilteredSubstanceList::Shown FilteredSubstanceList::shown() const {
    return static_cast<Shown>(shownChoice_->currentIndex());
}

std::int32_t FilteredSubstanceList::selectedId() const {
    const QModelIndexList selected = view_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : model_->rowAt(selected.front().row()).id;
}

// A pattern written for names seldom suits formulas: the new choice starts with everything.
void FilteredSubstanceList::filterTypeChosen() {
    if (filter_->text() == QStringLiteral(".")) {
        refill();
    } else {
        filter_->setText(QStringLiteral("."));
    }
}

}  // namespace solvara
