#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace solvara {

class BufferDatabase;

// Asks for the name of a new buffer group; "Add" is offered only for a name no group has.
class CNewGroup : public QDialog {
    Q_OBJECT

  public:
    // The database must outlive the dialog.
    explicit CNewGroup(const BufferDatabase& buffers, QWidget* parent = nullptr);

    std::string groupName() const;

  private:
    const BufferDatabase& buffers_;
    QLineEdit* name_;
    QPushButton* add_;
};

// The new group's name on "Add", none on "Cancel".
std::optional<std::string> askNewGroupName(const BufferDatabase& buffers, QWidget* parent);

}  // namespace solvara
