#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "gui/model/document_model.h"

class QMdiArea;
class QWidget;

namespace solvara {

class DatabaseFileQuestions;
class DocumentFrame;
class ReportWindow;
enum class DocumentWindowRole;
class ProgramSession;

// The open documents and their windows in the main window's area: new, open, save, close, the
// report windows and the refresh of every view. A document lives while it has a window.
class DocumentWorkspace : public QObject {
    Q_OBJECT

  public:
    // Asks where to save a document that has no file yet (or for Save As); empty when the user
    // cancelled.
    using SaveNameChooser = std::function<QString(const DocumentModel& document)>;

    DocumentWorkspace(QMdiArea& area, ProgramSession& session, DatabaseFileQuestions& questions,
                      SaveNameChooser chooseSaveName);
    ~DocumentWorkspace() override;

    const std::vector<std::unique_ptr<DocumentModel>>& documents() const noexcept {
        return documents_;
    }
    // The document of the active window; null without one.
    DocumentModel* activeDocument() const;
    // The report window that is active; null when another window or none is.
    ReportWindow* activeReportWindow() const;
    // The view of the active window when it is a `View`; null otherwise.
    template <class View>
    View* activeView() const {
        return qobject_cast<View*>(activeWidget());
    }

    DocumentModel& newDocument(DocumentKind kind);
    // Opens the document in the file, or shows its window when it is open already. Tells the
    // user why when it cannot be opened.
    bool openFile(const QString& fileName);
    bool save(DocumentModel& document);
    bool saveAs(DocumentModel& document);
    // The document's form (the buffer design or the solution definition window), made when it
    // has none.
    void showDefinition(DocumentModel& document);
    // The recipe or the calculation details window of the document, made when it has none.
    void showReport(DocumentModel& document);
    // The species distribution window of a pH calculation.
    void showSpeciesDistribution(DocumentModel& document);
    // A pH calculation of the mixture the buffer design makes, in a new document.
    void newpHCalculatorFromBuffer(const DocumentModel& buffer);

    // Offers to save every modified document, in the order they were opened; false when the
    // user cancelled one (the documents stay open).
    bool offerToSaveAll();
    // Closes every window without asking, as at exit once the questions were answered.
    void closeAllWithoutAsking();
    // Every view of every document redraws from its document.
    void refreshAll();

  Q_SIGNALS:
    void activeDocumentChanged();
    // A file was opened or saved: the recent file list takes it.
    void fileUsed(const QString& fileName);
    // A file of the recent file list could not be opened.
    void fileUnreadable(const QString& fileName);

  private:
    QWidget* activeWidget() const;
    DocumentModel& adopt(std::unique_ptr<DocumentModel> document);
    DocumentFrame& addWindow(DocumentModel& document, DocumentWindowRole role, QWidget* view,
                             const QString& suffix);
    void addReportWindow(DocumentModel& document, DocumentWindowRole role, ReportWindow* window,
                         const QString& suffix);
    // Brings the document's window of that role to the front; false when it has none.
    bool activate(const DocumentModel& document, DocumentWindowRole role);
    bool mayClose(DocumentFrame& frame);
    // "Save changes to ...?": false when the user cancelled.
    bool offerToSave(DocumentModel& document);
    std::vector<DocumentFrame*> framesOf(const DocumentModel& document) const;
    void windowClosed(DocumentModel& document);

    QMdiArea& area_;
    ProgramSession& session_;
    DatabaseFileQuestions& questions_;
    SaveNameChooser chooseSaveName_;
    std::vector<std::unique_ptr<DocumentModel>> documents_;
    int newBuffers_ = 0;
    int newCalculations_ = 0;
    bool closingWithoutAsking_ = false;
};

}  // namespace solvara
