#pragma once

#include <QMainWindow>
#include <QPrinter>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/chemistry/composition.h"
#include "gui/app/command_actions.h"
#include "gui/app/recent_files.h"

class QMdiArea;
class QMenu;

namespace solvara {

class ApplicationSettings;
class DatabaseFileQuestions;
class DialogAcidChooser;
class DocumentModel;
class DocumentWorkspace;
class HelpWindow;
class ProgramSession;

// Which menu bar is shown: the one without documents or the one of the active document's kind.
enum class MenuBarKind { noDocument, bufferDocument, pHCalculatorDocument };

// The main window "Solvara": the documents' windows in one area, the menus, the toolbar, the
// status bar, and the commands that are not a single document's.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    CMainFrame(ProgramSession& session, ApplicationSettings& settings,
               DatabaseFileQuestions& questions);
    ~CMainFrame() override;

    DocumentWorkspace& workspace() noexcept { return *workspace_; }
    const CommandActions& commands() const noexcept { return commands_; }
    MenuBarKind menuBarKind() const noexcept { return menuBarKind_; }

    // A help page by its topic name, such as "html\list_of_examples.htm"; empty for the contents.
    void showHelpTopic(const QString& topic);
    void showTipOfTheDay();
    // The exit sequence: documents, the database, then the defaults. False when the user
    // cancelled a document's question and the program goes on.
    bool exitSequence();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void connectCommands();
    void buildToolBar();
    void rebuildMenus();
    void fillRecentFilesMenu(QMenu& menu);
    void updateCommands();
    void setDisplayDigits(int digits);
    void resizeBy(QSize (*resized)(QSize));
    void openWithDialog();
    // The recipe window, after the note on buffering at a high or low pH the first time.
    void showRecipe();
    void editDefaults();
    void showAbout();
    void changeDatabasePath();
    std::filesystem::path databasePath() const;
    void rememberFile(const QString& fileName);
    void forgetFile(const QString& fileName);
    QString chooseSaveName(const DocumentModel& document);
    // What the open documents use of the element table, which the element editor keeps.
    std::vector<Composition> elementsInOpenDocuments() const;

    ProgramSession& session_;
    ApplicationSettings& settings_;
    DatabaseFileQuestions& questions_;
    QMdiArea* area_;
    std::unique_ptr<DocumentWorkspace> workspace_;
    CommandActions commands_;
    QToolBar* toolBar_ = nullptr;
    RecentFiles recentFiles_;
    MenuBarKind menuBarKind_ = MenuBarKind::noDocument;
    QPrinter printer_;
    HelpWindow* helpWindow_ = nullptr;
    bool highLowPhNoteShown_ = false;
    std::unique_ptr<DialogAcidChooser> acidChooser_;
};

}  // namespace solvara
