#include "gui/app/document_workspace.h"

#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <algorithm>
#include <variant>

#include "core/bufferdoc/ph_calculator_from_buffer.h"
#include "core/program/database_file_questions.h"
#include "gui/app/definition_view.h"
#include "gui/app/document_frame.h"
#include "gui/model/document_files.h"
#include "gui/model/document_report.h"
#include "gui/model/program_session.h"
#include "gui/model/typed_document_model.h"
#include "gui/phcalc/species_distribution_window.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/report_window.h"

namespace solvara {

namespace {

QString reportSuffix(DocumentKind kind) {
    return kind == DocumentKind::bufferDesign ? QStringLiteral(" - recipe")
                                              : QStringLiteral(" - calculation details");
}

bool sameFile(const std::filesystem::path& open, const QString& fileName) {
    if (open.empty()) return false;
    return QFileInfo(fromPath(open)).canonicalFilePath() == QFileInfo(fileName).canonicalFilePath();
}

}  // namespace

DocumentWorkspace::DocumentWorkspace(QMdiArea& area, ProgramSession& session,
                                     DatabaseFileQuestions& questions,
                                     SaveNameChooser chooseSaveName)
    : area_(area),
      session_(session),
      questions_(questions),
      chooseSaveName_(std::move(chooseSaveName)) {
    connect(&area_, &QMdiArea::subWindowActivated, this, &DocumentWorkspace::activeDocumentChanged);
}

DocumentWorkspace::~DocumentWorkspace() { closeAllWithoutAsking(); }

DocumentModel* DocumentWorkspace::activeDocument() const {
    auto* frame = qobject_cast<DocumentFrame*>(area_.activeSubWindow());
    return frame != nullptr ? &frame->document() : nullptr;
}

ReportWindow* DocumentWorkspace::activeReportWindow() const { return activeView<ReportWindow>(); }

QWidget* DocumentWorkspace::activeWidget() const {
    QMdiSubWindow* frame = area_.activeSubWindow();
    return frame != nullptr ? frame->widget() : nullptr;
}

DocumentModel& DocumentWorkspace::newDocument(DocumentKind kind) {
    const int number = kind == DocumentKind::bufferDesign ? ++newBuffers_ : ++newCalculations_;
    DocumentModel& document = adopt(newDocumentModel(kind, session_.program(), number));
    showDefinition(document);
    return document;
}

bool DocumentWorkspace::openFile(const QString& fileName) {
    for (const auto& open : documents_) {
        if (sameFile(open->filePath(), fileName)) {
            showDefinition(*open);
            return true;
        }
    }
    auto opened = openDocumentModel(toPath(fileName), session_.program());
    if (auto* failure = std::get_if<QString>(&opened)) {
        questions_.showMessage(toWindows1252(*failure));
        Q_EMIT fileUnreadable(fileName);
        return false;
    }
    DocumentModel& document = adopt(std::get<std::unique_ptr<DocumentModel>>(std::move(opened)));
    showDefinition(document);
    Q_EMIT fileUsed(QFileInfo(fileName).absoluteFilePath());
    return true;
}

bool DocumentWorkspace::save(DocumentModel& document) {
    if (document.filePath().empty()) return saveAs(document);
    const QString fileName = fromPath(document.filePath());
    if (const auto failure = document.saveAs(document.filePath())) {
        questions_.showMessage(toWindows1252(*failure));
        return false;
    }
    Q_EMIT fileUsed(fileName);
    return true;
}

bool DocumentWorkspace::saveAs(DocumentModel& document) {
    const QString fileName = chooseSaveName_(document);
    if (fileName.isEmpty()) return false;
    if (const auto failure = document.saveAs(toPath(fileName))) {
        questions_.showMessage(toWindows1252(*failure));
        return false;
    }
    Q_EMIT fileUsed(QFileInfo(fileName).absoluteFilePath());
    return true;
}

void DocumentWorkspace::showDefinition(DocumentModel& document) {
    if (activate(document, DocumentWindowRole::form)) return;
    DocumentFrame& frame = addWindow(document, DocumentWindowRole::form,
                                     makeDefinitionView(document, session_), QString());
    // A form keeps the size its layout asks for, which follows the font; only the report
    // windows are resized by hand.
    frame.setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame.adjustSize();
    frame.setFixedSize(frame.size());
}

void DocumentWorkspace::showReport(DocumentModel& document) {
    if (activate(document, DocumentWindowRole::report)) return;
    addReportWindow(document, DocumentWindowRole::report, makeDocumentReportWindow(document),
                    reportSuffix(document.kind()));
}

void DocumentWorkspace::showSpeciesDistribution(DocumentModel& document) {
    auto* calculation = dynamic_cast<PhCalculatorDocumentModel*>(&document);
    if (calculation == nullptr || activate(document, DocumentWindowRole::speciesDistribution))
        return;
    addReportWindow(document, DocumentWindowRole::speciesDistribution,
                    makeSpeciesDistributionWindow(*calculation),
                    QStringLiteral(" - species distribution"));
}

bool DocumentWorkspace::activate(const DocumentModel& document, DocumentWindowRole role) {
    for (DocumentFrame* frame : framesOf(document)) {
        if (frame->role() == role) {
            area_.setActiveSubWindow(frame);
            return true;
        }
    }
    return false;
}

void DocumentWorkspace::addReportWindow(DocumentModel& document, DocumentWindowRole role,
                                        ReportWindow* window, const QString& suffix) {
    DocumentFrame& frame = addWindow(document, role, window, suffix);
    // About an A4 page wide at its real size, and no larger than the room there is once the
    // main window is up.
    QSize size(860, 640);
    if (area_.isVisible()) size = size.boundedTo(area_.viewport()->size() - QSize(16, 16));
    frame.resize(size);
}

void DocumentWorkspace::newpHCalculatorFromBuffer(const DocumentModel& buffer) {
    const auto& design = dynamic_cast<const BufferDocumentModel&>(buffer);
    DocumentModel& calculation = adopt(
        std::make_unique<PhCalculatorDocumentModel>(MakepHCalculatorFromBuffer(design.core())));
    showDefinition(calculation);
}

bool DocumentWorkspace::offerToSaveAll() {
    for (const auto& document : documents_) {
        if (!offerToSave(*document)) return false;
    }
    return true;
}

void DocumentWorkspace::closeAllWithoutAsking() {
    closingWithoutAsking_ = true;
    area_.closeAllSubWindows();
    closingWithoutAsking_ = false;
}

void DocumentWorkspace::refreshAll() {
    for (const auto& document : documents_) document->refreshViews();
}

DocumentModel& DocumentWorkspace::adopt(std::unique_ptr<DocumentModel> document) {
    if (document->kind() == DocumentKind::bufferDesign) session_.notes().bufferDocumentOpened();
    documents_.push_back(std::move(document));
    return *documents_.back();
}

DocumentFrame& DocumentWorkspace::addWindow(DocumentModel& document, DocumentWindowRole role,
                                            QWidget* view, const QString& suffix) {
    auto* frame = new DocumentFrame(document, role, view,
                                    [this](DocumentFrame& closing) { return mayClose(closing); });
    auto showTitle = [frame, view, &document, suffix] {
        const QString title = document.title() + suffix + QStringLiteral("[*]");
        frame->setWindowTitle(title);
        view->setWindowTitle(document.title() + suffix);
        frame->setWindowModified(document.isModified());
    };
    showTitle();
    frame->setWindowIcon(QIcon(document.kind() == DocumentKind::bufferDesign
                                   ? QStringLiteral(":/icons/buffer-document.svg")
                                   : QStringLiteral(":/icons/ph-document.svg")));
    connect(&document, &DocumentModel::changed, frame, [showTitle](DocumentChange what) {
        if (has(what, DocumentChange::title | DocumentChange::modified)) showTitle();
    });
    connect(frame, &QObject::destroyed, this, [this, &document] { windowClosed(document); });
    area_.addSubWindow(frame);
    frame->show();
    area_.setActiveSubWindow(frame);
    return *frame;
}

bool DocumentWorkspace::mayClose(DocumentFrame& frame) {
    if (closingWithoutAsking_) return true;
    if (framesOf(frame.document()).size() > 1) return true;
    return offerToSave(frame.document());
}

bool DocumentWorkspace::offerToSave(DocumentModel& document) {
    if (!document.isModified()) return true;
    const std::string question = "Save changes to " + toWindows1252(document.title()) + "?";
    switch (questions_.askYesNoCancel(question, MessageIcon::exclamation)) {
        case Answer::yes:
            return save(document);
        case Answer::no:
            return true;
        case Answer::cancel:
            return false;
    }
    return false;
}

std::vector<DocumentFrame*> DocumentWorkspace::framesOf(const DocumentModel& document) const {
    std::vector<DocumentFrame*> frames;
    for (QMdiSubWindow* window : area_.subWindowList()) {
        auto* frame = qobject_cast<DocumentFrame*>(window);
        if (frame != nullptr && &frame->document() == &document) frames.push_back(frame);
    }
    return frames;
}

void DocumentWorkspace::windowClosed(DocumentModel& document) {
    if (!framesOf(document).empty()) return;
    const auto found =
        std::find_if(documents_.begin(), documents_.end(),
                     [&document](const auto& open) { return open.get() == &document; });
    if (found == documents_.end()) return;
    if (document.kind() == DocumentKind::bufferDesign) session_.notes().bufferDocumentClosed();
    documents_.erase(found);
}

}  // namespace solvara
