#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/buffer/buffer.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace solvara {

class AcidChooser;
class BufferReagentBox;
class ProgramModel;
class ProgramSession;

// Edits the program's buffer database: groups and their variants in a tree, and the details of
// one scratch variant (its name, two reagents, main component and default mark). Add group, Add
// variant, Delete and Modify change the database at once, each completely or not at all; a group
// keeps at most one default variant. In choosing mode "Use" gives the scratch variant back.
class CBufferDatabaseDlg : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { browsing, choosing };

    // `chooser` serves the reagent picker of the "database..." buttons.
    CBufferDatabaseDlg(ProgramSession& session, AcidChooser& chooser, Mode mode,
                       const Buffer* preloaded, QWidget* parent = nullptr);

    const Buffer& scratchBuffer() const { return scratch_; }
    bool changedDatabase() const { return changesMade_; }

  private:
    void buildForm();
    void connectControls();
    void fillTree();
    void itemSelected(QTreeWidgetItem* item);
    void pickReagent(int ordinal);
    void mainComponentChosen(int index);
    void addGroup();
    void addVariant();
    void deleteSelected();
    void modifySelected();
    void showDetails();
    void fillMainComponents();
    void updateCaptions();
    void updateButtons();
    bool complete() const;
    // Whether the default mark may move to the scratch variant; asks when it would displace the
    // group's default.
    bool mayTakeDefault(std::string_view replacedVariantName);

    ProgramSession& session_;
    ProgramModel& program_;
    AcidChooser& chooser_;
    const Mode mode_;
    Buffer scratch_;
    std::string groupName_;
    std::string variantName_;
    bool groupSelected_ = false;
    bool variantSelected_ = false;
    bool changesMade_ = false;

    QLineEdit* groupField_ = nullptr;
    QLineEdit* variantField_ = nullptr;
    BufferReagentBox* first_ = nullptr;
    BufferReagentBox* second_ = nullptr;
    QComboBox* mainComponent_ = nullptr;
    QCheckBox* default_ = nullptr;
    QGroupBox* treeBox_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPushButton* addGroup_ = nullptr;
    QPushButton* addVariant_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* use_ = nullptr;
};

// The buffer database editor (the "Buffer database" command). The session's databaseEdited is
// sent when it changed the database: the design views' buffer lists are to be rebuilt.
void showBufferDatabaseEditor(ProgramSession& session, AcidChooser& chooser, QWidget* parent);

// The buffer picker of the design view's "database..." button, starting from a copy of
// `current`: the variant taken with "Use", none on "Exit".
std::optional<Buffer> pickBuffer(ProgramSession& session, AcidChooser& chooser,
                                 const Buffer& current, QWidget* parent);

}  // namespace solvara
