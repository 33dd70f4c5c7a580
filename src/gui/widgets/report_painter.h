#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <optional>
#include <span>

#include "core/report/report_items.h"

class QPainter;
class QPaintDevice;

namespace solvara {

// Which of a pen's two widths applies: thin lines that read well on a screen vanish on paper.
enum class ReportMedium { screen, print };

// Paints report items with a QPainter. Report units (0.1 mm, y growing upwards from the top of
// the page) become device pixels at `pixelsPerUnit`; the page's top left corner lands on
// `origin`. Texts are Windows-1252, as the reports build them.
class ReportPainter {
  public:
    ReportPainter(QPainter& painter, qreal pixelsPerUnit, QPointF origin, ReportMedium medium);

    // Pixels per report unit that show a page at its real size on `device`.
    static qreal realSizeScale(const QPaintDevice& device);

    // Clip items work inside the clipping the painter already has (a page on screen) and end
    // with the call.
    void paint(std::span<const ReportItem> items);

  private:
    QPointF map(ReportPoint point) const;
    QFont font(ReportFont font) const;
    qreal length(int units) const { return units * scale_; }

    void draw(const ReportText& item);
    void draw(const ReportFormulaText& item);
    void draw(const ReportLine& item);
    void draw(const ReportPolyline& item);
    void draw(const ReportDisc& item);
    void draw(const ReportClip& item);
    void usePen(const ReportPen& pen);

    QPainter& painter_;
    qreal scale_;
    QPointF origin_;
    ReportMedium medium_;
    std::optional<QPainterPath> outerClip_;
};

}  // namespace solvara
