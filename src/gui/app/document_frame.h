#pragma once

#include <QMdiSubWindow>
#include <functional>

namespace solvara {

class DocumentModel;

// What a document's window shows; a document has at most one window of each.
enum class DocumentWindowRole { form, report, speciesDistribution };

// A window of a document inside the main window. Before it closes it asks whether it may: the
// last window of a modified document first offers to save it.
class DocumentFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    using CloseCheck = std::function<bool(DocumentFrame&)>;

    DocumentFrame(DocumentModel& document, DocumentWindowRole role, QWidget* view,
                  CloseCheck mayClose);

    DocumentModel& document() const noexcept { return document_; }
    DocumentWindowRole role() const noexcept { return role_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    DocumentModel& document_;
    DocumentWindowRole role_;
    CloseCheck mayClose_;
};

}  // namespace solvara
