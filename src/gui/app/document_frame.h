#pragma once

#include <QMdiSubWindow>
#include <functional>

namespace solvara {

class DocumentModel;

// A window of a document inside the main window. Before it closes it asks whether it may: the
// last window of a modified document first offers to save it.
class DocumentFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    using CloseCheck = std::function<bool(DocumentFrame&)>;

    DocumentFrame(DocumentModel& document, QWidget* view, CloseCheck mayClose);

    DocumentModel& document() const noexcept { return document_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    DocumentModel& document_;
    CloseCheck mayClose_;
};

}  // namespace solvara
