#include "gui/dialogs/database_title.h"

#include "core/text/message_format.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

QString databaseTitle(std::string_view pattern, int items, int listed) {
    return fromWindows1252(
        formatMessage(pattern, {static_cast<double>(items), std::string_view(items == 1 ? "" : "s"),
                                static_cast<double>(listed)}));
}

}  // namespace solvara
