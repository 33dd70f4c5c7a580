#pragma once

#include <QWidget>

#include "gui/model/typed_document_model.h"

namespace solvara {

class CReportView;

// How the acids of a pH calculation split into their forms across the pH scale, one plot per
// acid with the solution's pH marked, as printable pages. It redraws whenever the document
// changes and prints, previews and exports the very pages it shows.
class SpeciesDistributionWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SpeciesDistributionWindow(PhCalculatorDocumentModel& document,
                                       QWidget* parent = nullptr);

    const CReportView& view() const noexcept { return *view_; }

  public Q_SLOTS:
    void print();
    void printPreview();
    void exportPdf();

  private:
    void redraw();

    PhCalculatorDocumentModel& document_;
    CReportView* view_;
};

}  // namespace solvara
