#pragma once

#include <QAction>
#include <QString>

namespace solvara {

// Every command of the main window as an action: its menu text, keys, status-bar prompt,
// tooltip and toolbar icon. The main window connects and enables them.
struct CommandActions {
    QAction* newDocument;
    QAction* newBuffer;
    QAction* newpHCalculator;
    QAction* pHCalculatorFromBuffer;
    QAction* open;
    QAction* close;
    QAction* save;
    QAction* saveAs;
    QAction* defaults;
    QAction* print;
    QAction* printPreview;
    QAction* printSetup;
    QAction* exportPdf;
    QAction* exportCsv;
    QAction* addReagent;
    QAction* speciesDistribution;
    QAction* saveDatabase;
    QAction* databasePath;
    QAction* databasePassword;
    QAction* exit;
    QAction* undo;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* toolbar;
    QAction* statusBar;
    QAction* solution;
    QAction* solutionDefinition;
    QAction* recipe;
    QAction* calculationDetails;
    QAction* bufferDatabase;
    QAction* reagentDatabase;
    QAction* acidDatabase;
    QAction* saltDatabase;
    QAction* moietiesEditor;
    QAction* concentrationCalculator;
    QAction* formulaSorter;
    QAction* cascade;
    QAction* tile;
    QAction* nextWindow;
    QAction* previousWindow;
    QAction* helpTopics;
    QAction* tutorial;
    QAction* tipOfTheDay;
    QAction* about;
    QAction* fourDigits;
    QAction* sixDigits;
    QAction* widen;
    QAction* narrow;
    QAction* presetSize;
};

// Makes the actions as children of `owner`.
CommandActions makeCommandActions(QObject* owner);

// Sets the status-bar prompt and the tooltip from one text "prompt\ntooltip".
void setPrompt(QAction& action, const QString& promptAndTooltip);

}  // namespace solvara
