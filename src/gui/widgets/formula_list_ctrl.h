#pragma once

#include <QStringList>
#include <QTreeWidget>
#include <string_view>

namespace solvara {

class ElementTable;

// A list with columns in which one column holds chemical formulas in the formula notation and
// draws them with sub- and superscripts. A screen reader reads every cell as plain text: the
// formula's drawn characters without the notation's marks ("H2PO4-" for H_2PO_4^-).
class CCFListCtrl : public QTreeWidget {
    Q_OBJECT

  public:
    // The table must outlive the list.
    explicit CCFListCtrl(const ElementTable& table, QWidget* parent = nullptr);

    void setFormulaColumn(int column);
    int formulaColumn() const noexcept { return formulaColumn_; }

    // Appends a row; the text of the formula column is a formula in the notation.
    QTreeWidgetItem* appendRow(const QStringList& cells);

  private:
    // The drawn characters of a formula, for screen readers.
    QString plainTextOf(const QString& formula) const;

    const ElementTable& table_;
    int formulaColumn_ = 0;
};

}  // namespace solvara
