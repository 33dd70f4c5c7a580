#include "gui/phcalc/reagent_name_completer.h"

#include <QCompleter>
#include <QStringList>

#include "core/chemistry/reagent_database.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

QCompleter* reagentNameCompleter(const ReagentDatabase& reagents, QObject* parent) {
    QStringList names;
    for (int index = 0; index < reagents.Count(); ++index) {
        names.append(fromWindows1252(reagents.At(index).name));
    }
    names.sort(Qt::CaseInsensitive);
    auto* completer = new QCompleter(names, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    return completer;
}

}  // namespace solvara
