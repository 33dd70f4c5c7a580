#include "gui/model/document_model.h"

#include "core/archive/archive_error.h"
#include "core/archive/file_error.h"
#include "core/document/document_file.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

DocumentModel::DocumentModel(DocumentKind kind, std::unique_ptr<COrvaneDocument> document,
                             std::filesystem::path filePath)
    : kind_(kind), document_(std::move(document)), filePath_(std::move(filePath)) {}

QString DocumentModel::title() const { return fromMixedText(document_->title()); }

std::optional<QString> DocumentModel::saveAs(const std::filesystem::path& path) {
    const bool wasModified = document_->IsModified();
    const std::string oldTitle = document_->title();
    try {
        writeDocumentFile(*document_, kind_, path);
    } catch (const std::exception& error) {
        document_->SetModifiedFlag(wasModified);
        document_->setTitle(oldTitle);
        return fromMixedText(error.what());
    }
    filePath_ = path;
    announce(DocumentChange::title | DocumentChange::modified);
    return std::nullopt;
}

void DocumentModel::refreshViews() { emitChanged(everyDocumentChange); }

void DocumentModel::announce(DocumentChange change) {
    if (change != DocumentChange::none) emitChanged(change);
}

void DocumentModel::emitChanged(DocumentChange change) {
    Q_EMIT changed(change);
    if (has(change, DocumentChange::inputs | DocumentChange::rows | DocumentChange::results))
        Q_EMIT contentChanged();
}

}  // namespace solvara
