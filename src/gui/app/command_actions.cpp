#include "gui/app/command_actions.h"

#include <QIcon>
#include <QKeySequence>

namespace solvara {

namespace {

QAction* action(QObject* owner, const QString& text, const QString& prompt = {},
                const QString& icon = {}) {
    auto* made = new QAction(text, owner);
    if (!prompt.isEmpty()) setPrompt(*made, prompt);
    if (!icon.isEmpty()) made->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    return made;
}

QAction* withKeys(QAction* made, const QList<QKeySequence>& keys) {
    made->setShortcuts(keys);
    return made;
}

QAction* withKey(QAction* made, const QKeySequence& key) { return withKeys(made, {key}); }

}  // namespace

void setPrompt(QAction& action, const QString& promptAndTooltip) {
    const qsizetype split = promptAndTooltip.indexOf(QLatin1Char('\n'));
    action.setStatusTip(promptAndTooltip.left(split));
    if (split >= 0) action.setToolTip(promptAndTooltip.mid(split + 1));
}

CommandActions makeCommandActions(QObject* owner) {
    CommandActions a{};
    a.newDocument = withKey(
        action(owner, QStringLiteral("&New..."), QStringLiteral("Create a new document\nNew")),
        QKeySequence::New);
    a.newBuffer =
        action(owner, QStringLiteral("Buffer"), QStringLiteral("Create new buffer\nNew buffer"),
               QStringLiteral("new-buffer"));
    a.newpHCalculator = action(owner, QStringLiteral("pH calculator"),
                               QStringLiteral("Open pH calculator\npH calculator"),
                               QStringLiteral("ph-calculator"));
    a.pHCalculatorFromBuffer =
        withKey(action(owner, QStringLiteral("pH calculator from buffer"),
                       QStringLiteral("Open a pH calculation of the mixture this buffer makes\npH "
                                      "calculator from buffer")),
                QKeySequence(QStringLiteral("Ctrl+H")));
    a.open =
        withKey(action(owner, QStringLiteral("&Open..."),
                       QStringLiteral("Open an existing document\nOpen"), QStringLiteral("open")),
                QKeySequence::Open);
    a.close =
        action(owner, QStringLiteral("&Close"), QStringLiteral("Close the active document\nClose"));
    a.save =
        withKey(action(owner, QStringLiteral("&Save"),
                       QStringLiteral("Save the active document\nSave"), QStringLiteral("save")),
                QKeySequence::Save);
    a.saveAs = action(owner, QStringLiteral("Save &As..."),
                      QStringLiteral("Save the active document with a new name\nSave As"));
    a.defaults = action(owner, QStringLiteral("&Defaults"),
                        QStringLiteral("Change default values used as a start point\nDefaults"));
    a.print =
        withKey(action(owner, QStringLiteral("&Print..."),
                       QStringLiteral("Print the active document\nPrint"), QStringLiteral("print")),
                QKeySequence::Print);
    a.printPreview = action(owner, QStringLiteral("Print Pre&view"),
                            QStringLiteral("Display full pages\nPrint Preview"));
    a.printSetup = action(owner, QStringLiteral("P&rint Setup..."),
                          QStringLiteral("Change the printer and printing options\nPrint Setup"));
    a.exportPdf =
        action(owner, QStringLiteral("Export PD&F..."),
               QStringLiteral("Write the active document's report as a PDF file\nExport PDF"));
    a.exportCsv = action(owner, QStringLiteral("&Export results as CSV"),
                         QStringLiteral("Save the species of the solution for a spreadsheet\n"
                                        "Export results as CSV"));
    a.addReagent = withKey(action(owner, QStringLiteral("&Add reagent"),
                                  QStringLiteral("Add a reagent to the solution\nAdd reagent")),
                           QKeySequence(QStringLiteral("Ctrl+Q")));
    a.speciesDistribution =
        action(owner, QStringLiteral("Species distribution"),
               QStringLiteral("Shows the forms of every acid of the solution against pH\nSpecies "
                              "distribution"));
    a.saveDatabase =
        withKey(action(owner, QStringLiteral("Save data&base"),
                       QStringLiteral("Save modified program database\nSave database")),
                QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    a.databasePath = action(owner, QStringLiteral("Database &path"));
    a.databasePassword = action(owner, QStringLiteral("Database pa&ssword"));
    a.exit = action(owner, QStringLiteral("E&xit"),
                    QStringLiteral("Quit the application; prompts to save documents\nExit"));
    a.undo = withKeys(
        action(owner, QStringLiteral("&Undo"), QStringLiteral("Undo the last action\nUndo")),
        {QKeySequence::Undo, QKeySequence(QStringLiteral("Alt+Backspace"))});
    a.cut = withKeys(action(owner, QStringLiteral("Cu&t"),
                            QStringLiteral("Cut the selection and put it on the Clipboard\nCut")),
                     {QKeySequence::Cut, QKeySequence(QStringLiteral("Shift+Del"))});
    a.copy =
        withKeys(action(owner, QStringLiteral("&Copy"),
                        QStringLiteral("Copy the selection and put it on the Clipboard\nCopy")),
                 {QKeySequence::Copy, QKeySequence(QStringLiteral("Ctrl+Ins"))});
    a.paste = withKeys(
        action(owner, QStringLiteral("&Paste"), QStringLiteral("Insert Clipboard contents\nPaste")),
        {QKeySequence::Paste, QKeySequence(QStringLiteral("Shift+Ins"))});
    a.toolbar = action(owner, QStringLiteral("&Toolbar"),
                       QStringLiteral("Show or hide the toolbar\nToggle ToolBar"));
    a.statusBar = action(owner, QStringLiteral("&Status Bar"),
                         QStringLiteral("Show or hide the status bar\nToggle StatusBar"));
    a.solution = withKey(action(owner, QStringLiteral("Solution"),
                                QStringLiteral("Shows buffer design window\nBuffer design"),
                                QStringLiteral("design-window")),
                         QKeySequence(QStringLiteral("Ctrl+D")));
    a.solutionDefinition =
        withKey(action(owner, QStringLiteral("Solution definition"),
                       QStringLiteral("Shows pH calculator window\npH calculator window"),
                       QStringLiteral("ph-window")),
                QKeySequence(QStringLiteral("Ctrl+D")));
    a.recipe = withKey(action(owner, QStringLiteral("Recipe"),
                              QStringLiteral("Shows buffer recipe window\nBuffer recipe"),
                              QStringLiteral("recipe-window")),
                       QKeySequence(QStringLiteral("Ctrl+R")));
    a.calculationDetails = withKey(
        action(owner, QStringLiteral("Calculation details"),
               QStringLiteral("Shows pH calculation results window\npH calculation results"),
               QStringLiteral("ph-results-window")),
        QKeySequence(QStringLiteral("Ctrl+R")));
    a.bufferDatabase =
        action(owner, QStringLiteral("Buffer database"),
               QStringLiteral("Shows buffer database editor\nBuffer database editor"),
               QStringLiteral("buffer-database"));
    a.reagentDatabase =
        action(owner, QStringLiteral("Reagent database"),
               QStringLiteral("Shows reagent database editor\nReagent database editor"),
               QStringLiteral("reagent-database"));
    a.acidDatabase =
        action(owner, QStringLiteral("Acid database"),
               QStringLiteral("Shows Bronsted-Lowry acids database editor\nAcid database editor"),
               QStringLiteral("acid-database"));
    a.saltDatabase =
        action(owner, QStringLiteral("Inert salt database"),
               QStringLiteral("Shows inert salt database editor\nInert salt database editor"),
               QStringLiteral("salt-database"));
    a.moietiesEditor = action(owner, QStringLiteral("Element and functional groups editor"),
                              QStringLiteral("Shows moieties editor\nMoieties editor"),
                              QStringLiteral("moieties-editor"));
    a.concentrationCalculator =
        withKey(action(owner, QStringLiteral("Concentration calculator"),
                       QStringLiteral("Start concentration calculator\nn=CV calculator"),
                       QStringLiteral("concentration-calculator")),
                QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    a.formulaSorter =
        withKey(action(owner, QStringLiteral("Formula sorter"),
                       QStringLiteral("Shows formula sorter window\nFormula sorter window")),
                QKeySequence(QStringLiteral("Ctrl+Shift+Alt+F")));
    a.cascade = action(owner, QStringLiteral("&Cascade"),
                       QStringLiteral("Arrange windows so they overlap\nCascade Windows"));
    a.tile = action(owner, QStringLiteral("&Tile"),
                    QStringLiteral("Arrange windows as non-overlapping tiles\nTile Windows"));
    a.nextWindow = withKey(action(owner, QStringLiteral("Next Pane")), QKeySequence(Qt::Key_F6));
    a.previousWindow = withKey(action(owner, QStringLiteral("Previous Pane")),
                               QKeySequence(Qt::SHIFT | Qt::Key_F6));
    a.helpTopics = withKey(action(owner, QStringLiteral("&Help Topics"),
                                  QStringLiteral("List Help topics\nHelp Topics")),
                           QKeySequence::HelpContents);
    a.tutorial = action(owner, QStringLiteral("&Tutorial"),
                        QStringLiteral("Shows tutorial with usage examples\nShow tutorial"),
                        QStringLiteral("tutorial"));
    a.tipOfTheDay = action(owner, QStringLiteral("Tip of the &day"),
                           QStringLiteral("Shows tip of the day\nShows tip of the day"));
    a.about = action(owner, QStringLiteral("&About Solvara..."),
                     QStringLiteral("Display program information, version number and "
                                    "copyright\nAbout"),
                     QStringLiteral("about"));
    a.fourDigits = withKey(action(owner, QStringLiteral("Show 4 digits")),
                           QKeySequence(QStringLiteral("Ctrl+4")));
    a.sixDigits = withKey(action(owner, QStringLiteral("Show 6 digits")),
                          QKeySequence(QStringLiteral("Ctrl+6")));
    a.widen = withKey(action(owner, QStringLiteral("Wider window")),
                      QKeySequence(QStringLiteral("Ctrl+Shift+Alt+=")));
    a.narrow = withKey(action(owner, QStringLiteral("Narrower window")),
                       QKeySequence(QStringLiteral("Ctrl+Shift+Alt+-")));
    a.presetSize = withKey(action(owner, QStringLiteral("Preset window size")),
                           QKeySequence(QStringLiteral("Ctrl+Shift+Alt+8")));
    for (QAction* checkable : {a.toolbar, a.statusBar, a.fourDigits, a.sixDigits}) {
        checkable->setCheckable(true);
    }
    return a;
}

}  // namespace solvara
