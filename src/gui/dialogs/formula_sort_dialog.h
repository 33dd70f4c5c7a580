#pragma once

#include <QDialog>
#include <string>

#include "core/chemistry/element_table.h"
#include "gui/dialogs/formula_clipboard.h"

class QLineEdit;
class QHBoxLayout;

namespace solvara {

class CStaticFormulaFrame;
class ProgramSession;

// Draws a typed formula and its sorted sum formula (C, H, N, O, S, P first), each with its
// molar mass, and copies either to the clipboard as text, HTML, forum code or LaTeX.
class FormulaSortDialog : public QDialog {
    Q_OBJECT

  public:
    // The table must outlive the dialog.
    explicit FormulaSortDialog(const ElementTable& table, QWidget* parent = nullptr);

    QLineEdit* input() const noexcept { return input_; }
    const std::string& sortedFormula() const noexcept { return sorted_; }
    CStaticFormulaFrame* inputFrame() const noexcept { return inputFrame_; }
    CStaticFormulaFrame* sortedFrame() const noexcept { return sortedFrame_; }

  private:
    void inputEdited(const QString& text);
    // A row of copy buttons for the input (or the sorted formula); `mnemonics` holds the
    // button texts with their access keys.
    QHBoxLayout* copyRow(bool sortedRow, const QString (&mnemonics)[4]);

    const ElementTable& table_;
    std::string inputText_;
    std::string sorted_;
    QLineEdit* input_ = nullptr;
    CStaticFormulaFrame* inputFrame_ = nullptr;
    CStaticFormulaFrame* sortedFrame_ = nullptr;
};

void showFormulaSorter(ProgramSession& session, QWidget* parent);

}  // namespace solvara
