#include "gui/app/windows1252_qstring.h"

#include "core/text/windows1252.h"

namespace solvara {

QString fromWindows1252(std::string_view text) {
    return QString::fromStdString(windows1252ToUtf8(text));
}

std::string toWindows1252(const QString& text) { return utf16ToWindows1252(text.toStdU16String()); }

bool fitsWindows1252(const QString& text) {
    for (const char32_t codePoint : text.toStdU32String()) {
        if (!unicodeToWindows1252(codePoint)) return false;
    }
    return true;
}

}  // namespace solvara
