#pragma once

#include <QDialog>
#include <optional>

#include "core/buffer/inert_salt.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace solvara {

class CFEdit;
class CStaticFormulaFrame;
class FilteredSubstanceList;
class ProgramModel;
class ProgramSession;

// Edits the program's inert salts one scratch salt at a time: name, formula (with the ionic
// strength of its 1 M solution), stock or solid, and the default mark, of which the database
// keeps one. Add, Delete and Modify change the database at once, each completely or not at all.
// As a picker it starts from the caller's salt and gives the scratch salt back on "Use".
class CInertSaltDatabaseDlg : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { database, choosing };

    CInertSaltDatabaseDlg(ProgramSession& session, Mode mode, const InertSalt* preloaded,
                          QWidget* parent = nullptr);

    const InertSalt& scratchSalt() const { return scratch_; }
    bool changedDatabase() const { return changed_; }

  private:
    void buildForm();
    void connectControls();
    void fillList();
    void listRefilled();
    void saltSelected(std::int32_t id);
    void formulaEdited(const QString& text);
    void concentrationEdited(const QString& text);
    void solidClicked(bool solid);
    void openCalculator();
    void addSalt();
    void deleteSalt();
    void modifySalt();
    void showFields();
    void showOutcome(const std::string& text);
    void updateButtons();

    ProgramSession& session_;
    ProgramModel& program_;
    const Mode mode_;
    InertSalt scratch_;
    bool formulaValid_ = false;
    bool changed_ = false;

    QLineEdit* name_ = nullptr;
    QLineEdit* formula_ = nullptr;
    CStaticFormulaFrame* formulaFrame_ = nullptr;
    QLabel* outcome_ = nullptr;
    QCheckBox* solid_ = nullptr;
    CFEdit* concentration_ = nullptr;
    QPushButton* calculator_ = nullptr;
    QCheckBox* default_ = nullptr;
    QLabel* defaultSalt_ = nullptr;
    FilteredSubstanceList* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* use_ = nullptr;
};

// The inert salt database editor (the "Inert salt database" command). The session's
// databaseEdited is sent when it changed the database.
void showInertSaltDatabaseEditor(ProgramSession& session, QWidget* parent);

// The salt picker of the design view's "database..." button, starting from a copy of `current`:
// the salt taken with "Use", none on "Exit".
std::optional<InertSalt> pickInertSalt(ProgramSession& session, const InertSalt& current,
                                       QWidget* parent);

}  // namespace solvara
