#include "gui/phcalc/results_csv_export.h"

#include <QFileDialog>
#include <QMessageBox>
#include <exception>

#include "core/phcalc/csv_export.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

std::optional<QString> writeResultsCsv(const PhCalculatorDocumentModel& document,
                                       const QString& fileName) {
    try {
        writepHResultsCsv(document.core(), toPath(fileName));
        return std::nullopt;
    } catch (const std::exception& error) {
        return fromMixedText(error.what());  // it names the file
    }
}

void exportResultsAsCsv(const PhCalculatorDocumentModel& document, QWidget* parent) {
    if (!document.core().resultsValid()) return;
    QFileDialog dialog(parent, QObject::tr("Export results as CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QObject::tr("CSV files (*.csv)"), QObject::tr("Text files (*.txt)"),
                           QObject::tr("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(fromMixedText(proposedCsvFileName(document.core().title())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    if (const auto failure = writeResultsCsv(document, dialog.selectedFiles().front())) {
        QMessageBox::warning(parent, QStringLiteral("Solvara"), *failure);
    }
}

}  // namespace solvara
