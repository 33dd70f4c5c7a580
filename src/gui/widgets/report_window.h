#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "core/report/report_items.h"

class QPrinter;

namespace solvara {

class CReportView;

// A report in a resizable window, as printable pages: the recipe of a buffer design, the
// calculation details or the species distribution of a pH calculation. Whoever makes it says
// how the report is built and calls redraw() when what it shows changed; it prints, previews
// and exports the very pages it shows.
class ReportWindow : public QWidget {
    Q_OBJECT

  public:
    using ReportBuilder = std::function<Report()>;
    // The file name the PDF export proposes, asked for when the user exports.
    using PdfNameProposal = std::function<QString()>;

    ReportWindow(ReportBuilder build, PdfNameProposal proposePdfName, QWidget* parent = nullptr);

    const CReportView& view() const noexcept { return *view_; }
    const Report& report() const;

    void redraw();
    void print(QPrinter& printer);
    void printPreview(QPrinter& printer);
    void exportPdf();

  private:
    ReportBuilder build_;
    PdfNameProposal proposePdfName_;
    CReportView* view_;
};

}  // namespace solvara
