#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/document/document_change.h"
#include "core/document/document_kind.h"
#include "core/document/orvane_document.h"

namespace solvara {

class ProgramModel;

// One open document as the windows see it: the core document, the file it came from or was saved
// to, and one signal that tells every view what an edit changed. Views read the core document
// through the const getters and redraw from it; edits go through edit(), so no view can change a
// document without the others hearing of it.
class DocumentModel : public QObject {
    Q_OBJECT

  public:
    DocumentKind kind() const noexcept { return kind_; }
    const COrvaneDocument& document() const noexcept { return *document_; }

    // The file of the document; empty until it was opened from or saved to one.
    const std::filesystem::path& filePath() const noexcept { return filePath_; }
    // The document's title as windows show it.
    QString title() const;
    bool isModified() const noexcept { return document_->IsModified(); }

    // Writes the document to `path`; afterwards that is its file. A failure leaves the file that
    // was there and the document as it was, and gives the reason to tell the user.
    std::optional<QString> saveAs(const std::filesystem::path& path);

    // Tells every view to redraw from the document, as after a change of the display digits or
    // of the program defaults.
    void refreshViews();

  Q_SIGNALS:
    void changed(solvara::DocumentChange what);
    // What the document holds or found changed (inputs, rows or results): reports redraw.
    void contentChanged();

  protected:
    DocumentModel(DocumentKind kind, std::unique_ptr<COrvaneDocument> document,
                  std::filesystem::path filePath);
    // Every edit of a view ends here with what the core said it changed.
    void announce(DocumentChange change);
    COrvaneDocument& coreDocument() noexcept { return *document_; }

  private:
    void emitChanged(DocumentChange change);

    DocumentKind kind_;
    std::unique_ptr<COrvaneDocument> document_;
    std::filesystem::path filePath_;
};

// Every flag: what a view redraws when it is told to redraw everything.
inline constexpr DocumentChange everyDocumentChange =
    DocumentChange::inputs | DocumentChange::rows | DocumentChange::results |
    DocumentChange::title | DocumentChange::modified;

}  // namespace solvara
