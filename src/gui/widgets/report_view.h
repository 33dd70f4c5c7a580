#pragma once

#include <QScrollArea>

#include "core/report/report_items.h"

namespace solvara {

class ReportPagesWidget;

// Shows a report as its printed A4 pages, one below the other on a grey desk, at a zoom of the
// real size.
class CReportView : public QScrollArea {
    Q_OBJECT

  public:
    explicit CReportView(QWidget* parent = nullptr);

    void setReport(Report report);
    const Report& report() const;
    // 1 is the real size on this screen.
    void setZoom(qreal zoom);
    qreal zoom() const;

  private:
    ReportPagesWidget* pages_;
};

}  // namespace solvara
