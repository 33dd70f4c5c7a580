#include "gui/app/solvara_app.h"

#include "core/program/data_paths.h"
#include "core/program/program_defaults.h"
#include "gui/app/document_workspace.h"
#include "gui/app/main_frame.h"
#include "gui/app/new_document_dialog.h"
#include "gui/app/tip_of_the_day.h"

namespace solvara {

CSolvaraApp::CSolvaraApp(QSettings& store, DatabaseFileQuestions& questions)
    : settings_(store), questions_(questions), session_(questions) {}

CSolvaraApp::~CSolvaraApp() = default;

void CSolvaraApp::start(const QStringList& files) {
    session_.setDisplayDigits(settings_.displayDigits());
    mainWindow_ = std::make_unique<CMainFrame>(session_, settings_, questions_);

    const EnvironmentLookup environment = processEnvironment();
    const std::filesystem::path databaseFile =
        DatabasePath(settings_.databasePath().toStdString(), environment);
    // A first run has no database file yet and begins with the starter content: there is no
    // failure to report. A file the user chose, or one that is there, is read and its faults told.
    std::error_code unknown;
    if (!settings_.databasePath().isEmpty() || std::filesystem::exists(databaseFile, unknown))
        session_.database().LoadDatabase(databaseFile);
    ReadProgramDefaults(defaultsPath(environment), session_.program().defaults);

    DocumentWorkspace& workspace = mainWindow_->workspace();
    bool opened = false;
    for (const QString& file : files) opened = workspace.openFile(file) || opened;
    if (!opened) {
        switch (session_.program().defaults.startWith) {
            case StartDocument::newBuffer:
                workspace.newDocument(DocumentKind::bufferDesign);
                break;
            case StartDocument::newpHCalculator:
                workspace.newDocument(DocumentKind::pHCalculation);
                break;
            case StartDocument::ask:
                if (const auto kind = askNewDocumentKind(mainWindow_.get()))
                    workspace.newDocument(*kind);
                break;
        }
    }
    mainWindow_->show();

    if (settings_.firstRun()) {
        settings_.setFirstRun(false);
        mainWindow_->showHelpTopic(QStringLiteral("html\\tutorial_1st_run.htm"));
    } else if (tipsShownAtStartup(settings_.store())) {
        mainWindow_->showTipOfTheDay();
    }
}

}  // namespace solvara
