#include "gui/dialogs/formula_clipboard.h"

#include <QApplication>
#include <QByteArray>
#include <QClipboard>
#include <string>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/formula_export.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

// The RTF document declares the Windows code page, so its bytes go as they are.
QByteArray rtfDocument(const ChemicalFormula& formula) {
    const std::string document = "{\\rtf1\\ansi{" + toRtf(formula) + "}}";
    return QByteArray(document.data(), static_cast<qsizetype>(document.size()));
}

QString plainText(const ChemicalFormula& formula, FormulaCopy kind) {
    switch (kind) {
        case FormulaCopy::text:
            return fromWindows1252(formula.source());
        case FormulaCopy::html:
            return fromWindows1252(toHtml(formula));
        case FormulaCopy::forumCode:
            return fromWindows1252(toForumCode(formula));
        case FormulaCopy::latex:
            break;
    }
    return fromWindows1252(toLatex(formula));
}

}  // namespace

std::unique_ptr<QMimeData> formulaClipboardData(const ElementTable& table,
                                                std::string_view formulaText, FormulaCopy kind) {
    ChemicalFormula formula(table);
    formula.setFormula(formulaText, Markup::on);
    auto data = std::make_unique<QMimeData>();
    data->setText(plainText(formula, kind));
    if (kind == FormulaCopy::text || kind == FormulaCopy::html) {
        data->setHtml(fromWindows1252(toHtml(formula)));
        const QByteArray rtf = rtfDocument(formula);
        data->setData(QStringLiteral("text/rtf"), rtf);
        data->setData(QStringLiteral("application/rtf"), rtf);
    }
    return data;
}

void copyFormulaToClipboard(const ElementTable& table, std::string_view formulaText,
                            FormulaCopy kind) {
    QApplication::clipboard()->setMimeData(
        formulaClipboardData(table, formulaText, kind).release());
}

}  // namespace solvara
