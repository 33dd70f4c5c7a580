#include "gui/widgets/formula_list_ctrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

#include "core/chemistry/chemical_formula.h"
#include "gui/widgets/formula_layout.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

constexpr int formulaIndent = 3;
// The sub- and superscripts' font against the list's own.
constexpr qreal smallFontShare = 0.75;

QFont smallFontOf(const QFont& font) {
    QFont small = font;
    const qreal em = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    small.setPixelSize(std::max(1, static_cast<int>(std::lround(em * smallFontShare))));
    return small;
}

// Draws the cells of the formula column as formulas over the item's usual background.
class FormulaDelegate : public QStyledItemDelegate {
  public:
    FormulaDelegate(const ElementTable& table, QObject* parent)
        : QStyledItemDelegate(parent), formula_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        const QString text = background.text;
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
        if (text.isEmpty()) return;

        const FormulaLayout layout = layoutOf(text, option.font);
        painter->save();
        painter->setClipRect(option.rect);
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const qreal top = option.rect.top() + (option.rect.height() - layout.height()) / 2;
        layout.paint(*painter, QPointF(option.rect.left() + formulaIndent, top),
                     FormulaAlignment::left);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const FormulaLayout layout = layoutOf(index.data().toString(), option.font);
        size.setHeight(std::max(size.height(), static_cast<int>(std::ceil(layout.height())) + 2));
        size.setWidth(std::max(size.width(),
                               static_cast<int>(std::ceil(layout.width())) + 2 * formulaIndent));
        return size;
    }

  private:
    FormulaLayout layoutOf(const QString& text, const QFont& font) const {
        formula_.setFormula(toWindows1252(text));
        return FormulaLayout(formula_, font, smallFontOf(font));
    }

    mutable ChemicalFormula formula_;
};

}  // namespace

CCFListCtrl::CCFListCtrl(const ElementTable& table, QWidget* parent)
    : QTreeWidget(parent), table_(table) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegateForColumn(formulaColumn_, new FormulaDelegate(table_, this));
}

void CCFListCtrl::setFormulaColumn(int column) {
    QAbstractItemDelegate* delegate = itemDelegateForColumn(formulaColumn_);
    setItemDelegateForColumn(formulaColumn_, nullptr);
    formulaColumn_ = column;
    setItemDelegateForColumn(formulaColumn_, delegate);
}

QTreeWidgetItem* CCFListCtrl::appendRow(const QStringList& cells) {
    auto* item = new QTreeWidgetItem(this, cells);
    if (formulaColumn_ < cells.size()) {
        item->setData(formulaColumn_, Qt::AccessibleTextRole, plainTextOf(cells[formulaColumn_]));
    }
    return item;
}

QString CCFListCtrl::plainTextOf(const QString& formula) const {
    ChemicalFormula parsed(table_);
    parsed.setFormula(toWindows1252(formula));
    return fromWindows1252(parsed.display());
}

}  // namespace solvara
