#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>

#include "core/program/database_path_dialog.h"

class QLineEdit;
class QPushButton;

namespace solvara {

class ProgramDatabase;

// "Database path": the window of DatabasePathDialog. OK moves, reads or
// creates the database file through `database`; the caller stores the
// path it reports in the settings.
class DatabasePathWindow : public QDialog {
    Q_OBJECT

  public:
    DatabasePathWindow(ProgramDatabase& database, const std::filesystem::path& databasePath,
                       const std::filesystem::path& defaultPath, QWidget* parent = nullptr);

    // The new "DatabasePath" setting once OK has closed the dialog; none when
    // the setting stays (also when the new path could not be read).
    const std::optional<std::filesystem::path>& pathToStore() const { return pathToStore_; }

    void accept() override;

  private:
    void browse();
    void showText();
    void textEdited(const QString& text);

    ProgramDatabase* database_;
    DatabasePathDialog rules_;
    QLineEdit* field_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::optional<std::filesystem::path> pathToStore_;
};

}  // namespace solvara
