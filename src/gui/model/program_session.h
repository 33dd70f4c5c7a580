#pragma once

#include <QImage>
#include <QObject>

#include "core/program/database_edit_notes.h"
#include "core/program/program_database.h"
#include "core/program/program_model_listener.h"

namespace solvara {

// The program database of a running desktop program and what every window shares with it: the
// display digits, whether the defaults were changed, the once-per-run notes. Windows that show
// parts of the program model hear before and after the model is replaced (another database
// path, a reload) and let go of the old one in between; documents keep theirs alive themselves.
class ProgramSession : public QObject, private ProgramModelListener {
    Q_OBJECT

  public:
    explicit ProgramSession(DatabaseFileQuestions& questions);
    ~ProgramSession() override;

    ProgramDatabase& database() noexcept { return database_; }
    ProgramModel& program() noexcept { return database_.program(); }
    DatabaseEditNotes& notes() noexcept { return notes_; }

    // Significant digits the views show: 4 or 6.
    int displayDigits() const noexcept { return displayDigits_; }
    void setDisplayDigits(int digits);

    // Replaces the program defaults, as the Defaults dialog's OK does; they are written to
    // their file at exit after the user agrees.
    void setDefaults(const ProgramDefaults& defaults);
    bool defaultsModified() const noexcept { return defaultsModified_; }

    // The pH colour strip under the design views' capacity plots, built once.
    const QImage& phScaleBitmap() const noexcept { return phScaleBitmap_; }

    // A database editor changed the program's data in place: windows that list it rebuild
    // their lists (the buffer lists of the design views); documents keep their own copies.
    void announceDatabaseEdited() { Q_EMIT databaseEdited(); }

  Q_SIGNALS:
    void programAboutToBeReplaced();
    void programReplaced();
    // The display digits or the defaults changed: every view redraws.
    void viewsNeedRefresh();
    // A database editor changed the program database (sent by the editor when it closes): the
    // "Save database" command and every list showing the databases follow.
    void databaseEdited();

  private:
    void programModelAboutToBeReplaced(ProgramModel& old) override;
    void programModelReplaced(ProgramModel& current) override;

    ProgramDatabase database_;
    DatabaseEditNotes notes_;
    int displayDigits_ = 4;
    bool defaultsModified_ = false;
    QImage phScaleBitmap_;
};

}  // namespace solvara
