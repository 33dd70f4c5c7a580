#pragma once

#include <QSettings>
#include <QStringList>
#include <memory>

#include "gui/app/application_settings.h"
#include "gui/model/program_session.h"

namespace solvara {

class CMainFrame;
class DatabaseFileQuestions;

// The running desktop program: its settings, the program database and defaults, and the main
// window. Questions go through `questions`, which the program answers with dialogs and tests
// answer from a script.
class CSolvaraApp {
  public:
    CSolvaraApp(QSettings& store, DatabaseFileQuestions& questions);
    ~CSolvaraApp();

    // The start-up sequence: settings, database and defaults, the first document (or the files
    // named on the command line), the main window, then the first-run tutorial or the tip of the
    // day.
    void start(const QStringList& files);

    ProgramSession& session() noexcept { return session_; }
    ApplicationSettings& settings() noexcept { return settings_; }
    CMainFrame& mainWindow() noexcept { return *mainWindow_; }

  private:
    ApplicationSettings settings_;
    DatabaseFileQuestions& questions_;
    ProgramSession session_;
    std::unique_ptr<CMainFrame> mainWindow_;
};

}  // namespace solvara
