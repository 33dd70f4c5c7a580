#pragma once

#include <QWidget>

#include "gui/model/document_model.h"

namespace solvara {

class CReportView;

// A document's report in a resizable window: the recipe of a buffer design or the calculation
// details of a pH calculation. It redraws whenever the document changes and prints, previews
// and exports the very report it shows.
class ReportWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ReportWindow(DocumentModel& document, QWidget* parent = nullptr);

    DocumentModel& document() const noexcept { return document_; }
    const CReportView& view() const noexcept { return *view_; }

  public Q_SLOTS:
    void print();
    void printPreview();
    void exportPdf();

  private:
    void redraw();

    DocumentModel& document_;
    CReportView* view_;
};

}  // namespace solvara
