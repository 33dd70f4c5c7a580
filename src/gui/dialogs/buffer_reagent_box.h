#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace solvara {

class CStaticFormulaFrame;
class ElementTable;
class Reagent;

// One reagent of a buffer as the buffer editor shows it: its name, drawn formula, stock
// concentration and solid mark, all read-only, under the caption "1st reagent (pH=4.76)", with
// the "database..." button that picks another.
class BufferReagentBox : public QGroupBox {
    Q_OBJECT

  public:
    // `ordinal` is 1 or 2; the table must outlive the box.
    BufferReagentBox(int ordinal, const ElementTable& table, QWidget* parent = nullptr);

    // Shows the reagent, or empty fields for none.
    void showReagent(Reagent* reagent);

  Q_SIGNALS:
    void databaseClicked();

  private:
    const int ordinal_;
    QPushButton* database_;
    QLabel* name_;
    CStaticFormulaFrame* formula_;
    QLineEdit* concentration_;
    QCheckBox* solid_;
};

}  // namespace solvara
