#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <memory>
#include <variant>

#include "core/phcalc/ph_calculator_doc.h"
#include "core/program/program_model.h"
#include "gui/phcalc/results_csv_export.h"
#include "gui/phcalc/species_distribution_window.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/report_view.h"
#include "gui/widgets/report_window.h"
#include "modal_answers.h"
#include "support/cli_runner.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

using testing::ModalAnswers;
using testing::TemporaryFolder;

// A pH calculation titled "solution.phc" holding reagents of the starter database, made as
// `solvara-cli ph --reagent NAME:CONCENTRATION ...` makes its solution.
class PhResultsExportTest : public ::testing::Test {
  protected:
    PhResultsExportTest()
        : program(makeStarterProgramModel()),
          document(std::make_unique<CpHCalculatorDoc>(*program)) {
        document.edit(
            [](CpHCalculatorDoc& calculation) { return calculation.setTitle("solution.phc"); });
    }

    void addReagent(const char* name, double concentration) {
        document.edit([&](CpHCalculatorDoc& calculation) {
            ReagentpHCalculator row(*program);
            static_cast<Reagent&>(row) = *program->reagents.FindByName(name);
            row.concentration = concentration;
            row.analyze(false);
            DocumentChange changes = calculation.addReagent(row);
            if (calculation.reagentAt(0).formula.empty()) changes |= calculation.removeReagent(0);
            return changes;
        });
    }

    // Picks `file` in the next file dialog after checking what it offers.
    void chooseInFileDialog(ModalAnswers& answers, const QString& offered, const QString& file) {
        answers.then([offered, file](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName(), offered);
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
    }

    static QByteArray contentOf(const QString& file) {
        QFile read(file);
        EXPECT_TRUE(read.open(QIODevice::ReadOnly)) << file.toStdString();
        return read.readAll();
    }

    std::shared_ptr<ProgramModel> program;
    PhCalculatorDocumentModel document;
    TemporaryFolder folder;
};

TEST_F(PhResultsExportTest, TheCsvExportWritesWhatTheCommandLinePrints) {
    addReagent("acetic acid", 0.1);
    addReagent("sodium hydroxide", 0.05);
    const QString file = fromPath(folder.path() / "results.csv");
    ModalAnswers answers;
    // The title without its extension, and the dialog adds the default one.
    chooseInFileDialog(answers, QStringLiteral("solution.csv"), file);
    exportResultsAsCsv(document, nullptr);

    const auto printed = testing::runCliWith(
        {"ph", "--reagent", "acetic acid:0.1", "--reagent", "sodium hydroxide:0.05", "--csv"});
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(contentOf(file).toStdString(), printed.out);
}

TEST_F(PhResultsExportTest, AFileThatCannotBeWrittenIsReportedWithItsReason) {
    addReagent("acetic acid", 0.1);
    const auto failure =
        writeResultsCsv(document, fromPath(folder.path() / "no such folder" / "results.csv"));
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(QStringLiteral("results.csv"))) << failure->toStdString();
}

int plotsIn(const Report& report) {
    int plots = 0;
    for (const ReportItem& item : report.items) {
        const auto* clip = std::get_if<ReportClip>(&item);
        if (clip != nullptr && clip->box) ++plots;
    }
    return plots;
}

TEST_F(PhResultsExportTest, TheDistributionFollowsTheDocumentAndExportsItsPages) {
    addReagent("acetic acid", 0.1);
    const std::unique_ptr<ReportWindow> window(makeSpeciesDistributionWindow(document));
    EXPECT_EQ(plotsIn(window->report()), 1);
    addReagent("phosphoric acid", 0.1);
    EXPECT_EQ(plotsIn(window->report()), 2);

    const QString file = fromPath(folder.path() / "distribution.pdf");
    ModalAnswers answers;
    chooseInFileDialog(answers, QStringLiteral("solution.phc species distribution.pdf"), file);
    window->exportPdf();
    EXPECT_TRUE(contentOf(file).startsWith("%PDF"));
}

}  // namespace
}  // namespace solvara
