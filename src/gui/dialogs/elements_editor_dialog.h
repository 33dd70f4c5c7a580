#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "core/chemistry/composition.h"
#include "core/chemistry/element_table.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace solvara {

class CFEdit;
class CStaticFormulaFrame;
class ProgramSession;

// Lists the element table and lets the user add, modify and remove moieties: abbreviations
// such as "Citrate" that formulas use like element symbols, each weighing what its
// composition weighs. The built-in elements are listed but stay as they are. The dialog works
// on a copy of the table and puts it in place on closing.
class ElementsEditorDialog : public QDialog {
    Q_OBJECT

  public:
    // What the open documents use, one composition per document (as CSolvaraDoc::ElementUsage
    // gives it); an entry in use cannot be removed.
    using DocumentUsage = std::function<std::vector<Composition>()>;

    ElementsEditorDialog(ProgramSession& session, DocumentUsage documentUsage,
                         QWidget* parent = nullptr);
    ~ElementsEditorDialog() override;

    // Table columns, in order.
    enum Column { numberColumn, symbolColumn, massColumn, formulaColumn };

    void done(int result) override;

  private:
    void build();
    void fillList();
    void fitColumns();
    void sortBy(int column);
    void rowSelected();
    void compositionEdited(const QString& text);
    void massEdited(const QString& text);
    void updateButtons();
    Element typedEntry() const;

    void addEntry();
    void modifyEntry();
    void deleteEntry();

    ProgramSession& session_;
    DocumentUsage documentUsage_;
    ElementTable table_;
    // For each entry of the copy, its position in the program's table, -1 for one added here:
    // what the program's data use is known by the positions they were read with.
    std::vector<int> originalPositions_;
    bool changed_ = false;
    int selected_ = -1;
    double mass_ = 0;
    int sortColumn_ = numberColumn;
    bool ascending_ = true;

    QLineEdit* symbol_ = nullptr;
    CFEdit* massField_ = nullptr;
    QLineEdit* composition_ = nullptr;
    QLineEdit* comment_ = nullptr;
    CStaticFormulaFrame* frame_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* delete_ = nullptr;
};

void showElementsEditor(ProgramSession& session, ElementsEditorDialog::DocumentUsage documentUsage,
                        QWidget* parent);

}  // namespace solvara
