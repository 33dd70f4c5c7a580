#include "core/report/report_text.h"

#include <gtest/gtest.h>

namespace solvara {
namespace {

TEST(ReportText, PlacesTextsByColumnAndLineFromTheTop) {
    Report report;
    report.items = {
        ReportText{{100, -170}, "second"},
        ReportText{{100, -100}, "Title", reportTitleFont},
        ReportText{{400, -170}, "12.5", reportTextFont, ReportAlignment::right},
        ReportFormulaText{{300, -240}, "x <SUBSTANCEFORMULA> = 1", "pK_w"},
        ReportText{{320, -240}, "crowded"},
        ReportText{{1000, -240}, "ab", reportTextFont, ReportAlignment::centre},
        ReportLine{{0, -300}, {100, -300}, {}},
    };
    EXPECT_EQ(reportAsText(report),
              "     Title\n"
              "     second     12.5\n"
              "               x pK_w = 1 crowded                ab\n");
}

}  // namespace
}  // namespace solvara
