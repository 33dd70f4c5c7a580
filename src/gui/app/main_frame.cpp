#include "gui/app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "core/program/data_paths.h"
#include "core/program/database_file_questions.h"
#include "core/program/program_defaults.h"
#include "gui/app/about_dialog.h"
#include "gui/app/application_settings.h"
#include "gui/app/database_path_window.h"
#include "gui/app/defaults_dialog.h"
#include "gui/app/document_workspace.h"
#include "gui/app/help_window.h"
#include "gui/app/new_document_dialog.h"
#include "gui/app/tip_of_the_day.h"
#include "gui/app/window_size_commands.h"
#include "gui/dialogs/acid_editors.h"
#include "gui/dialogs/buffer_database_dialog.h"
#include "gui/dialogs/concentration_calculator.h"
#include "gui/dialogs/elements_editor_dialog.h"
#include "gui/dialogs/formula_sort_dialog.h"
#include "gui/dialogs/inert_salt_database_dialog.h"
#include "gui/dialogs/reagent_database_dialog.h"
#include "gui/model/program_session.h"
#include "gui/model/typed_document_model.h"
#include "gui/phcalc/ph_calculator_view.h"
#include "gui/phcalc/results_csv_export.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/report_window.h"

namespace solvara {

namespace {

const QString documentFilter = QStringLiteral(
    "Solvara documents (*.buf *.phc);;Buffer Files (*.buf);;pH calc Files (*.phc);;All files (*)");

// The line edit that has the focus, for the Edit menu's commands.
QLineEdit* focusedLineEdit() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

}  // namespace

CMainFrame::CMainFrame(ProgramSession& session, ApplicationSettings& settings,
                       DatabaseFileQuestions& questions)
    : session_(session),
      settings_(settings),
      questions_(questions),
      area_(new QMdiArea(this)),
      commands_(makeCommandActions(this)),
      recentFiles_(settings.recentFiles()),
      acidChooser_(std::make_unique<DialogAcidChooser>(session_, this)) {
    session_.program().acidChooser = acidChooser_.get();
    setWindowTitle(QStringLiteral("Solvara"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/solvara.svg")));
    setAcceptDrops(true);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    workspace_ = std::make_unique<DocumentWorkspace>(
        *area_, session_, questions_,
        [this](const DocumentModel& document) { return chooseSaveName(document); });
    statusBar()->showMessage(tr("Ready"));
    buildToolBar();
    connectCommands();
    // Keys without a menu entry work wherever the focus is in the window.
    addActions({commands_.newDocument, commands_.formulaSorter, commands_.fourDigits,
                commands_.sixDigits, commands_.widen, commands_.narrow, commands_.presetSize,
                commands_.nextWindow, commands_.previousWindow});
    rebuildMenus();
    updateCommands();
    // Room for a form and a report side by side where the screen allows it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(screen != nullptr ? (screen->availableGeometry().size() * 0.85).boundedTo({1600, 1100})
                             : QSize(1000, 720));
}

std::vector<Composition> CMainFrame::elementsInOpenDocuments() const {
    std::vector<Composition> usage;
    for (const auto& document : workspace_->documents()) {
        if (const auto* design = dynamic_cast<const BufferDocumentModel*>(document.get())) {
            usage.push_back(design->core().ElementUsage());
        } else {
            usage.push_back(dynamic_cast<const PhCalculatorDocumentModel&>(*document)
                                .core()
                                .speciesComposition());
        }
    }
    return usage;
}

CMainFrame::~CMainFrame() {
    session_.program().acidChooser = nullptr;
    // Closing the documents' windows activates others: the menus must not be rebuilt from a
    // window half destroyed.
    disconnect(workspace_.get(), nullptr, this, nullptr);
    workspace_.reset();
}

void CMainFrame::buildToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->addActions({commands_.newBuffer, commands_.newpHCalculator, commands_.open,
                          commands_.save, commands_.print});
    toolBar_->addSeparator();
    toolBar_->addActions({commands_.solution, commands_.recipe});
    toolBar_->addSeparator();
    toolBar_->addActions({commands_.solutionDefinition, commands_.calculationDetails});
    toolBar_->addSeparator();
    toolBar_->addAction(commands_.concentrationCalculator);
    toolBar_->addSeparator();
    toolBar_->addActions({commands_.bufferDatabase, commands_.reagentDatabase,
                          commands_.acidDatabase, commands_.saltDatabase,
                          commands_.moietiesEditor});
    toolBar_->addSeparator();
    toolBar_->addActions({commands_.tutorial, commands_.about});
}

void CMainFrame::connectCommands() {
    const CommandActions& c = commands_;
    DocumentWorkspace& work = *workspace_;
    auto onActive = [this](void (DocumentWorkspace::*command)(DocumentModel&)) {
        return [this, command] {
            if (DocumentModel* document = workspace_->activeDocument())
                (workspace_.get()->*command)(*document);
        };
    };
    connect(c.newDocument, &QAction::triggered, this, [this, &work] {
        if (const auto kind = askNewDocumentKind(this)) work.newDocument(*kind);
    });
    connect(c.newBuffer, &QAction::triggered, this,
            [&work] { work.newDocument(DocumentKind::bufferDesign); });
    connect(c.newpHCalculator, &QAction::triggered, this,
            [&work] { work.newDocument(DocumentKind::pHCalculation); });
    connect(c.pHCalculatorFromBuffer, &QAction::triggered, this, [&work] {
        if (DocumentModel* document = work.activeDocument())
            work.newpHCalculatorFromBuffer(*document);
    });
    connect(c.open, &QAction::triggered, this, &CMainFrame::openWithDialog);
    connect(c.close, &QAction::triggered, area_, &QMdiArea::closeActiveSubWindow);
    connect(c.save, &QAction::triggered, this, [this] {
        if (DocumentModel* document = workspace_->activeDocument()) workspace_->save(*document);
    });
    connect(c.saveAs, &QAction::triggered, this, [this] {
        if (DocumentModel* document = workspace_->activeDocument()) workspace_->saveAs(*document);
    });
    connect(c.solution, &QAction::triggered, this, onActive(&DocumentWorkspace::showDefinition));
    connect(c.solutionDefinition, &QAction::triggered, this,
            onActive(&DocumentWorkspace::showDefinition));
    connect(c.recipe, &QAction::triggered, this, &CMainFrame::showRecipe);
    connect(c.calculationDetails, &QAction::triggered, this,
            onActive(&DocumentWorkspace::showReport));
    // The report window in front, or the active document's report brought to the front.
    auto onReport = [this](std::function<void(ReportWindow&)> command) {
        return [this, command] {
            ReportWindow* report = workspace_->activeReportWindow();
            if (report == nullptr) {
                DocumentModel* document = workspace_->activeDocument();
                if (document == nullptr) return;
                workspace_->showReport(*document);
                report = workspace_->activeReportWindow();
            }
            if (report != nullptr) command(*report);
        };
    };
    connect(c.print, &QAction::triggered, this,
            onReport([this](ReportWindow& report) { report.print(printer_); }));
    connect(c.printPreview, &QAction::triggered, this,
            onReport([this](ReportWindow& report) { report.printPreview(printer_); }));
    connect(c.exportPdf, &QAction::triggered, this,
            onReport([](ReportWindow& report) { report.exportPdf(); }));
    connect(c.speciesDistribution, &QAction::triggered, this,
            onActive(&DocumentWorkspace::showSpeciesDistribution));
    connect(c.exportCsv, &QAction::triggered, this, [this] {
        if (const auto* calculation =
                dynamic_cast<const PhCalculatorDocumentModel*>(workspace_->activeDocument()))
            exportResultsAsCsv(*calculation, this);
    });
    connect(c.addReagent, &QAction::triggered, this, [this] {
        if (DocumentModel* document = workspace_->activeDocument()) {
            workspace_->showDefinition(*document);
            if (auto* form = workspace_->activeView<CpHCalculatorView>()) form->addReagent();
        }
    });
    connect(c.printSetup, &QAction::triggered, this, [this] {
        QPageSetupDialog dialog(&printer_, this);
        dialog.exec();
    });
    connect(c.defaults, &QAction::triggered, this, &CMainFrame::editDefaults);
    connect(c.saveDatabase, &QAction::triggered, this, [this] {
        session_.database().SaveDatabaseOnRequest(databasePath());
        updateCommands();
    });
    connect(c.databasePath, &QAction::triggered, this, &CMainFrame::changeDatabasePath);
    connect(c.databasePassword, &QAction::triggered, this, [this] {
        session_.database().ChangeDatabasePassword(databasePath());
        updateCommands();
    });
    connect(c.exit, &QAction::triggered, this, &QWidget::close);
    connect(c.undo, &QAction::triggered, this, [] {
        if (QLineEdit* edit = focusedLineEdit()) edit->undo();
    });
    connect(c.cut, &QAction::triggered, this, [] {
        if (QLineEdit* edit = focusedLineEdit()) edit->cut();
    });
    connect(c.copy, &QAction::triggered, this, [] {
        if (QLineEdit* edit = focusedLineEdit()) edit->copy();
    });
    connect(c.paste, &QAction::triggered, this, [] {
        if (QLineEdit* edit = focusedLineEdit()) edit->paste();
    });
    connect(c.toolbar, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(c.statusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
    c.toolbar->setChecked(true);
    c.statusBar->setChecked(true);
    connect(c.cascade, &QAction::triggered, area_, &QMdiArea::cascadeSubWindows);
    connect(c.tile, &QAction::triggered, area_, &QMdiArea::tileSubWindows);
    connect(c.nextWindow, &QAction::triggered, area_, &QMdiArea::activateNextSubWindow);
    connect(c.previousWindow, &QAction::triggered, area_, &QMdiArea::activatePreviousSubWindow);
    connect(c.bufferDatabase, &QAction::triggered, this,
            [this] { showBufferDatabaseEditor(session_, *acidChooser_, this); });
    connect(c.reagentDatabase, &QAction::triggered, this,
            [this] { showReagentDatabaseEditor(session_, *acidChooser_, this); });
    connect(c.acidDatabase, &QAction::triggered, this,
            [this] { showAcidDatabaseEditor(session_, this); });
    connect(c.saltDatabase, &QAction::triggered, this,
            [this] { showInertSaltDatabaseEditor(session_, this); });
    connect(c.moietiesEditor, &QAction::triggered, this, [this] {
        showElementsEditor(
            session_, [this] { return elementsInOpenDocuments(); }, this);
    });
    connect(c.concentrationCalculator, &QAction::triggered, this,
            [this] { showConcentrationCalculator(session_, this); });
    connect(c.formulaSorter, &QAction::triggered, this,
            [this] { showFormulaSorter(session_, this); });
    connect(&session_, &ProgramSession::databaseEdited, this, &CMainFrame::updateCommands);
    // Analyses that meet several acids sharing a form ask the user, in every model in use.
    connect(&session_, &ProgramSession::programReplaced, this,
            [this] { session_.program().acidChooser = acidChooser_.get(); });
    connect(c.helpTopics, &QAction::triggered, this, [this] { showHelpTopic(QString()); });
    connect(c.tutorial, &QAction::triggered, this,
            [this] { showHelpTopic(QStringLiteral("html\\list_of_examples.htm")); });
    connect(c.tipOfTheDay, &QAction::triggered, this, &CMainFrame::showTipOfTheDay);
    connect(c.about, &QAction::triggered, this, &CMainFrame::showAbout);
    connect(c.fourDigits, &QAction::triggered, this, [this] { setDisplayDigits(4); });
    connect(c.sixDigits, &QAction::triggered, this, [this] { setDisplayDigits(6); });
    connect(c.widen, &QAction::triggered, this, [this] { resizeBy(&widenedToMultipleOf16); });
    connect(c.narrow, &QAction::triggered, this, [this] { resizeBy(&narrowedToMultipleOf16); });
    connect(c.presetSize, &QAction::triggered, this, [this] { resizeBy(&nextPresetSize); });

    connect(&work, &DocumentWorkspace::activeDocumentChanged, this, [this] {
        rebuildMenus();
        updateCommands();
    });
    connect(&work, &DocumentWorkspace::fileUsed, this, &CMainFrame::rememberFile);
    connect(&work, &DocumentWorkspace::fileUnreadable, this, &CMainFrame::forgetFile);
    connect(&session_, &ProgramSession::viewsNeedRefresh, &work, &DocumentWorkspace::refreshAll);
}

void CMainFrame::showRecipe() {
    DocumentModel* active = workspace_->activeDocument();
    const auto* design = dynamic_cast<const BufferDocumentModel*>(active);
    if (design == nullptr) return;
    if (design->core().IsHighOrLowPh() && !highLowPhNoteShown_) {
        highLowPhNoteShown_ = true;
        if (questions_.askYesNo("High & low pH solutions can be buffered with just\na strong acid "
                                "or base.\n\nClick Yes to get more information.",
                                MessageIcon::none)) {
            showHelpTopic(QStringLiteral("html\\high_and_low_pH_buffering.htm"));
        }
    }
    workspace_->showReport(*active);
}

void CMainFrame::rebuildMenus() {
    const DocumentModel* active = workspace_->activeDocument();
    const MenuBarKind kind = active == nullptr ? MenuBarKind::noDocument
                             : active->kind() == DocumentKind::bufferDesign
                                 ? MenuBarKind::bufferDocument
                                 : MenuBarKind::pHCalculatorDocument;
    if (kind == menuBarKind_ && !menuBar()->actions().isEmpty()) return;
    menuBarKind_ = kind;
    const bool hasDocument = kind != MenuBarKind::noDocument;
    const CommandActions& c = commands_;
    QMenuBar& bar = *menuBar();
    bar.clear();

    QMenu* file = bar.addMenu(tr("&File"));
    QMenu* newMenu = file->addMenu(tr("&New"));
    newMenu->addActions({c.newBuffer, c.newpHCalculator});
    if (kind == MenuBarKind::bufferDocument) newMenu->addAction(c.pHCalculatorFromBuffer);
    file->addAction(c.open);
    if (hasDocument) file->addActions({c.close, c.save, c.saveAs});
    file->addSeparator();
    file->addAction(c.defaults);
    QMenu* database = file->addMenu(tr("Data&base"));
    database->addActions({c.saveDatabase, c.databasePath, c.databasePassword});
    if (kind == MenuBarKind::pHCalculatorDocument) file->addAction(c.exportCsv);
    if (hasDocument) {
        file->addSeparator();
        file->addActions({c.print, c.printPreview, c.printSetup, c.exportPdf});
    }
    file->addSeparator();
    QMenu* recent = file->addMenu(tr("Recent &Files"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentFilesMenu(*recent); });
    fillRecentFilesMenu(*recent);
    file->addSeparator();
    file->addAction(c.exit);

    if (hasDocument) {
        QMenu* edit = bar.addMenu(tr("&Edit"));
        edit->addActions({c.undo});
        edit->addSeparator();
        edit->addActions({c.cut, c.copy, c.paste});
        if (kind == MenuBarKind::pHCalculatorDocument) {
            edit->addSeparator();
            edit->addAction(c.addReagent);
        }
    }

    QMenu* view = bar.addMenu(tr("&View"));
    view->addActions({c.toolbar, c.statusBar});
    view->addSeparator();
    view->addActions({c.bufferDatabase, c.reagentDatabase, c.acidDatabase, c.saltDatabase,
                      c.moietiesEditor, c.concentrationCalculator});
    if (hasDocument) {
        view->addSeparator();
        if (kind == MenuBarKind::bufferDocument) {
            view->addActions({c.solution, c.recipe});
        } else {
            view->addActions({c.solutionDefinition, c.calculationDetails, c.speciesDistribution});
        }
        QMenu* window = bar.addMenu(tr("&Window"));
        window->addActions({c.cascade, c.tile, c.nextWindow, c.previousWindow});
    }

    QMenu* help = bar.addMenu(tr("&Help"));
    help->addActions({c.helpTopics, c.tutorial, c.tipOfTheDay});
    // Shift+F1: the pointer becomes a question mark; a click on a control shows its help.
    help->addAction(QWhatsThis::createAction(help));
    help->addSeparator();
    help->addAction(c.about);
    for (QMenu* menu : bar.findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
    }
}

void CMainFrame::fillRecentFilesMenu(QMenu& menu) {
    menu.clear();
    const QStringList& files = recentFiles_.files();
    for (int index = 0; index < files.size(); ++index) {
        const QString file = files.at(index);
        QAction* entry = menu.addAction(RecentFiles::menuText(index, file));
        entry->setStatusTip(tr("Open this document"));
        connect(entry, &QAction::triggered, this, [this, file] { workspace_->openFile(file); });
    }
    menu.setEnabled(!files.isEmpty());
}

void CMainFrame::updateCommands() {
    const DocumentModel* active = workspace_->activeDocument();
    const bool buffer = active != nullptr && active->kind() == DocumentKind::bufferDesign;
    const bool calculation = active != nullptr && active->kind() == DocumentKind::pHCalculation;
    const CommandActions& c = commands_;
    for (QAction* command : {c.close, c.save, c.saveAs, c.print, c.printPreview, c.exportPdf,
                             c.cascade, c.tile, c.nextWindow, c.previousWindow}) {
        command->setEnabled(active != nullptr);
    }
    c.solution->setEnabled(buffer);
    c.recipe->setEnabled(buffer);
    for (QAction* command :
         {c.solutionDefinition, c.calculationDetails, c.speciesDistribution, c.addReagent}) {
        command->setEnabled(calculation);
    }
    c.exportCsv->setEnabled(
        calculation &&
        dynamic_cast<const PhCalculatorDocumentModel*>(active)->core().resultsValid());
    c.pHCalculatorFromBuffer->setEnabled(
        buffer && dynamic_cast<const BufferDocumentModel*>(active)->core().CanMakepHCalculator());
    if (buffer) {
        // The document of a design built on a saved buffer must be complete to be saved.
        const auto* design = dynamic_cast<const BufferDocumentModel*>(active);
        c.save->setEnabled(design->core().HasBothReagents());
        c.saveAs->setEnabled(design->core().HasBothReagents());
    }
    c.saveDatabase->setEnabled(session_.database().IsDatabaseModified());
    c.fourDigits->setChecked(session_.displayDigits() == 4);
    c.sixDigits->setChecked(session_.displayDigits() == 6);
}

void CMainFrame::setDisplayDigits(int digits) {
    session_.setDisplayDigits(digits);
    updateCommands();
}

void CMainFrame::resizeBy(QSize (*resized)(QSize)) {
    if (isMaximized() || isFullScreen()) showNormal();
    const QSize size = resized(frameGeometry().size());
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(size - frame);
    statusBar()->showMessage(windowSizeStatusText(size));
}

void CMainFrame::showHelpTopic(const QString& topic) {
    if (helpWindow_ == nullptr) helpWindow_ = new HelpWindow(this);
    if (topic.isEmpty()) {
        helpWindow_->showContents();
    } else {
        helpWindow_->showTopic(topic);
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void CMainFrame::showTipOfTheDay() {
    auto* tip = new CTipofTheDay(settings_.store(), this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->open();
}

void CMainFrame::editDefaults() {
    DefaultsDialog dialog(session_.program().defaults, this, session_.displayDigits());
    if (dialog.exec() == QDialog::Accepted) session_.setDefaults(dialog.result());
}

void CMainFrame::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

std::filesystem::path CMainFrame::databasePath() const {
    return DatabasePath(settings_.databasePath().toStdString(), processEnvironment());
}

void CMainFrame::changeDatabasePath() {
    const std::filesystem::path current = databasePath();
    DatabasePathWindow dialog(session_.database(), current,
                              DefaultDatabasePath(processEnvironment()), this);
    dialog.exec();
    if (const auto& path = dialog.pathToStore()) settings_.setDatabasePath(fromPath(*path));
    updateCommands();
}

void CMainFrame::openWithDialog() {
    const QStringList files =
        QFileDialog::getOpenFileNames(this, tr("Open"), QString(), documentFilter);
    for (const QString& file : files) workspace_->openFile(file);
}

void CMainFrame::rememberFile(const QString& fileName) {
    recentFiles_.add(fileName);
    settings_.setRecentFiles(recentFiles_.files());
}

void CMainFrame::forgetFile(const QString& fileName) {
    recentFiles_.remove(fileName);
    settings_.setRecentFiles(recentFiles_.files());
}

QString CMainFrame::chooseSaveName(const DocumentModel& document) {
    const bool buffer = document.kind() == DocumentKind::bufferDesign;
    const QString extension = fromWindows1252(documentExtension(document.kind()));
    QFileDialog dialog(this, tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(buffer ? QStringLiteral("Buffer Files (*.buf)")
                                : QStringLiteral("pH calc Files (*.phc)"));
    dialog.setDefaultSuffix(extension.mid(1));
    const QString current = fromPath(document.filePath());
    dialog.selectFile(current.isEmpty() ? document.title() + extension : current);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool CMainFrame::exitSequence() {
    const bool documentsAnswered = workspace_->offerToSaveAll();
    // The database question comes whatever the documents' answers were.
    session_.database().SaveDatabaseOnRequest(databasePath());
    if (!documentsAnswered) {
        updateCommands();
        return false;
    }
    workspace_->closeAllWithoutAsking();
    if (session_.defaultsModified() &&
        questions_.askYesNo("Save changes to program defaults?", MessageIcon::none)) {
        const std::filesystem::path file = defaultsPath(processEnvironment());
        if (!WriteProgramDefaults(file, session_.program().defaults)) {
            questions_.showMessage(toWindows1252(fromPath(file)) +
                                   ": cannot be saved. The program defaults were not saved.");
        }
    }
    settings_.setDisplayDigits(session_.displayDigits());
    settings_.store().sync();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (exitSequence()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) workspace_->openFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}

}  // namespace solvara
