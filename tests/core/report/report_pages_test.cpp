#include "core/report/report_pages.h"

#include <gtest/gtest.h>

namespace solvara {
namespace {

TEST(ReportPages, ItemsGoWholeToThePageHoldingTheirAnchorAndMoveUp) {
    Report report;
    report.items = {
        ReportText{{100, -100}, "first page"},
        ReportLine{{250, -2650}, {250, -2800}, {}},  // crosses the cut: printed on page 1
        ReportText{{100, -2700}, "on the cut"},      // strictly between: on neither page
        ReportDisc{{10, -2750, 20, -2760}, {}},
        ReportClip{ReportRect{0, -2710, 50, -2900}},
    };

    const std::vector<ReportItem> first = itemsOfPrintedPage(report, 1, 2700);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(std::get<ReportText>(first[0]).text, "first page");
    EXPECT_EQ(std::get<ReportLine>(first[1]).to, (ReportPoint{250, -2800}));

    const std::vector<ReportItem> second = itemsOfPrintedPage(report, 2, 2700);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(std::get<ReportDisc>(second[0]).bounds, (ReportRect{10, -50, 20, -60}));
    EXPECT_EQ(std::get<ReportClip>(second[1]).box, (ReportRect{0, -10, 50, -200}));
}

}  // namespace
}  // namespace solvara
