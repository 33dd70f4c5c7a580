#include "gui/widgets/report_painter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <optional>
#include <vector>

#include "core/bufferdoc/recipe_page.h"
#include "gui/widgets/report_pdf.h"
#include "gui/widgets/report_view.h"
#include "support/phosphate_recipe.h"

namespace solvara {
namespace {

constexpr qreal halfPixelPerUnit = 0.5;

QImage render(const std::vector<ReportItem>& items, QSize size, qreal scale,
              std::optional<QRect> painterClip = std::nullopt,
              ReportMedium medium = ReportMedium::screen) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (painterClip) painter.setClipRect(*painterClip);
    ReportPainter(painter, scale, QPointF(), medium).paint(items);
    painter.end();
    return image;
}

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

bool inkIn(const QImage& image, QRect box) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (dark(image, x, y)) return true;
    return false;
}

const ReportPen thickPen{{0, 0, 0}, 3, 3};

TEST(ReportPainter, PaintsDiscsLinesAndTextWhereTheUnitsPlaceThem) {
    const std::vector<ReportItem> items{
        ReportDisc{{100, -100, 140, -140}, {0, 0, 0}},
        ReportLine{{20, -300}, {380, -300}, thickPen},
        ReportText{{390, -340}, "Right", reportTextFont, ReportAlignment::right},
    };
    const QImage image = render(items, {200, 200}, halfPixelPerUnit);
    EXPECT_TRUE(dark(image, 60, 60)) << "disc centre";
    EXPECT_FALSE(dark(image, 45, 45)) << "outside the disc";
    EXPECT_TRUE(dark(image, 100, 150)) << "on the line";
    EXPECT_FALSE(dark(image, 100, 145)) << "above the line";
    EXPECT_FALSE(dark(image, 5, 150)) << "before its start";
    EXPECT_TRUE(inkIn(image, {150, 170, 45, 29})) << "right-aligned text ends at its anchor";
    EXPECT_FALSE(inkIn(image, {196, 165, 4, 35}));
}

TEST(ReportPainter, ClippingHoldsUntilItIsLiftedAndStaysInsideThePainters) {
    const std::vector<ReportItem> items{
        ReportClip{ReportRect{0, 0, 200, -200}},
        ReportLine{{0, -50}, {400, -50}, thickPen},
        ReportClip{std::nullopt},
        ReportLine{{0, -350}, {400, -350}, thickPen},
    };
    const QImage free = render(items, {200, 200}, halfPixelPerUnit);
    EXPECT_TRUE(dark(free, 50, 25));
    EXPECT_FALSE(dark(free, 150, 25)) << "outside the clip";
    EXPECT_TRUE(dark(free, 150, 175)) << "clipping lifted";

    // A page on screen: the painter already clips to the left 120 pixels.
    const QImage page = render(items, {200, 200}, halfPixelPerUnit, QRect(0, 0, 120, 200));
    EXPECT_TRUE(dark(page, 50, 25));
    EXPECT_TRUE(dark(page, 100, 175)) << "lifted back to the page";
    EXPECT_FALSE(dark(page, 150, 175)) << "never beyond the page";
}

TEST(ReportPainter, PensTakeTheirScreenOrPrintWidth) {
    // Screen widths are pixels, print widths report units: at 2 pixels a unit, 2 and 16 pixels.
    const std::vector<ReportItem> line{ReportLine{{0, -20}, {50, -20}, {{0, 0, 0}, 2, 8}}};
    const auto thickness = [&line](ReportMedium medium) {
        const QImage image = render(line, {100, 100}, 2.0, std::nullopt, medium);
        int rows = 0;
        for (int y = 0; y < image.height(); ++y) rows += dark(image, 50, y) ? 1 : 0;
        return rows;
    };
    EXPECT_EQ(thickness(ReportMedium::screen), 2);
    EXPECT_EQ(thickness(ReportMedium::print), 16);
}

TEST(ReportPainter, FormulaTextPutsTheFormulaBetweenItsNeighbours) {
    const auto widthOf = [](const ReportFormulaText& item) {
        const QImage image = render({item}, {400, 60}, 1.0);
        int right = -1;
        for (int x = 0; x < image.width(); ++x)
            if (inkIn(image, {x, 0, 1, 60})) right = x;
        return right;
    };
    const int plain = widthOf({{0, 0}, "a () b", "H_2O"});
    const int withFormula = widthOf({{0, 0}, "a (<SUBSTANCEFORMULA>) b", "H_2O"});
    const int emptyFormula = widthOf({{0, 0}, "a (<SUBSTANCEFORMULA>) b", ""});
    EXPECT_GT(withFormula, plain + 10);
    EXPECT_EQ(emptyFormula, plain);
}

int pdfPageCount(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s") ++pages;
    return pages;
}

TEST(ReportPdf, WritesOneA4PagePerPrintedPage) {
    Report report;
    report.height = 2 * a4PageHeight + 10;
    for (const int y : {-100, -a4PageHeight - 100, -2 * a4PageHeight - 5})
        report.items.push_back(ReportText{{100, y}, "Page text"});
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(exportReportToPdf(report, path, QStringLiteral("Test report")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdfPageCount(pdf), 3);

    EXPECT_EQ(printedPageCount(Report{}), 1);
    EXPECT_FALSE(exportReportToPdf(report, directory.filePath(QStringLiteral("no/such/dir.pdf")),
                                   QString()));
}

// The phosphate recipe with a sloping temperature series and a capacity curve, so that both
// plots have something to draw.
RecipeContent phosphateRecipe() {
    RecipeContent content = testing::phosphateRecipe();
    content.temperatureSeries.clear();
    for (int t = 0; t <= 100; ++t) content.temperatureSeries.push_back(7.3 - 0.0028 * t);
    for (int i = 0; i <= 280; ++i)
        content.capacityCurve.push_back(0.002 + 0.012 * std::exp(-std::pow((i * 0.05 - 7.2), 2)));
    return content;
}

// The whole page lands on the paper, clear of a 5 mm border. Set SOLVARA_GUI_SNAPSHOT_DIR to
// keep the picture and a PDF of it for a look.
TEST(ReportPainter, RecipePageStaysOnThePaper) {
    const Report page = recipePage(phosphateRecipe());
    const QImage image = render(page.items, {1050, 1485}, halfPixelPerUnit);
    EXPECT_TRUE(inkIn(image, {25, 25, 1000, 1435}));
    EXPECT_FALSE(inkIn(image, {0, 0, 1050, 25}));
    EXPECT_FALSE(inkIn(image, {0, 0, 25, 1485}));
    EXPECT_FALSE(inkIn(image, {1025, 0, 25, 1485}));
    EXPECT_FALSE(inkIn(image, {0, 1460, 1050, 25}));

    const QString snapshots = qEnvironmentVariable("SOLVARA_GUI_SNAPSHOT_DIR");
    if (snapshots.isEmpty()) return;
    ASSERT_TRUE(QDir().mkpath(snapshots));
    EXPECT_TRUE(image.save(snapshots + QStringLiteral("/recipe.png")));
    EXPECT_TRUE(exportReportToPdf(page, snapshots + QStringLiteral("/recipe.pdf"),
                                  QStringLiteral("Buffer recipe")));
    CReportView view;
    view.resize(900, 700);
    view.setReport(page);
    view.setZoom(0.8);
    EXPECT_TRUE(view.grab().save(snapshots + QStringLiteral("/recipe-view.png")));
}

}  // namespace
}  // namespace solvara
