#pragma once

#include <QGroupBox>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace solvara {

class CFEdit;
class CStaticFormulaFrame;
class CSubstance;
class ElementTable;

// One substance of a buffer preparation as the design form shows it: a reagent or the inert
// salt, with its name, its drawn formula, the concentration of its stock solution (empty and
// disabled for a solid, which is weighed) and the amount to take, in mL or g. Its "C" button
// works out the stock with the concentration calculator, its "database..." button takes the
// substance from the database.
class ReagentGroup : public QGroupBox {
    Q_OBJECT

  public:
    // `amountName` tells a screen reader what the amount is ("1st reagent amount"). The table
    // must outlive the group.
    ReagentGroup(const QString& caption, const QString& amountName, const ElementTable& table,
                 QWidget* parent = nullptr);

    // Shows `substance`, or an empty group for none. The stock field is left to the caller,
    // except that a solid's is emptied; it and the "C" button are enabled for a substance taken
    // from a stock.
    void showSubstance(const CSubstance* substance, bool isSolid);
    CFEdit& stockField() const noexcept { return *stock_; }
    // The amount as it is to be read, empty for none.
    void setAmount(const QString& amount);
    QString amount() const;
    QString unit() const;

  Q_SIGNALS:
    void calculatorRequested();
    void databaseRequested();

  private:
    QLabel* name_;
    CStaticFormulaFrame* formula_;
    QPushButton* database_;
    CFEdit* stock_;
    QPushButton* calculator_;
    QLineEdit* amount_;
    QLabel* unit_;
};

}  // namespace solvara
