#include "gui/widgets/report_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "core/report/report_pages.h"
#include "gui/widgets/report_painter.h"
#include "gui/widgets/report_pdf.h"

namespace solvara {

namespace {

constexpr int a4PageWidth = 2100;
constexpr int pageGap = 16;

}  // namespace

// The pages themselves; the scroll area around them moves them.
class ReportPagesWidget : public QWidget {
  public:
    explicit ReportPagesWidget(QWidget* parent) : QWidget(parent) {}

    const Report& report() const { return report_; }
    void setReport(Report report) {
        report_ = std::move(report);
        resizeToPages();
    }
    qreal zoom() const { return zoom_; }
    void setZoom(qreal zoom) {
        zoom_ = zoom;
        resizeToPages();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().dark());
        const int pages = printedPageCount(report_);
        for (int page = 1; page <= pages; ++page) {
            const QRect sheet = sheetOf(page);
            if (!sheet.intersects(event->rect())) continue;
            painter.fillRect(sheet.translated(3, 3), Qt::black);
            painter.fillRect(sheet, Qt::white);
            painter.save();
            painter.setClipRect(sheet);
            ReportPainter(painter, scale(), sheet.topLeft(), ReportMedium::screen)
                .paint(itemsOfPrintedPage(report_, page, a4PageHeight));
            painter.restore();
        }
    }

  private:
    qreal scale() const { return ReportPainter::realSizeScale(*this) * zoom_; }
    QSize sheetSize() const {
        return {qRound(a4PageWidth * scale()), qRound(a4PageHeight * scale())};
    }
    QRect sheetOf(int page) const {
        const QSize size = sheetSize();
        return {QPoint(pageGap, pageGap + (page - 1) * (size.height() + pageGap)), size};
    }
    void resizeToPages() {
        const QRect last = sheetOf(printedPageCount(report_));
        resize(last.right() + 1 + pageGap, last.bottom() + 1 + pageGap);
        update();
    }

    Report report_;
    qreal zoom_ = 1;
};

CReportView::CReportView(QWidget* parent)
    : QScrollArea(parent), pages_(new ReportPagesWidget(this)) {
    setWidget(pages_);
    setAlignment(Qt::AlignHCenter);
    setBackgroundRole(QPalette::Dark);
}

void CReportView::setReport(Report report) { pages_->setReport(std::move(report)); }

const Report& CReportView::report() const { return pages_->report(); }

void CReportView::setZoom(qreal zoom) { pages_->setZoom(zoom); }

qreal CReportView::zoom() const { return pages_->zoom(); }

}  // namespace solvara
