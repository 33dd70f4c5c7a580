#include "gui/buffer/buffer_list_widget.h"

#include <QHeaderView>
#include <algorithm>
#include <utility>

#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

constexpr int nameColumnWidth = 219;

}  // namespace

BufferListWidget::BufferListWidget(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderLabels({tr("default buffers"), tr("capacity")});
    headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Wide enough for a capacity in exponent notation, "2.252e-03".
    const int capacityColumnWidth = fontMetrics().horizontalAdvance(QStringLiteral("0.000e-00")) +
                                    2 * fontMetrics().averageCharWidth();
    header()->resizeSection(1, capacityColumnWidth);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setMinimumWidth(nameColumnWidth + capacityColumnWidth + 4);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &BufferListWidget::reportSelection);
}

void BufferListWidget::setRows(std::vector<BufferListRow> rows) {
    // Most keystrokes change the capacities but not the order: only the numbers are rewritten.
    const bool sameOrder = std::equal(
        rows.begin(), rows.end(), rows_.begin(), rows_.end(),
        [](const BufferListRow& a, const BufferListRow& b) { return a.entry == b.entry; });
    if (sameOrder) {
        rows_ = std::move(rows);
        for (std::size_t row = 0; row < rows_.size(); ++row) {
            topLevelItem(static_cast<int>(row))
                ->setText(1, fromWindows1252(rows_[row].capacityText));
        }
        return;
    }
    filling_ = true;
    QTreeWidgetItem* current = currentItem();
    const std::optional<BufferHelper> selected =
        current == nullptr
            ? std::nullopt
            : std::optional(rows_.at(static_cast<std::size_t>(indexOfTopLevelItem(current))).entry);
    rows_ = std::move(rows);
    clear();
    for (const BufferListRow& row : rows_) {
        auto* item = new QTreeWidgetItem(
            this, {fromWindows1252(row.entry.variantName), fromWindows1252(row.capacityText)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (selected == row.entry) setCurrentItem(item);
    }
    filling_ = false;
}

void BufferListWidget::clearRows() {
    filling_ = true;
    clear();
    rows_.clear();
    picked_.reset();
    filling_ = false;
}

void BufferListWidget::forgetPick() {
    filling_ = true;
    clearSelection();
    setCurrentItem(nullptr);
    picked_.reset();
    filling_ = false;
}

void BufferListWidget::reportSelection() {
    QTreeWidgetItem* current = currentItem();
    if (filling_ || current == nullptr || !current->isSelected()) return;
    const BufferHelper& entry =
        rows_.at(static_cast<std::size_t>(indexOfTopLevelItem(current))).entry;
    if (picked_ == entry) return;
    picked_ = entry;
    Q_EMIT bufferPicked(entry);
}

}  // namespace solvara
