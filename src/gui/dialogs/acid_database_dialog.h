#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/chemistry/bl_acid.h"
#include "core/chemistry/bl_acid_database.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QPushButton;

class QListWidget;

namespace solvara {

class CFEdit;
class CStaticFormulaFrame;
class ProgramSession;

// Edits a list of acids: one working acid on the left (name, up to five forms, pKa and dpKa/dT
// of up to four steps) that can be added, or put in place of the selected acid; the list on
// the right, filtered by name or displayed formula. The dialog works on a copy of the list and
// hands it back when it closes, so the list changes at once or not at all.
//
// Three uses: the program's acids (checked against the reagents that use them); a document's
// own acids, which can only be modified; and picking one of several acids that share a form.
class AcidDatabaseDialog : public QDialog {
    Q_OBJECT

  public:
    using ApplyEdits = std::function<void(const BLAcidDatabase& edited)>;

    // The program's acid database.
    AcidDatabaseDialog(ProgramSession& session, QWidget* parent = nullptr);
    // A document's own acids; `apply` receives the edited list on closing, if anything changed.
    AcidDatabaseDialog(ProgramSession& session, const BLAcidDatabase& documentAcids,
                       ApplyEdits apply, QWidget* parent = nullptr);
    // Offers `candidateIds` of `acids`, in that order; nothing can be edited.
    AcidDatabaseDialog(ProgramSession& session, const BLAcidDatabase& acids,
                       std::vector<std::int32_t> candidateIds, QWidget* parent = nullptr);
    ~AcidDatabaseDialog() override;

    // The acid picked with "Use", -1 when none was.
    std::int32_t chosenAcidId() const noexcept { return chosenId_; }
    // What the last check of the working acid found, "For Help, press F1" when nothing.
    QString statusText() const;

    void done(int result) override;

  private:
    enum class Mode { program, document, selection };

    AcidDatabaseDialog(ProgramSession& session, Mode mode, QWidget* parent);
    void build();
    QWidget* buildAcidFields();
    QWidget* buildList();
    void connectFields();
    void setTabOrderDownTheForm();

    void fillList();
    QListWidgetItem* selectedItem() const;
    void loadSelectedAcid();
    void showWorkingAcid();
    void showSteps();
    void showFrames();
    void updateButtons();

    void stepToggled(int step, bool on);
    void formEdited(int form, const QString& text);
    void pKaEdited(int step, const QString& text);
    void dpKadTEdited(int step, const QString& text);
    void openOtherConstants();

    void addAcid();
    void deleteAcid();
    void modifyAcid();
    void useAcid();
    void applyEdits();

    ProgramSession& session_;
    Mode mode_;
    BLAcidDatabase acids_;
    std::vector<std::int32_t> candidates_;
    ApplyEdits apply_;
    BLAcid working_;
    bool listChanged_ = false;
    std::int32_t chosenId_ = -1;

    QLineEdit* name_ = nullptr;
    std::array<QLineEdit*, BLAcid::kMaxSteps + 1> forms_{};
    std::array<CStaticFormulaFrame*, BLAcid::kMaxSteps + 1> frames_{};
    std::array<CFEdit*, BLAcid::kMaxSteps> pKa_{};
    std::array<CFEdit*, BLAcid::kMaxSteps> dpKadT_{};
    // Steps 2 to 4 at indexes 1 to 3; step 1 is always there.
    std::array<QCheckBox*, BLAcid::kMaxSteps> stepBoxes_{};
    QPushButton* otherConstants_ = nullptr;
    QComboBox* filterType_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* use_ = nullptr;
    QPushButton* exit_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace solvara
