#include "core/report/report_pages.h"

namespace solvara {

namespace {

void moveUp(ReportPoint& point, int distance) { point.y += distance; }

void moveUp(ReportRect& rect, int distance) {
    rect.top += distance;
    rect.bottom += distance;
}

struct MoveUp {
    int distance;
    void operator()(ReportText& item) const { moveUp(item.at, distance); }
    void operator()(ReportFormulaText& item) const { moveUp(item.at, distance); }
    void operator()(ReportLine& item) const {
        moveUp(item.from, distance);
        moveUp(item.to, distance);
    }
    void operator()(ReportPolyline& item) const {
        for (ReportPoint& point : item.points) moveUp(point, distance);
    }
    void operator()(ReportDisc& item) const { moveUp(item.bounds, distance); }
    void operator()(ReportClip& item) const {
        if (item.box) moveUp(*item.box, distance);
    }
};

struct Anchor {
    int operator()(const ReportText& item) const { return item.at.y; }
    int operator()(const ReportFormulaText& item) const { return item.at.y; }
    int operator()(const ReportLine& item) const { return item.from.y; }
    int operator()(const ReportPolyline& item) const {
        return item.points.empty() ? 0 : item.points.front().y;
    }
    int operator()(const ReportDisc& item) const { return item.bounds.top; }
    int operator()(const ReportClip& item) const { return item.box ? item.box->top : 0; }
};

}  // namespace

int anchorY(const ReportItem& item) { return std::visit(Anchor{}, item); }

std::vector<ReportItem> itemsOfPrintedPage(const Report& report, int page, int pageHeight) {
    const long long pageTop = -static_cast<long long>(pageHeight) * (page - 1);
    const long long pageBottom = pageTop - pageHeight;
    const int shift = static_cast<int>(-pageTop);
    std::vector<ReportItem> printed;
    for (const ReportItem& item : report.items) {
        const int y = anchorY(item);
        const bool onPage = y < pageTop && y > pageBottom;
        if (!onPage && !std::holds_alternative<ReportClip>(item)) continue;
        ReportItem moved = item;
        std::visit(MoveUp{shift}, moved);
        printed.push_back(std::move(moved));
    }
    return printed;
}

}  // namespace solvara
