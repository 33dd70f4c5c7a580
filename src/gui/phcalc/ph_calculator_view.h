#pragma once

#include <QWidget>
#include <functional>

#include "core/document/document_change.h"
#include "gui/dialogs/acid_editors.h"
#include "gui/model/typed_document_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

namespace solvara {

class AnnouncedReformatEdit;
class CCFListCtrl;
class CStaticFormulaFrame;
class PhResultLabel;
class ProgramSession;

// The "Solution definition" form of a pH calculation: one tab per reagent row with its name,
// formula, concentration and volume, how the volumes combine and how the ionic strength is
// treated, the temperature, the pH and the list of every species. Every keystroke recalculates;
// the field being typed in keeps its text, caret and selection while the rest of the form follows
// the results.
class CpHCalculatorView : public QWidget {
    Q_OBJECT

  public:
    CpHCalculatorView(PhCalculatorDocumentModel& document, ProgramSession& session,
                      QWidget* parent = nullptr);
    ~CpHCalculatorView() override;

    int currentRow() const noexcept { return currentRow_; }

  public Q_SLOTS:
    // Appends an empty row and shows it.
    void addReagent();
    // Removes the row shown; the last row stays.
    void removeReagent();
    // Replaces the reagent of the row shown by one the user takes from the reagent database;
    // the row keeps its volume.
    void pickReagentFromDatabase();
    // Lets the user work out the stock of the row shown: its concentration and volume.
    void openConcentrationCalculator();
    // Edits the document's own copies of its acids; the program's database stays as it is.
    void editDocumentAcids();

  private:
    // A number field and the edit its typed value makes.
    using NumberEdit = std::function<DocumentChange(CpHCalculatorDoc&, double)>;

    void buildForm();
    QWidget* buildReagentPane();
    QWidget* buildSolutionPane();
    QWidget* buildSpeciesPane();
    AnnouncedReformatEdit* numberField(NumberEdit edit, bool reformatRecalculates);
    void connectSignals();

    void numberTyped(AnnouncedReformatEdit& field, const NumberEdit& edit);
    void nameTyped();
    void formulaTyped();
    void chooseReagent(const QString& name);
    void takeReagent(const Reagent& reagent);
    void volumeModeChosen(int mode);
    void ionicStrengthModeChosen(int mode);
    void tabSelected(int index);
    void sortBy(int column);

    // Runs an edit for the field being typed in: the field keeps what it shows.
    void editFrom(QWidget& field, const std::function<DocumentChange(CpHCalculatorDoc&)>& edit);
    void documentChanged(DocumentChange what);
    void synchroniseTabs();
    void showRow();
    void writeFields();
    void enableByModes();
    void showResults();
    void refreshSpeciesList();

    const CpHCalculatorDoc& core() const { return document_.core(); }
    // Who is asked which acid a form shared by several acids means.
    AcidChooser& acidChooser();

    PhCalculatorDocumentModel& document_;
    ProgramSession& session_;
    // Asks when the program has no chooser of its own.
    DialogAcidChooser ownAcidChooser_;
    int currentRow_ = 0;
    int sortColumn_ = 0;
    bool sortAscending_ = true;
    // The two one-shot guards against change notifications that are no typing: a field rewriting
    // itself on focus loss, and the form writing the document into its fields.
    bool reformatting_ = false;
    bool rewriting_ = false;
    // The field whose typing is being handled; the form never rewrites it.
    QWidget* typedField_ = nullptr;

    QTabBar* tabs_ = nullptr;
    QPushButton* databaseButton_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QLineEdit* formulaField_ = nullptr;
    CStaticFormulaFrame* formulaFrame_ = nullptr;
    AnnouncedReformatEdit* concentrationField_ = nullptr;
    QPushButton* calculatorButton_ = nullptr;
    AnnouncedReformatEdit* volumeField_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    QComboBox* volumeModeBox_ = nullptr;
    AnnouncedReformatEdit* solutionVolumeField_ = nullptr;
    QComboBox* ionicStrengthModeBox_ = nullptr;
    AnnouncedReformatEdit* ionicStrengthField_ = nullptr;
    AnnouncedReformatEdit* temperatureField_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* acidsButton_ = nullptr;
    PhResultLabel* pHLabel_ = nullptr;
    QLineEdit* filterField_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    CCFListCtrl* speciesList_ = nullptr;
};

}  // namespace solvara
