#pragma once

#include <QDialog>
#include <optional>

#include "core/chemistry/reagent.h"
#include "gui/dialogs/remembered_acid_choices.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace solvara {

class CFEdit;
class CStaticFormulaFrame;
class FilteredSubstanceList;
class ProgramModel;
class ProgramSession;

// Edits the program's reagent database one working reagent at a time: its name, formula and
// stock, analysed on every keystroke with the log shown live. Add, Delete and Modify change the
// database at once, each completely or not at all; the fields change nothing until then. As a
// picker it starts from the caller's reagent and gives the working reagent back on "Use".
class CReagentDatabaseDlg : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { database, selection };

    // `chooser` is asked which acid a form shared by several acids means.
    CReagentDatabaseDlg(ProgramSession& session, AcidChooser& chooser, Mode mode,
                        const Reagent* preloaded, QWidget* parent = nullptr);

    const Reagent& workingReagent() const { return working_; }
    // Add, Delete or Modify changed the database.
    bool changedDatabase() const { return changed_; }

  private:
    void buildForm();
    void connectControls();
    void fillList();
    void listRefilled();
    void reagentSelected(std::int32_t id);
    void nameEdited(const QString& text);
    void formulaEdited(const QString& text);
    void concentrationEdited(const QString& text);
    void solidClicked(bool solid);
    void openCalculator();
    void addReagent();
    void deleteReagent();
    void modifyReagent();
    void reanalyze();
    void showFields();
    void showFormula();
    void enableStock();
    void updateButtons();
    bool selected() const;

    ProgramSession& session_;
    ProgramModel& program_;
    RememberedAcidChoices choices_;
    const Mode mode_;
    Reagent working_;
    bool changed_ = false;

    QLineEdit* name_ = nullptr;
    QLineEdit* formula_ = nullptr;
    CStaticFormulaFrame* formulaFrame_ = nullptr;
    QCheckBox* solid_ = nullptr;
    CFEdit* concentration_ = nullptr;
    QPushButton* calculator_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    FilteredSubstanceList* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* use_ = nullptr;
};

// The reagent database editor (the "Reagent database" command). The session's databaseEdited is
// sent when it changed the database.
void showReagentDatabaseEditor(ProgramSession& session, AcidChooser& chooser, QWidget* parent);

// The reagent picker of the views' "database..." buttons, starting from a copy of `current`:
// the reagent the user took with "Use", none on "Exit". Its acids are looked up as `current`'s
// were. A reagent added to the database meanwhile sends the session's databaseEdited.
std::optional<Reagent> pickReagent(ProgramSession& session, AcidChooser& chooser,
                                   const Reagent& current, QWidget* parent);

}  // namespace solvara
