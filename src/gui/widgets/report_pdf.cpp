#include "gui/widgets/report_pdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/report/report_pages.h"
#include "gui/widgets/report_painter.h"

namespace solvara {

int printedPageCount(const Report& report) {
    return std::max(1, (report.height + a4PageHeight - 1) / a4PageHeight);
}

bool paintReportPages(const Report& report, QPagedPaintDevice& device) {
    // The report places everything itself, measured from the paper's edge.
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const qreal scale = ReportPainter::realSizeScale(device);
    const int pages = printedPageCount(report);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) device.newPage();
        const std::vector<ReportItem> items = itemsOfPrintedPage(report, page, a4PageHeight);
        ReportPainter(painter, scale, QPointF(), ReportMedium::print).paint(items);
    }
    return painter.end();
}

bool exportReportToPdf(const Report& report, const QString& path, const QString& title) {
    // Written beside the file and renamed over it when complete: a failed export leaves the
    // PDF that was there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Solvara"));
        if (!paintReportPages(report, writer)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

}  // namespace solvara
