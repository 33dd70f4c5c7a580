#pragma once

#include <QString>

class QCheckBox;
class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QLayout;
class QPushButton;
class QWidget;

namespace solvara {

class CFEdit;

// The buttons under a database editor: its own actions, "Exit", which closes it, and "Use",
// which closes it taking the entry shown and is there only while the editor picks one. None of
// them is pressed by Enter in a field.
class EditorButtons {
  public:
    EditorButtons(QDialog& editor, bool picking);

    QPushButton* addAction(const QString& text);
    QPushButton* use() const noexcept { return use_; }
    QDialogButtonBox* box() const noexcept { return box_; }

  private:
    QDialogButtonBox* box_;
    QPushButton* use_;
};

// The stock row of the reagent and salt editors: "concentration" with its unit, the
// concentration calculator's "C" and "solid", added as row `row` of a five-column form, in the
// order Tab visits them.
struct StockRow {
    CFEdit* concentration;
    QPushButton* calculator;
    QCheckBox* solid;
};
StockRow addStockRow(QWidget& editor, QGridLayout& form, int row, int displayDigits);

// An editor's form on the left, its list on the right, the buttons below.
void layOutEditor(QDialog& editor, QLayout* form, QWidget* list, const EditorButtons& buttons);

}  // namespace solvara
